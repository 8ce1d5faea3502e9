#pragma once

#include <sys/types.h>

#include <vector>

// While it lives, the calling thread judges file access as another user:
// its file-system user and group ids and its supplementary groups become
// that user's, so the kernel applies that user's modes, groups and ACLs.
// Only this thread changes (raw system calls, not the C library's
// process-wide setgroups), and the destructor gives the thread its own back.
// Needs CAP_SETUID and CAP_SETGID. A root service's other threads (change
// monitors, the socket loop) keep their rights meanwhile.
class ThreadCredentials
{
public:
    ThreadCredentials(uid_t uid, gid_t gid, const std::vector<gid_t> &groups);
    ~ThreadCredentials();
    ThreadCredentials(const ThreadCredentials &) = delete;
    ThreadCredentials &operator=(const ThreadCredentials &) = delete;

    // False (errno set) when the switch failed; the thread is then as before.
    bool isValid() const { return m_valid; }

    // The user the calling thread judges file access as now.
    static uid_t fileSystemUser();

private:
    void restore();

    uid_t m_ownUid;
    gid_t m_ownGid;
    std::vector<gid_t> m_ownGroups;
    bool m_valid = false;
};
