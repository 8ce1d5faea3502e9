#include "platform/linux/SysCall.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

template<typename Call>
auto retryOnEintr(Call call) -> decltype(call())
{
    decltype(call()) result;
    do {
        result = call();
    } while (result == -1 && errno == EINTR);
    return result;
}

// Kernels before 5.6 (and some sandboxes) answer ENOSYS; remembered so that
// the fallback costs one failed call per process, not one per directory.
std::atomic<bool> g_openat2Missing{false};

FileDescriptor openSubdirectoryFallback(int dirFd, const char *name)
{
    FileDescriptor fd = sysOpenAt(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (!fd.isValid())
        return fd;
    struct stat parent;
    struct stat child;
    if (sysFstat(dirFd, &parent) == 0 && sysFstat(fd.get(), &child) == 0 && parent.st_dev != child.st_dev) {
        errno = EXDEV;
        return FileDescriptor();
    }
    return fd;
}

} // namespace

FileDescriptor sysOpenAt(int dirFd, const char *path, int flags, mode_t mode)
{
    return FileDescriptor(retryOnEintr([&] { return ::openat(dirFd, path, flags | O_CLOEXEC, mode); }));
}

FileDescriptor sysOpenSubdirectory(int dirFd, const char *name)
{
    if (!g_openat2Missing) {
        struct open_how how = {};
        how.flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
        how.resolve = RESOLVE_NO_XDEV | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
        const long fd = retryOnEintr([&] { return ::syscall(SYS_openat2, dirFd, name, &how, sizeof how); });
        if (fd >= 0 || errno != ENOSYS)
            return FileDescriptor(int(fd));
        g_openat2Missing = true;
    }
    return openSubdirectoryFallback(dirFd, name);
}

long sysGetdents64(int fd, void *buf, std::size_t size)
{
    return retryOnEintr([&] { return ::syscall(SYS_getdents64, fd, buf, size); });
}

int sysFstat(int fd, struct stat *st)
{
    return retryOnEintr([&] { return ::fstat(fd, st); });
}

int sysFstatAt(int dirFd, const char *path, struct stat *st, int flags)
{
    return retryOnEintr([&] { return ::fstatat(dirFd, path, st, flags); });
}

int sysStat(const char *path, struct stat *st)
{
    return retryOnEintr([&] { return ::stat(path, st); });
}

int sysStatvfs(const char *path, struct statvfs *st)
{
    return retryOnEintr([&] { return ::statvfs(path, st); });
}

int sysIoctl(int fd, unsigned long request, void *arg)
{
    return retryOnEintr([&] { return ::ioctl(fd, request, arg); });
}

long sysPreadFull(int fd, void *buf, std::size_t size, off_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = retryOnEintr([&] {
            return ::pread(fd, static_cast<char *>(buf) + done, size - done, offset + off_t(done));
        });
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return long(done);
}

long sysRead(int fd, void *buf, std::size_t size)
{
    return retryOnEintr([&] { return ::read(fd, buf, size); });
}

long sysWrite(int fd, const void *buf, std::size_t size)
{
    return retryOnEintr([&] { return ::write(fd, buf, size); });
}

FileDescriptor sysOpenByHandleAt(int mountFd, void *fileHandle, int flags)
{
    auto *handle = static_cast<struct file_handle *>(fileHandle);
    return FileDescriptor(retryOnEintr([&] { return ::open_by_handle_at(mountFd, handle, flags | O_CLOEXEC); }));
}

int sysRenameNoReplace(const char *from, const char *to)
{
    return retryOnEintr([&] { return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE); });
}
