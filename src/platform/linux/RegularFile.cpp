#include "platform/linux/RegularFile.h"

#include "platform/linux/SysCall.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

FileDescriptor RegularFile::openForReading(const QString &path, Links links, qint64 *size)
{
    return openForReading(QFile::encodeName(path).constData(), links, size);
}

FileDescriptor RegularFile::openForReading(const char *path, Links links, qint64 *size)
{
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | (links == NoFollowLinks ? O_NOFOLLOW : 0);
    FileDescriptor fd = sysOpenAt(AT_FDCWD, path, flags);
    if (!fd.isValid())
        return fd;
    struct stat st;
    if (sysFstat(fd.get(), &st) != 0)
        return FileDescriptor();
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return FileDescriptor();
    }
    if (size)
        *size = qint64(st.st_size);
    return fd;
}

qint64 RegularFile::read(int fd, char *buffer, qint64 size)
{
    return sysRead(fd, buffer, std::size_t(size));
}

bool RegularFile::sync(int fd)
{
    int result;
    do {
        result = ::fsync(fd);
    } while (result == -1 && errno == EINTR);
    return result == 0;
}

bool RegularFile::replace(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}
