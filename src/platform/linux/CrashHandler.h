#pragma once

#include <atomic>
#include <cstddef>

// Writes a crash report when the process dies of SIGSEGV, SIGBUS, SIGFPE,
// SIGILL or SIGABRT, then lets the signal's default action go on (core dump,
// exit status), so a debugger or the system's crash collector still sees it.
//
// The report holds the signal, the faulting address, a backtrace of the
// crashing thread and the process's memory map (/proc/self/maps), enough to
// resolve the backtrace's addresses against the build's debug symbols.
//
// Call once from the main thread before other threads start; later calls
// only change the file. The handler uses async-signal-safe calls only: the
// path is copied into static storage here, the file is created anew when the
// crash happens.
void installCrashHandler(const char *reportPath);

// Log lines not yet written when a crash comes: the handler first writes
// bytes [0, *length) of `buffer` to `fd`, so the last moments before the
// crash are in the log. The owner keeps the three alive for the process's
// life and changes the bytes and the length under its own lock, which the
// handler cannot take: it writes them as they are. Null `buffer` forgets
// them. When `cut` is true at the crash, the file is cut where the bytes
// end: the older text after them is not part of this log.
void setCrashLogBuffer(int fd, const char *buffer, const std::atomic<std::size_t> *length,
                       const std::atomic<bool> *cut = nullptr);
