#pragma once

#include <sys/types.h>

#include <QString>

#include <vector>

// While it lives, the calling thread reaches the file system as another
// user: its file-system user and group ids and its supplementary groups are
// that user's, so files it makes are the user's and every permission check
// is the user's own. Other threads keep their rights. Needs root (else it
// reports failure and changes nothing). Restores everything when it ends.
class ThreadFileSystemIds
{
public:
    // `name`: the user's name in the group database (for the supplementary
    // groups); empty for none but `gid`.
    ThreadFileSystemIds(uid_t uid, gid_t gid, const QString &name);
    ~ThreadFileSystemIds();
    ThreadFileSystemIds(const ThreadFileSystemIds &) = delete;
    ThreadFileSystemIds &operator=(const ThreadFileSystemIds &) = delete;

    bool isActive() const { return m_active; }

private:
    bool m_active = false;
    uid_t m_previousUid;
    gid_t m_previousGid;
    std::vector<gid_t> m_previousGroups;
};
