#pragma once

#include "platform/linux/FileDescriptor.h"

#include <QString>

// Blocking reads and writes on a connected local stream socket, for a
// request-and-reply channel where the caller waits for each answer anyway:
// one system call each way instead of a toolkit's notifiers and buffers.
namespace LocalStream {

// A socket listening at 'path' (made anew), which only this user may
// reach; invalid on an error (errno tells).
FileDescriptor listen(const QString &path);
// Waits for the next connection to 'listener'; invalid on an error or
// after shutdown() of the listener.
FileDescriptor accept(int listener);
// A connection to the socket at 'path'; invalid when nothing listens there
// (yet) or on an error.
FileDescriptor connect(const QString &path);
// Sends all of 'size' bytes; false when the peer has gone or on an error
// (errno tells), or with errno ETIMEDOUT when 'timeoutMs' (if not -1) passed
// first. Never raises SIGPIPE.
bool sendAll(int fd, const char *data, qint64 size, int timeoutMs = -1);
// Waits until bytes arrive and returns how many; 0 once the peer has closed
// its end, -1 on an error (errno tells) or, with errno ETIMEDOUT, when
// 'timeoutMs' (if not -1) passed first.
qint64 receive(int fd, char *data, qint64 capacity, int timeoutMs = -1);
// Wakes any thread waiting on 'fd' (its call returns 0 or fails) and makes
// later calls end at once; the descriptor itself stays open.
void shutdown(int fd);

} // namespace LocalStream
