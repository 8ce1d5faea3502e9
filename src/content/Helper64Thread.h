#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>

#include <memory>

#include "platform/linux/FileDescriptor.h"


// The thread that owns the program's end of the channel to the document
// helper. It moves itself into its own thread, so its slots (driven by the
// do* signals, queued from the threads that make requests) run there; the
// outcome of each step is read through the accessors once its *Finished
// signal has arrived.
//
// The channel is a local socket in the user's runtime folder: onConnect
// listens, waits for the first connection (the helper), then stops
// listening so that nothing else can join. Reads and writes on the connection block
// this thread, as a request waits for its answer anyway; cancelIo() wakes
// it, for a helper that will never answer.
class Helper64Thread : public QThread
{
    Q_OBJECT
public:
    Helper64Thread();
    ~Helper64Thread() override;

    bool isConnected() const;
    // Whether the last write was handed to the socket whole.
    bool writeResult() const;
    // Whether the last read ended with a whole message (false when the
    // helper went away or sent a malformed frame).
    bool readResult() const;
    QString reply() const;
    // Ends a read or write waiting on the channel, and every later one, at
    // once. Any thread may call it; the thread can then be stopped.
    void cancelIo();

signals:
    void doConnect(const QString &pipeId);
    void doRead();
    void doWrite(const QString &data);
    // The helper connected, or the channel could not be opened (then
    // isConnected() is false).
    void connectFinished();
    void readFinished();
    void writeFinished();

public slots:
    void onConnect(const QString &pipeId);
    void onRead();
    void onWrite(const QString &data);

protected:
    // The event loop, then the channel is closed on this thread, where it
    // lives.
    void run() override;

private:
    void endRead(bool ok, const QString &message);

    // Set and closed under m_mutex, for cancelIo().
    FileDescriptor m_listener;
    FileDescriptor m_channel;
    QByteArray m_received; // bytes of messages not yet asked for

    mutable QMutex m_mutex; // guards what the requesting threads read
    bool m_connected = false;
    bool m_written = false;
    bool m_readOk = false;
    bool m_canceled = false;
    QString m_reply;
};
