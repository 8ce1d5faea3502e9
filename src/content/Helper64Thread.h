#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>

#include <memory>

class QLocalServer;
class QLocalSocket;

// The thread that owns the program's end of the channel to the document
// helper. It moves itself into its own thread, so its slots (driven by the
// do* signals, queued from the threads that make requests) run there; the
// outcome of each step is read through the accessors once its *Finished
// signal has arrived.
//
// The channel is a local socket in the user's runtime folder: onConnect
// listens and takes the first connection (the helper), then stops listening
// so that nothing else can join.
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
    // The event loop, then the socket and server are closed on this thread,
    // where they live.
    void run() override;

private slots:
    void onNewConnection();
    void onReadyRead();
    void onDisconnected();

private:
    void finishRead();
    void failRead(const QString &error);

    std::unique_ptr<QLocalServer> m_server;
    std::unique_ptr<QLocalSocket> m_socket;
    QByteArray m_received; // bytes of messages not yet asked for
    bool m_reading = false;

    mutable QMutex m_mutex; // guards what the requesting threads read
    bool m_connected = false;
    bool m_written = false;
    bool m_readOk = false;
    QString m_reply;
};
