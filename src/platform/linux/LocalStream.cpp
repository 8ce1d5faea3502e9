#include "platform/linux/LocalStream.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <poll.h>
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

// Waits until 'fd' is ready for 'events' or the deadline passes (then false,
// errno ETIMEDOUT). A hang-up or an error counts as ready: the call that
// follows reports it.
bool waitReady(int fd, short events, const QDeadlineTimer &deadline)
{
    if (deadline.isForever())
        return true;
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (ready > 0)
            return true;
        if (ready == 0) {
            errno = ETIMEDOUT;
            return false;
        }
        if (errno != EINTR)
            return true;
    }
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

bool sendAll(int fd, const char *data, qint64 size, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (size > 0) {
        if (!waitReady(fd, POLLOUT, deadline))
            return false;
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

qint64 receive(int fd, char *data, qint64 capacity, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (!waitReady(fd, POLLIN, deadline))
            return -1;
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
