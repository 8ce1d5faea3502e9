#include "platform/linux/ThreadFileSystemIds.h"

#include <QFile>

#include <grp.h>
#include <sys/fsuid.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The raw call: the C library's setgroups changes every thread of the
// process, the kernel's only the caller.
bool setThreadGroups(const std::vector<gid_t> &groups)
{
    return ::syscall(SYS_setgroups, groups.size(), groups.data()) == 0;
}

std::vector<gid_t> groupsOf(const QString &name, gid_t gid)
{
    std::vector<gid_t> groups{gid};
    if (name.isEmpty())
        return groups;
    const QByteArray encoded = QFile::encodeName(name);
    int count = 32;
    groups.resize(std::size_t(count));
    while (::getgrouplist(encoded.constData(), gid, groups.data(), &count) < 0)
        groups.resize(std::size_t(count));
    groups.resize(std::size_t(count));
    return groups;
}

} // namespace

ThreadFileSystemIds::ThreadFileSystemIds(uid_t uid, gid_t gid, const QString &name)
    : m_previousUid(::geteuid())
    , m_previousGid(::getegid())
{
    if (m_previousUid != 0)
        return;
    const int count = ::getgroups(0, nullptr);
    m_previousGroups.resize(std::size_t(count > 0 ? count : 0));
    if (count > 0 && ::getgroups(count, m_previousGroups.data()) != count)
        return;
    if (!setThreadGroups(groupsOf(name, gid)))
        return;
    // Both calls answer with the previous id; success shows in a second call.
    ::setfsgid(gid);
    ::setfsuid(uid);
    m_active = gid_t(::setfsgid(gid_t(-1))) == gid && uid_t(::setfsuid(uid_t(-1))) == uid;
    if (!m_active) {
        ::setfsuid(m_previousUid);
        ::setfsgid(m_previousGid);
        setThreadGroups(m_previousGroups);
    }
}

ThreadFileSystemIds::~ThreadFileSystemIds()
{
    if (!m_active)
        return;
    ::setfsuid(m_previousUid);
    ::setfsgid(m_previousGid);
    setThreadGroups(m_previousGroups);
}
