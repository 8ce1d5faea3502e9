#pragma once

#include "platform/linux/FileDescriptor.h"

#include <QObject>

#include <atomic>
#include <memory>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal on the thread that made
// the object, so that a program interrupted by Ctrl+C or a shutdown can
// cancel its work, remove what it made and save its state instead of dying
// on the spot. While the object lives these signals no longer end the
// process; they are only reported, through an event loop. One object per
// process.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // The first signal that came, 0 while none has.
    int received() const { return m_received; }
    // Until it is given null, a signal also sets `flag` the moment it comes,
    // for work that runs on the thread of the event loop, which hears of the
    // signal only when that work is done.
    static void cancelOnArrival(std::atomic<bool> *flag);

signals:
    void arrived(int signalNumber);

private:
    void onReadable();

    FileDescriptor m_readEnd;
    std::unique_ptr<QSocketNotifier> m_notifier;
    int m_received = 0;
};
