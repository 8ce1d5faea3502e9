#pragma once

#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

// Root may write any file, so checks of "the current user cannot write this"
// run as "nobody", keeping root as the saved user to come back to. Other users
// stay who they are. Affects every thread while it lives; keep its scope short.
class UnprivilegedUser
{
public:
    UnprivilegedUser()
    {
        if (geteuid() != 0)
            return;
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
    bool m_ok = true;
    bool m_switched = false;
};
