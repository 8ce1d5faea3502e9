#pragma once

#include "indexproto/ServiceState.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class FileSearcherWorker;

// Keeps an eye on the index service for a window: a connection of its own,
// on a thread of its own, that hears every change of the service's state and
// notices at once when the service goes away. While the service is away it
// tries again every second, so the window is back on the index within a
// moment of the service's return. Created and destroyed on the GUI thread;
// its signals arrive there queued.
class IndexServiceWatcher : public QObject
{
    Q_OBJECT
public:
    explicit IndexServiceWatcher(const QString &socketPath, QObject *parent = nullptr);
    // Stops the thread; returns within a fraction of a second.
    ~IndexServiceWatcher() override;

    void start();

signals:
    // The service's state: the first one after each connection and every
    // change after that.
    void stateChanged(const ServiceState &state);
    // No trusted service answers (at the start, or it went away): once per
    // absence, with the reason. `otherVersion`: a service answers, but speaks
    // another version of the protocol (one left running by an update).
    void unavailable(const QString &why, bool otherVersion);

private:
    void run();
    void watch(class IndexServiceClient &client);
    bool pause(int milliseconds) const;

    const QString m_socketPath;
    std::atomic<bool> m_stop{false};
    std::unique_ptr<FileSearcherWorker> m_thread;
};
