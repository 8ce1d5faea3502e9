#include "platform/linux/CrashHandler.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

char g_reportPath[4096];
// Room for the handler on a stack overflow, where the thread's own stack is gone.
alignas(16) char g_alternateStack[64 * 1024];
const int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
std::atomic<int> g_logFd{-1};
std::atomic<const char *> g_logBuffer{nullptr};
std::atomic<const std::atomic<std::size_t> *> g_logLength{nullptr};
std::atomic<const std::atomic<bool> *> g_logCut{nullptr};

void writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        size -= size_t(n);
    }
}

void writeText(int fd, const char *text)
{
    writeAll(fd, text, std::strlen(text));
}

// No printf in a signal handler: numbers are formatted by hand.
void writeNumber(int fd, unsigned long value, unsigned base)
{
    char digits[32];
    int at = sizeof(digits);
    do {
        digits[--at] = "0123456789abcdef"[value % base];
        value /= base;
    } while (value != 0 && at > 0);
    if (base == 16)
        writeText(fd, "0x");
    writeAll(fd, digits + at, sizeof(digits) - size_t(at));
}

void copyMaps(int fd)
{
    const int maps = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (maps < 0)
        return;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(maps, buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        writeAll(fd, buffer, size_t(n));
    }
    ::close(maps);
}

void writeReport(int sig, const siginfo_t *info)
{
    const int fd = ::open(g_reportPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    writeText(fd, "Signal: ");
    writeNumber(fd, unsigned(sig), 10);
    writeText(fd, "\nCode: ");
    writeNumber(fd, unsigned(info->si_code), 10);
    writeText(fd, "\nAddress: ");
    writeNumber(fd, reinterpret_cast<unsigned long>(info->si_addr), 16);
    writeText(fd, "\nProcess: ");
    writeNumber(fd, unsigned(::getpid()), 10);
    writeText(fd, "\n\nBacktrace:\n");
    void *frames[128];
    backtrace_symbols_fd(frames, backtrace(frames, 128), fd);
    writeText(fd, "\nMaps:\n");
    copyMaps(fd);
    ::close(fd);
}

void onFatalSignal(int sig, siginfo_t *info, void *)
{
    const int savedErrno = errno;
    const char *logBuffer = g_logBuffer.load();
    const std::atomic<std::size_t> *logLength = g_logLength.load();
    if (logBuffer && logLength) {
        const int fd = g_logFd.load();
        writeAll(fd, logBuffer, logLength->load());
        const std::atomic<bool> *cut = g_logCut.load();
        if (cut && cut->load()) {
            const off_t end = ::lseek(fd, 0, SEEK_CUR);
            if (end >= 0 && ::ftruncate(fd, end) != 0) {
                // Nothing more can be done for the log inside a crash.
            }
        }
    }
    writeReport(sig, info);
    errno = savedErrno;
    // SA_RESETHAND has restored the default action. A fault re-runs the
    // faulting instruction on return; a raised signal (abort) is raised
    // again so the default action happens in both cases.
    ::raise(sig);
}

} // namespace

void installCrashHandler(const char *reportPath)
{
    std::strncpy(g_reportPath, reportPath, sizeof(g_reportPath) - 1);
    // backtrace() loads the unwinder on its first call, which may allocate:
    // do that now rather than inside the handler.
    void *warmUp[1];
    backtrace(warmUp, 1);

    stack_t stack = {};
    stack.ss_sp = g_alternateStack;
    stack.ss_size = sizeof(g_alternateStack);
    ::sigaltstack(&stack, nullptr);

    struct sigaction action = {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_RESETHAND | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (const int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
}

void setCrashLogBuffer(int fd, const char *buffer, const std::atomic<std::size_t> *length,
                       const std::atomic<bool> *cut)
{
    g_logBuffer = nullptr;
    g_logFd = fd;
    g_logLength = length;
    g_logCut = cut;
    g_logBuffer = buffer;
}
