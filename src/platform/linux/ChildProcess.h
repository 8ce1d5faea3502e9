#pragma once

#include "platform/linux/FileDescriptor.h"

#include <string>
#include <sys/types.h>
#include <vector>

// The one owner of a child process: started with posix_spawn, its standard
// input and output on /dev/null, ended by its own pid (never by name) and
// reaped. Any thread may call any member, one at a time (the owner
// serialises). Destroying a running child kills it.
class ChildProcess
{
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // argv[0] is 'program'. False (errno set) when it could not be started.
    bool start(const std::string &program, const std::vector<std::string> &arguments);
    pid_t pid() const { return m_pid; }
    // Readable once the child has ended (a pidfd), for an event loop to
    // watch; -1 when the kernel offers none.
    int endNotifier() const { return m_pidFd.get(); }
    bool isRunning();
    // Waits until the child has ended, at most 'timeoutMs'; true when it has.
    bool waitForFinished(int timeoutMs);
    // SIGKILL to the child and reaping; false when there was none to end.
    bool kill();

private:
    bool reap(bool block);

    pid_t m_pid = -1;
    FileDescriptor m_pidFd; // pollable while the child runs
};
