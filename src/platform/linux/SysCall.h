#pragma once

#include "platform/linux/FileDescriptor.h"

#include <cstddef>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/types.h>

// The system calls of the platform layer, each wrapped once: interrupted
// calls (EINTR) are retried, reads are completed, and descriptors come back
// with their owner. On failure errno is left as the call set it. Only code
// in platform/linux includes this header.

// openat(2), retried on EINTR. O_CLOEXEC is always added.
FileDescriptor sysOpenAt(int dirFd, const char *path, int flags, mode_t mode = 0);

// Opens a directory below dirFd without following symbolic links and without
// crossing into another mount. Fails with EXDEV when `name` is a mount point
// and ENOTDIR/ELOOP when it is not a directory. Uses openat2 where the kernel
// has it; elsewhere openat plus a device comparison, which sees other file
// systems but not bind mounts of the same one.
FileDescriptor sysOpenSubdirectory(int dirFd, const char *name);

// getdents64(2) into buf: bytes read, 0 at the end, -1 on error.
long sysGetdents64(int fd, void *buf, std::size_t size);

// fstat(2), fstatat(2) and stat(2), retried on EINTR; 0 on success, -1 on error.
int sysFstat(int fd, struct stat *st);
int sysFstatAt(int dirFd, const char *path, struct stat *st, int flags);
int sysStat(const char *path, struct stat *st);

// statvfs(3) of the file system holding `path`, retried on EINTR; 0 or -1.
int sysStatvfs(const char *path, struct statvfs *st);

// ioctl(2) with a pointer argument, retried on EINTR.
int sysIoctl(int fd, unsigned long request, void *arg);

// Reads exactly `size` bytes at `offset` unless the file ends first; returns
// the bytes read or -1 on error.
long sysPreadFull(int fd, void *buf, std::size_t size, off_t offset);

// read(2) and write(2), retried on EINTR; bytes transferred or -1. One call:
// callers that need every byte loop themselves (fanotify and eventfd
// transfer whole records per call).
long sysRead(int fd, void *buf, std::size_t size);
long sysWrite(int fd, const void *buf, std::size_t size);

// open_by_handle_at(2) with a handle from name_to_handle_at or fanotify,
// retried on EINTR. O_CLOEXEC is always added.
FileDescriptor sysOpenByHandleAt(int mountFd, void *fileHandle, int flags);

// renameat2(2) with RENAME_NOREPLACE between two paths, retried on EINTR:
// fails with EEXIST instead of replacing an existing target. 0 or -1.
int sysRenameNoReplace(const char *from, const char *to);
