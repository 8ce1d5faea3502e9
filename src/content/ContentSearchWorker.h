#pragma once

#include <QRunnable>

#include <exception>
#include <functional>

// One task of a search's checks (a file or a run of files), run on a thread
// pool (deleted by the pool when done). Cancellation ends it quietly; any other failure is
// logged at ERROR and handed to 'onFailure' when one is given, so that the
// search can report it on its own thread. An exception must not leave run():
// the pool thread would take the process down with it.
class ContentSearchWorker : public QRunnable
{
public:
    using FailureHandler = std::function<void(std::exception_ptr)>;

    explicit ContentSearchWorker(std::function<void()> task, FailureHandler onFailure = nullptr);

    void run() override;

private:
    std::function<void()> m_task;
    FailureHandler m_onFailure;
};
