#pragma once

#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

// Root may write any file, so a test that needs "the current user cannot
// write this" runs the check as an ordinary user. As root the process takes
// the "nobody" user as its real and effective user and keeps root as the
// saved one, which lets the destructor come back. Other users stay who they
// are (a 0444 file is already read-only for them).
//
// Affects every thread of the process while it lives; keep its scope short.
class UnprivilegedUser
{
public:
    UnprivilegedUser()
    {
        if (geteuid() != 0) {
            m_ok = true;
            return;
        }
        const passwd *nobody = getpwnam("nobody");
        const uid_t uid = nobody ? nobody->pw_uid : 65534;
        m_switched = setresuid(uid, uid, 0) == 0;
        m_ok = m_switched;
    }
    ~UnprivilegedUser()
    {
        if (m_switched && setresuid(0, 0, 0) != 0)
            _exit(99); // would run the rest of the suite as the wrong user
    }
    UnprivilegedUser(const UnprivilegedUser &) = delete;
    UnprivilegedUser &operator=(const UnprivilegedUser &) = delete;

    // False when root could not drop to another user (no CAP_SETUID).
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
    bool m_switched = false;
};
