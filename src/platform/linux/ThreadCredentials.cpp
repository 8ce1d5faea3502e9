#include "platform/linux/ThreadCredentials.h"

#include <cerrno>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// setfsuid and setfsgid report the previous id whatever happens; the call
// with -1 changes nothing and tells the current one.
uid_t fsuid()
{
    return uid_t(::syscall(SYS_setfsuid, -1));
}

gid_t fsgid()
{
    return gid_t(::syscall(SYS_setfsgid, -1));
}

bool setFsUid(uid_t uid)
{
    ::syscall(SYS_setfsuid, uid);
    if (fsuid() == uid)
        return true;
    errno = EPERM;
    return false;
}

bool setFsGid(gid_t gid)
{
    ::syscall(SYS_setfsgid, gid);
    if (fsgid() == gid)
        return true;
    errno = EPERM;
    return false;
}

// The system call itself: glibc's setgroups() signals every thread of the
// process to change all of them.
bool setThreadGroups(const std::vector<gid_t> &groups)
{
    return ::syscall(SYS_setgroups, groups.size(), groups.data()) == 0;
}

std::vector<gid_t> threadGroups()
{
    const long n = ::syscall(SYS_getgroups, 0, nullptr);
    std::vector<gid_t> groups(n > 0 ? std::size_t(n) : 0);
    if (n > 0 && ::syscall(SYS_getgroups, n, groups.data()) != n)
        groups.clear();
    return groups;
}

} // namespace

ThreadCredentials::ThreadCredentials(uid_t uid, gid_t gid, const std::vector<gid_t> &groups)
    : m_ownUid(fsuid())
    , m_ownGid(fsgid())
    , m_ownGroups(threadGroups())
{
    // Groups and group id first: once the user id is not root any more the
    // thread may lack what changing them takes.
    m_valid = setThreadGroups(groups) && setFsGid(gid) && setFsUid(uid);
    if (!m_valid) {
        const int error = errno;
        restore();
        errno = error;
    }
}

uid_t ThreadCredentials::fileSystemUser()
{
    return fsuid();
}

ThreadCredentials::~ThreadCredentials()
{
    if (m_valid)
        restore();
}

void ThreadCredentials::restore()
{
    setFsUid(m_ownUid);
    setFsGid(m_ownGid);
    setThreadGroups(m_ownGroups);
}
