#include "platform/linux/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

ChildProcess::~ChildProcess()
{
    kill();
}

bool ChildProcess::start(const std::string &program, const std::vector<std::string> &arguments)
{
    kill();
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The child must not write into our standard output (tvq's results).
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        errno = error;
        return false;
    }
    m_pid = pid;
    m_pidFd.reset(int(syscall(SYS_pidfd_open, pid, 0)));
    return true;
}

bool ChildProcess::reap(bool block)
{
    if (m_pid <= 0)
        return true;
    int status = 0;
    pid_t result;
    do {
        result = waitpid(m_pid, &status, block ? 0 : WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result == 0)
        return false;
    // Ended (or not ours any more, ECHILD): either way nothing is left to wait for.
    m_pid = -1;
    m_pidFd.reset();
    return true;
}

bool ChildProcess::isRunning()
{
    return !reap(/*block=*/false);
}

bool ChildProcess::waitForFinished(int timeoutMs)
{
    if (!isRunning())
        return true;
    if (m_pidFd.isValid()) {
        pollfd entry{m_pidFd.get(), POLLIN, 0};
        int ready;
        do {
            ready = poll(&entry, 1, timeoutMs);
        } while (ready < 0 && errno == EINTR);
        return ready > 0 && reap(/*block=*/true);
    }
    // Kernels without pidfd: look again in small steps.
    for (int waited = 0; waited < timeoutMs; waited += 10) {
        usleep(10 * 1000);
        if (!isRunning())
            return true;
    }
    return !isRunning();
}

bool ChildProcess::kill()
{
    if (!isRunning())
        return false;
    ::kill(m_pid, SIGKILL);
    return reap(/*block=*/true);
}
