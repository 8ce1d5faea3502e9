#pragma once

#include <QThread>

#include <memory>

class ProcessWaiter;

// Waits in the companion for the elevated main instance to end, then asks
// the application to exit: with 0 when it ended, with 1 when it cannot be
// waited on. The process is not our child in general (the skip-UAC rule
// starts it through pkexec), so it is watched through a pidfd.
class WaitAdminProcessThread : public QThread
{
    Q_OBJECT

public:
    // Takes hold of the process at once, on the calling thread: one that
    // ends before the thread runs is still seen to end.
    explicit WaitAdminProcessThread(qint64 pid, QObject *parent = nullptr);
    ~WaitAdminProcessThread() override;

protected:
    void run() override;

private:
    qint64 m_pid;
    int m_openError = 0;
    std::unique_ptr<ProcessWaiter> m_waiter;
};
