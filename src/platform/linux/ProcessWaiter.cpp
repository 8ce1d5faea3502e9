#include "platform/linux/ProcessWaiter.h"

#include <cerrno>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef SYS_pidfd_open
#define SYS_pidfd_open 434
#endif

ProcessWaiter::ProcessWaiter(pid_t pid)
{
    if (pid > 0)
        m_fd.reset(int(::syscall(SYS_pidfd_open, pid, 0)));
}

// poll(2) on the pidfd, retried on EINTR: 1 when ended, 0 on time-out, -1 on error.
static int pollEnded(int fd, int timeoutMs)
{
    struct pollfd entry = {fd, POLLIN, 0};
    for (;;) {
        const int rc = ::poll(&entry, 1, timeoutMs);
        if (rc < 0 && errno == EINTR)
            continue;
        if (rc <= 0)
            return rc;
        return (entry.revents & (POLLIN | POLLHUP)) ? 1 : -1;
    }
}

bool ProcessWaiter::wait()
{
    return isOpen() && pollEnded(m_fd.get(), -1) == 1;
}

bool ProcessWaiter::hasEnded() const
{
    return isOpen() && pollEnded(m_fd.get(), 0) == 1;
}
