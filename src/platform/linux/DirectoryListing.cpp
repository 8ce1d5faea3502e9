#include "platform/linux/DirectoryListing.h"

#include "platform/linux/SysCall.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>

#include <utility>

namespace {

// The kernel refuses a path of PATH_MAX bytes or more (ENAMETOOLONG), and a
// walk reaches such depths: such a folder is opened one name at a time, each
// relative to the folder before it, which has no length limit.
FileDescriptor openDirectory(const QByteArray &path)
{
    FileDescriptor fd = sysOpenAt(AT_FDCWD, path.constData(), O_RDONLY | O_DIRECTORY);
    if (fd.isValid() || errno != ENAMETOOLONG)
        return fd;
    FileDescriptor current = sysOpenAt(AT_FDCWD, path.startsWith('/') ? "/" : ".", O_RDONLY | O_DIRECTORY);
    for (const QByteArray &name : path.split('/')) {
        if (!current.isValid())
            break;
        if (!name.isEmpty())
            current = sysOpenAt(current.get(), name.constData(), O_RDONLY | O_DIRECTORY);
    }
    return current;
}

} // namespace

DirectoryListing::DirectoryListing(const QString &path)
{
    // The descriptor is opened for the listing alone: the stream reads it.
    FileDescriptor fd = openDirectory(QFile::encodeName(path));
    if (fd.isValid())
        m_stream = std::make_unique<DirectoryStream>(std::move(fd));
    else
        m_openError = errno;
}

int DirectoryListing::error() const
{
    return m_stream ? m_stream->error() : m_openError;
}

bool DirectoryListing::next(QString &name, bool &isDir)
{
    if (!next(isDir))
        return false;
    name = QFile::decodeName(m_entry.name);
    return true;
}

bool DirectoryListing::next(bool &isDir)
{
    if (!m_stream || !m_stream->next(m_entry))
        return false;
    isDir = m_entry.isFolder;
    return true;
}
