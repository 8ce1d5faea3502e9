#pragma once

#include "indexproto/FrameReader.h"
#include "indexproto/ServiceState.h"
#include "platform/linux/PeerCredentials.h"
#include "platform/linux/StreamServer.h"

#include <QMutex>

#include <map>
#include <memory>

class IndexService;
class SearchJob;

// What the service knows of each connected client, and how its messages
// are answered: the greeting and version check, searches (one at a time per
// connection, run on the service's search pool), cancellation, state
// requests and notifications, and root's rebuild and settings requests.
// Whatever a client sends that is not the protocol costs it its connection,
// with a warning in the log.
//
// The server's handler calls come on the socket thread; broadcast(),
// searchEnded() and cancelAll() may come from any thread.
class ClientSessions : public StreamServer::Handler
{
public:
    explicit ClientSessions(IndexService &service);
    ~ClientSessions() override;

    void connected(quint64 client, const PeerCredentials &peer) override;
    void received(quint64 client, const char *data, int size) override;
    void disconnected(quint64 client) override;
    void dropped(quint64 client, const QString &reason) override;

    // Sends `state` to every client that asked for notifications.
    void broadcast(const ServiceState &state);
    void searchEnded(quint64 client, const SearchJob *job);
    void cancelAll();

private:
    struct Session
    {
        PeerCredentials peer;
        FrameReader reader;
        bool greeted = false;
        bool subscribed = false;
        std::shared_ptr<SearchJob> search;
    };

    bool handle(quint64 client, Session &session, const QByteArray &payload);
    bool greet(quint64 client, const QByteArray &body);
    bool startSearch(quint64 client, Session &session, const QByteArray &body);
    bool cancelSearch(Session &session, const QByteArray &body);
    int searchesOf(uid_t uid) const;
    bool rootRequest(quint64 client, const Session &session, quint8 type, const QByteArray &body);
    // Logs why, says it to the client when `reply` is set, and closes.
    bool refuse(quint64 client, const QString &why, quint8 code = 0);

    IndexService &m_service;
    QMutex m_mutex;
    std::map<quint64, Session> m_sessions;
};
