#pragma once

#include <QTemporaryDir>

// A runtime folder ($XDG_RUNTIME_DIR) of the test's own, in the temporary
// location: the one CTest gives lies deep in the build tree, too deep for
// the paths of local sockets, which must fit in 108 bytes. Child processes
// inherit it.
class PrivateRuntimeDir
{
public:
    PrivateRuntimeDir() : m_dir(QDir::tempPath() + QStringLiteral("/tvq-XXXXXX"))
    {
        m_previous = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
    }
    ~PrivateRuntimeDir() { qputenv("XDG_RUNTIME_DIR", m_previous); }
    PrivateRuntimeDir(const PrivateRuntimeDir &) = delete;
    PrivateRuntimeDir &operator=(const PrivateRuntimeDir &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir; // made with mode 0700
    QByteArray m_previous;
};
