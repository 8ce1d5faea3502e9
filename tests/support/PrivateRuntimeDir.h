#pragma once

#include <QTemporaryDir>

// A $XDG_RUNTIME_DIR of the test's own (inherited by child processes): the one in
// the build tree is too deep for local socket paths, which must fit in 108 bytes.
class PrivateRuntimeDir
{
public:
    PrivateRuntimeDir() : m_dir(QDir::tempPath() + QStringLiteral("/tvq-XXXXXX"))
    {
        m_previous = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
    }
    ~PrivateRuntimeDir() { qputenv("XDG_RUNTIME_DIR", m_previous); }

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir; // made with mode 0700
    QByteArray m_previous;
};
