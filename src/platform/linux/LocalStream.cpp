#include "platform/linux/LocalStream.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace LocalStream {

namespace {

// A stream socket and the address of 'path' for it; invalid when the path
// does not fit a socket address or no socket can be made.
FileDescriptor socketFor(const QString &path, sockaddr_un *address)
{
    const QByteArray bytes = QFile::encodeName(path);
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    if (bytes.isEmpty() || std::size_t(bytes.size()) >= sizeof address->sun_path) {
        errno = ENAMETOOLONG;
        return FileDescriptor();
    }
    std::memcpy(address->sun_path, bytes.constData(), std::size_t(bytes.size()));
    return FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
}

} // namespace

FileDescriptor listen(const QString &path)
{
    sockaddr_un address;
    FileDescriptor fd = socketFor(path, &address);
    if (!fd.isValid())
        return fd;
    ::unlink(address.sun_path);
    // Made for this user only; the runtime folder it lies in is private too.
    if (::bind(fd.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd.get(), 1) != 0) {
        const int error = errno;
        ::unlink(address.sun_path);
        errno = error;
        return FileDescriptor();
    }
    return fd;
}

FileDescriptor accept(int listener)
{
    for (;;) {
        const int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0 || errno != EINTR)
            return FileDescriptor(fd);
    }
}

FileDescriptor connect(const QString &path)
{
    sockaddr_un address;
    FileDescriptor fd = socketFor(path, &address);
    if (!fd.isValid())
        return fd;
    int result;
    do {
        result = ::connect(fd.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? std::move(fd) : FileDescriptor();
}

bool sendAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, std::size_t(size), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += sent;
        size -= sent;
    }
    return true;
}

qint64 receive(int fd, char *data, qint64 capacity)
{
    for (;;) {
        const ssize_t got = ::recv(fd, data, std::size_t(capacity), 0);
        if (got >= 0 || errno != EINTR)
            return qint64(got);
    }
}

void shutdown(int fd)
{
    if (fd >= 0)
        ::shutdown(fd, SHUT_RDWR);
}

} // namespace LocalStream
