#include "platform/linux/SystemInfo.h"

#include <fcntl.h>
#include <grp.h>
#include <malloc.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

KernelVersion parseKernelRelease(const char *release)
{
    KernelVersion version;
    char *end = nullptr;
    version.majorVersion = static_cast<int>(std::strtol(release, &end, 10));
    if (end && *end == '.')
        version.minorVersion = static_cast<int>(std::strtol(end + 1, nullptr, 10));
    return version;
}

KernelVersion kernelVersion()
{
    struct utsname name;
    if (::uname(&name) != 0)
        return KernelVersion();
    return parseKernelRelease(name.release);
}

bool isProcessAdmin()
{
    return ::geteuid() == 0;
}

// The group's id, or false when the system has no such group.
static bool groupId(const char *name, gid_t *gid)
{
    long size = ::sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 1024);
    struct group entry;
    struct group *found = nullptr;
    int rc;
    for (;;) {
        rc = ::getgrnam_r(name, &entry, buffer.data(), buffer.size(), &found);
        if (rc == ERANGE)
            buffer.resize(buffer.size() * 2);
        else if (rc != EINTR)
            break;
    }
    if (rc != 0 || !found)
        return false;
    *gid = found->gr_gid;
    return true;
}

bool isUserAdmin()
{
    if (::getuid() == 0 || ::geteuid() == 0)
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(count > 0 ? size_t(count) : 0);
    const int got = count > 0 ? ::getgroups(count, groups.data()) : 0;
    groups.resize(got > 0 ? size_t(got) : 0);
    groups.push_back(::getgid());
    for (const char *name : {"sudo", "wheel", "admin"}) {
        gid_t gid;
        if (!groupId(name, &gid))
            continue;
        for (const gid_t member : groups) {
            if (member == gid)
                return true;
        }
    }
    return false;
}

bool isTerminal(int fd)
{
    return ::isatty(fd) == 1;
}

void restrictNewFilesToOwner()
{
    ::umask(077);
}

void releaseFreedMemory()
{
    ::malloc_trim(0);
}

bool holdClosedDescriptor(int fd)
{
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
        return false;
    const int held = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (held != -1 && held != fd) {
        ::dup2(held, fd);
        ::close(held);
    }
    return true;
}
