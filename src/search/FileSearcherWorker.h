#pragma once

#include <QString>
#include <QThread>

#include <functional>
#include <memory>

// Runs one long task of the engine on its own thread ("INIT", "UPDATE",
// "FIND", "FIND_MATCHES": the owner sets the object name) and catches every
// exception at the thread's edge, so that a failing task never takes the
// process down.
class FileSearcherWorker : public QThread
{
    Q_OBJECT
public:
    explicit FileSearcherWorker(std::function<void()> task, QObject *parent = nullptr);

    // The one way a search starts and stops its thread. Starts `task` on a
    // new worker named `name`, kept in `slot`, once the worker already there
    // (if any) has ended; `onFinished` is called on the worker thread as it
    // ends (a direct connection), so the receiver decides how to report.
    template<class Receiver>
    static void startIn(std::unique_ptr<FileSearcherWorker> &slot, const QString &name, std::function<void()> task,
                        Receiver *receiver, void (Receiver::*onFinished)())
    {
        auto thread = std::make_unique<FileSearcherWorker>(std::move(task));
        thread->setObjectName(name);
        connect(thread.get(), &QThread::finished, receiver, onFinished, Qt::DirectConnection);
        if (slot)
            slot->wait();
        slot = std::move(thread);
        slot->start();
    }
    // Waits for the worker in `slot` to end and lets it go. With `silently`
    // its end is not reported: the owner has stopped listening.
    static void stopIn(std::unique_ptr<FileSearcherWorker> &slot, bool silently);
    // Runs the task on the calling thread instead, caught the same way; the
    // thread is never started.
    void runHere() { run(); }

    // Valid once finished() has been emitted.
    bool failed() const { return m_failed; }
    QString errorText() const { return m_errorText; }

protected:
    void run() override;

private:
    std::function<void()> m_task;
    bool m_failed = false;
    QString m_errorText;
};
