#pragma once

#include <QChar>
#include <QList>
#include <QObject>

#include <memory>

class MountTableWatcher;
class QSocketNotifier;

// Tells the index manager when a volume is mounted or unmounted. Each change
// of the mount table is compared with the volumes seen before it, and one
// signal is emitted per volume that appeared or disappeared, in key order.
// Lives on a thread with an event loop (the user-interface thread).
class DriveConnectionNotifier : public QObject
{
    Q_OBJECT
public:
    explicit DriveConnectionNotifier(QObject *parent = nullptr);
    ~DriveConnectionNotifier() override;

    // Starts watching (again), taking the volumes mounted now as the known set.
    void start();

    // Compares the mount table with the known set and signals the difference;
    // called on every change notice, public so that tests can drive it.
    void checkVolumes();

signals:
    void driveConnected(QChar driveLetter);
    void driveDisconnected(QChar driveLetter);

private:
    static QList<QChar> currentKeys();

    std::unique_ptr<MountTableWatcher> m_watcher;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QList<QChar> m_known;
};
