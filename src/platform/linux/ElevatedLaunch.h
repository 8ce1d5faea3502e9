#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

// One run of pkexec, followed until we know whether the program behind it
// started. pkexec keeps its pid when it replaces itself with the program, so
// the moment of authorisation shows as the process's name changing from the
// pkexec program's; an end with 126 (dismissed) or 127 (not authorised, or
// no such program) means it never started.
//
// The process is not killed when this object goes: it is the elevated
// program, meant to outlive the check.
class ElevatedLaunch
{
public:
    enum State { Waiting, Started, Failed };

    // Spawns Polkit::pkexecProgram() with `arguments`; Failed at once when
    // it cannot be spawned (pkexec missing).
    explicit ElevatedLaunch(const QStringList &arguments);
    ~ElevatedLaunch();
    ElevatedLaunch(const ElevatedLaunch &) = delete;
    ElevatedLaunch &operator=(const ElevatedLaunch &) = delete;

    // Never blocks: looks at the process once.
    State poll();
    pid_t pid() const { return m_pid; }
    // pkexec's exit status when it ended before starting anything, else -1.
    int exitCode() const { return m_exitCode; }

private:
    QByteArray m_pkexecName;
    pid_t m_pid = -1;
    int m_exitCode = -1;
    State m_state = Failed;
};
