#pragma once

#include "platform/linux/FileDescriptor.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>


// The thread that owns the program's end of the channel to the document
// helper. It moves itself into its own thread, so onConnect (driven by
// doConnect, queued from the thread that starts the helper) runs there.
//
// The channel is a local socket in the user's runtime folder: onConnect
// listens, waits for the first connection (the helper), then stops
// listening so that nothing else can join. Messages are written and read by
// the thread that makes the request, which waits for the answer anyway:
// handing each message to this thread and its answer back cost two more
// thread wake-ups per document, as much as the helper's whole round trip.
// cancelIo() ends a wait on the channel, for a helper that will never answer.
class Helper64Thread : public QThread
{
    Q_OBJECT
public:
    Helper64Thread();
    ~Helper64Thread() override;

    enum class Outcome { Done, Failed, TimedOut };

    bool isConnected() const;
    // Writes one message whole, within 'timeoutMs'. Failed: the helper has
    // gone or the channel is not open.
    Outcome write(const QString &data, int timeoutMs);
    // Reads one whole message into '*reply', within 'timeoutMs'. Failed: the
    // helper went away or sent a malformed frame (logged).
    Outcome read(QString *reply, int timeoutMs);
    // write() and read() run on the calling thread, one request at a time
    // (the client's lock); only cancelIo() may come from elsewhere meanwhile.
    // Ends a read or write waiting on the channel, and every later one, at
    // once. Any thread may call it; the thread can then be stopped.
    void cancelIo();

signals:
    void doConnect(const QString &pipeId);
    // The helper connected, or the channel could not be opened (then
    // isConnected() is false).
    void connectFinished();

public slots:
    void onConnect(const QString &pipeId);

protected:
    // The event loop, then the channel is closed on this thread, where it
    // lives.
    void run() override;

private:
    // The channel's descriptor, -1 before a connection.
    int channel() const;
    // The channel cannot carry messages any more.
    void lose();

    // Set and closed under m_mutex, for cancelIo().
    FileDescriptor m_listener;
    FileDescriptor m_channel;
    QByteArray m_received; // bytes of messages not yet asked for

    mutable QMutex m_mutex; // guards the descriptors and flags between threads
    bool m_connected = false;
    bool m_canceled = false;
};
