#pragma once

#include <QString>
#include <QThread>

#include <functional>

// Runs one long task of the engine on its own thread ("INIT", "UPDATE",
// "FIND", "FIND_MATCHES": the owner sets the object name) and catches every
// exception at the thread's edge, so that a failing task never takes the
// process down.
class FileSearcherWorker : public QThread
{
    Q_OBJECT
public:
    explicit FileSearcherWorker(std::function<void()> task, QObject *parent = nullptr);

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
