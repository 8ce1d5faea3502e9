#pragma once

#include "platform/linux/FileDescriptor.h"

#include <sys/types.h>

// Waits for a process that need not be our child, through a pidfd: unlike a
// bare pid, the descriptor keeps naming the same process even if the pid is
// reused after it ends.
class ProcessWaiter
{
public:
    // Opens the pidfd at once, so the process is pinned from here on.
    explicit ProcessWaiter(pid_t pid);

    // False when the process does not exist (any more) or the kernel has no
    // pidfd_open; errno tells which.
    bool isOpen() const { return m_fd.isValid(); }
    // The descriptor becomes readable when the process ends (for a
    // QSocketNotifier); -1 when not open.
    int descriptor() const { return m_fd.get(); }

    // Blocks without time-out until the process ends. False when not open or
    // when waiting fails.
    bool wait();
    // True when the process has already ended; never blocks.
    bool hasEnded() const;

private:
    FileDescriptor m_fd;
};
