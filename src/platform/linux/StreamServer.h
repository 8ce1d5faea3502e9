#pragma once

#include "platform/linux/FileDescriptor.h"
#include "platform/linux/PeerCredentials.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QWaitCondition>

#include <atomic>
#include <map>
#include <memory>
#include <set>

// A local stream socket server on one thread: nonblocking sockets under
// epoll, so that no client can hold up another. Every client is bounded:
// its queued output (a client that stops reading is dropped when it passes
// the cap, or when nothing of it could be written for the write limit), its
// silence (dropped after the idle limit unless the handler marked it busy),
// and their number (connections beyond the cap are closed at once).
//
// run() is the loop; the handler's calls come on its thread. send(),
// waitBelow(), closeAfterSending(), setBusy() and stop() may be called from
// any thread: output is queued and written by the loop.
class StreamServer
{
public:
    struct Limits
    {
        int maxClients = 256;
        qint64 maxOutputBytes = 8 << 20;
        int idleMs = 60000;
        int writeMs = 15000;
    };

    class Handler
    {
    public:
        virtual ~Handler() = default;
        virtual void connected(quint64 client, const PeerCredentials &peer) = 0;
        virtual void received(quint64 client, const char *data, int size) = 0;
        // The client is gone (it closed, broke or was dropped); its id is
        // never used again.
        virtual void disconnected(quint64 client) = 0;
        // A client was refused or dropped for breaking a limit (0: before it
        // had an id); worth a warning in the log.
        virtual void dropped(quint64 client, const QString &reason) = 0;
    };

    StreamServer(const Limits &limits, Handler *handler);
    ~StreamServer();
    StreamServer(const StreamServer &) = delete;
    StreamServer &operator=(const StreamServer &) = delete;

    // Listens at `path` (a stale socket there is replaced), which every
    // local user may connect to (mode 0666). False with errno on failure.
    bool listen(const QString &path);
    void run();
    void stop();

    // Queues `bytes` for the client. False when the client is gone or is
    // being closed, or when this passes its output cap (it is dropped).
    bool send(quint64 client, const QByteArray &bytes);
    // Waits while more than `level` bytes are queued for the client; false
    // when it is gone, or when `canceled` became true.
    bool waitBelow(quint64 client, qint64 level, const std::atomic<bool> *canceled);
    // Writes what is queued, then closes.
    void closeAfterSending(quint64 client);
    void setBusy(quint64 client, bool busy);
    int clientCount() const;

private:
    struct Client;

    void wake();
    void acceptAll();
    void readFrom(quint64 id);
    void flushPending();
    bool flush(quint64 id, Client &client);
    bool sendQueued(Client &client);
    void checkTimes();
    void drop(quint64 id, const QString &reason);
    void watchOutput(quint64 id, Client &client, bool on);

    const Limits m_limits;
    Handler *m_handler;
    FileDescriptor m_listener;
    FileDescriptor m_epoll;
    FileDescriptor m_wake;
    QString m_path;
    std::atomic<bool> m_stop{false};
    quint64 m_nextId = 2;

    mutable QMutex m_mutex;
    QWaitCondition m_drained;
    std::map<quint64, std::unique_ptr<Client>> m_clients;
    std::set<quint64> m_pending; // output queued or close asked since the loop last looked
};
