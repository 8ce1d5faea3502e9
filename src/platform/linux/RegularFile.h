#pragma once

#include "platform/linux/FileDescriptor.h"

#include <QString>

// Opening and replacing files whose names come from places a hostile user
// may have touched (the data folder, a searched tree). A FIFO, a device or a
// socket is never opened for reading: opening one could block for ever or
// act on a device. Errors leave errno set for the caller's message.
class RegularFile
{
public:
    enum Links { FollowLinks, NoFollowLinks };

    // Opens `path` read-only without blocking; only a regular file is kept.
    // With NoFollowLinks a symbolic link is refused (ELOOP). Anything that
    // is not a regular file fails with EINVAL, a folder with EISDIR. On
    // success `size` (when given) receives the file's size in bytes.
    static FileDescriptor openForReading(const QString &path, Links links, qint64 *size = nullptr);
    // The same for a path given as the file system's bytes (NUL-terminated).
    static FileDescriptor openForReading(const char *path, Links links, qint64 *size = nullptr);

    // Reads up to `size` bytes at the file position, retried on EINTR: the
    // bytes read, 0 at the end, -1 on error.
    static qint64 read(int fd, char *buffer, qint64 size);

    // Flushes the file's data to the disk (fsync), retried on EINTR.
    static bool sync(int fd);

    // Puts `from` in the place of the name `to` in one step (rename(2)): a
    // symbolic link at `to` is itself replaced, never the file it points to.
    static bool replace(const QString &from, const QString &to);
};
