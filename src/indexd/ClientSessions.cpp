#include "indexd/ClientSessions.h"

#include "base/Logger.h"
#include "indexd/IndexService.h"
#include "indexd/SearchJob.h"
#include "indexproto/IndexProtocol.h"
#include "indexproto/MessageReader.h"
#include "indexproto/SearchQuery.h"

namespace {

const char kComponent[] = "ClientSessions";
// Searches of one user (other than root) running or waiting at once: a user
// whose clients stop reading holds at most this many of the search threads
// (each until the write limit drops its client), never all of them.
constexpr int kSearchesPerUser = 2;

QByteArray errorFrame(quint32 requestId, IndexProtocol::ErrorCode code, const QString &message)
{
    return IndexProtocol::frame(IndexProtocol::Error, IndexProtocol::errorBody(requestId, code, message));
}

} // namespace

ClientSessions::ClientSessions(IndexService &service)
    : m_service(service)
{
}

ClientSessions::~ClientSessions() = default;

void ClientSessions::connected(quint64 client, const PeerCredentials &peer)
{
    QMutexLocker lock(&m_mutex);
    m_sessions[client].peer = peer;
}

void ClientSessions::received(quint64 client, const char *data, int size)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_sessions.find(client);
    if (it == m_sessions.end())
        return;
    Session &session = it->second;
    session.reader.append(data, size);
    QByteArray payload;
    for (;;) {
        const FrameReader::Status status = session.reader.next(&payload);
        if (status == FrameReader::NeedMore)
            return;
        if (status == FrameReader::Invalid) {
            refuse(client, QStringLiteral("sent a frame of no or more than %1 bytes").arg(IndexProtocol::kMaxFrameSize));
            return;
        }
        if (!handle(client, session, payload))
            return;
    }
}

bool ClientSessions::handle(quint64 client, Session &session, const QByteArray &payload)
{
    const quint8 type = quint8(payload.at(0));
    const QByteArray body = payload.mid(1);
    if (!session.greeted) {
        if (type != IndexProtocol::Hello)
            return refuse(client, QStringLiteral("did not begin with a greeting"));
        session.greeted = greet(client, body);
        return session.greeted;
    }
    switch (type) {
    case IndexProtocol::Search:
        return startSearch(client, session, body);
    case IndexProtocol::Cancel:
        return cancelSearch(session, body);
    case IndexProtocol::StateRequest:
        session.subscribed = true;
        m_service.server().send(client, IndexProtocol::frame(IndexProtocol::State, m_service.state().encode()));
        return true;
    case IndexProtocol::Rebuild:
    case IndexProtocol::SetSettings:
        return rootRequest(client, session, type, body);
    default:
        return refuse(client, QStringLiteral("sent a message of unknown type %1").arg(type), IndexProtocol::BadMessage);
    }
}

bool ClientSessions::greet(quint64 client, const QByteArray &body)
{
    MessageReader in(body);
    const quint32 magic = in.u32();
    const quint16 version = in.u16();
    if (!in.complete() || magic != IndexProtocol::kMagic)
        return refuse(client, QStringLiteral("did not greet as a client of the index service"));
    if (version != IndexProtocol::kVersion) {
        return refuse(client,
                      QStringLiteral("the index service speaks protocol version %1, the client version %2")
                          .arg(IndexProtocol::kVersion)
                          .arg(version),
                      IndexProtocol::VersionMismatch);
    }
    return m_service.server().send(client, IndexProtocol::frame(IndexProtocol::Welcome, IndexProtocol::helloBody()));
}

bool ClientSessions::startSearch(quint64 client, Session &session, const QByteArray &body)
{
    const std::optional<SearchQuery> query = SearchQuery::decode(body);
    if (!query)
        return refuse(client, QStringLiteral("sent a damaged search"), IndexProtocol::BadMessage);
    if (session.search) {
        m_service.server().send(client, errorFrame(query->requestId, IndexProtocol::Busy,
                                                   QStringLiteral("a search is running on this connection already")));
        return true;
    }
    if (session.peer.uid != 0 && searchesOf(session.peer.uid) >= kSearchesPerUser) {
        m_service.server().send(client, errorFrame(query->requestId, IndexProtocol::Busy,
                                                   QStringLiteral("this user has %1 searches running already")
                                                       .arg(kSearchesPerUser)));
        return true;
    }
    auto job = std::make_shared<SearchJob>(m_service, client, session.peer, *query);
    session.search = job;
    // Waiting for the index or for a free search thread is not idleness.
    m_service.server().setBusy(client, true);
    m_service.searchPool().start([this, client, job] {
        job->run();
        searchEnded(client, job.get());
    });
    return true;
}

int ClientSessions::searchesOf(uid_t uid) const
{
    int running = 0;
    for (const auto &entry : m_sessions)
        running += entry.second.peer.uid == uid && entry.second.search ? 1 : 0;
    return running;
}

bool ClientSessions::cancelSearch(Session &session, const QByteArray &body)
{
    MessageReader in(body);
    const quint32 requestId = in.u32();
    if (in.complete() && session.search && session.search->requestId() == requestId)
        session.search->cancel();
    return true;
}

bool ClientSessions::rootRequest(quint64 client, const Session &session, quint8 type, const QByteArray &body)
{
    if (session.peer.uid != 0) {
        m_service.server().send(client, errorFrame(0, IndexProtocol::NotPermitted,
                                                   QStringLiteral("only root may rebuild the index or change what it holds")));
        return true;
    }
    if (type == IndexProtocol::Rebuild) {
        m_service.requestRebuild();
    } else {
        const std::optional<IndexingSettings> settings = ServiceState::decodeSettings(body);
        if (!settings)
            return refuse(client, QStringLiteral("sent damaged settings"), IndexProtocol::BadMessage);
        if (!m_service.requestSettings(*settings)) {
            m_service.server().send(client, errorFrame(0, IndexProtocol::Failed,
                                                       QStringLiteral("the settings could not be stored")));
            return true;
        }
    }
    m_service.server().send(client, IndexProtocol::frame(IndexProtocol::Accepted));
    return true;
}

bool ClientSessions::refuse(quint64 client, const QString &why, quint8 code)
{
    const auto it = m_sessions.find(client);
    const PeerCredentials peer = it == m_sessions.end() ? PeerCredentials() : it->second.peer;
    Logger::instance()->log(WARNING, kComponent,
                            QStringLiteral("Client of user %1 (process %2) %3; dropped").arg(peer.uid).arg(peer.pid).arg(why));
    if (code != 0)
        m_service.server().send(client, errorFrame(0, IndexProtocol::ErrorCode(code), why));
    m_service.server().closeAfterSending(client);
    return false;
}

void ClientSessions::disconnected(quint64 client)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_sessions.find(client);
    if (it == m_sessions.end())
        return;
    // Closing is the other way to cancel.
    if (it->second.search)
        it->second.search->cancel();
    m_sessions.erase(it);
}

void ClientSessions::dropped(quint64 client, const QString &reason)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_sessions.find(client);
    const PeerCredentials peer = it == m_sessions.end() ? PeerCredentials() : it->second.peer;
    if (client == 0)
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("Connection refused: %1").arg(reason));
    else
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("Client of user %1 (process %2) %3; dropped")
                                                         .arg(peer.uid).arg(peer.pid).arg(reason));
}

void ClientSessions::searchEnded(quint64 client, const SearchJob *job)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_sessions.find(client);
    if (it == m_sessions.end() || it->second.search.get() != job)
        return;
    it->second.search.reset();
    m_service.server().setBusy(client, false);
}

void ClientSessions::broadcast(const ServiceState &state)
{
    const QByteArray frame = IndexProtocol::frame(IndexProtocol::State, state.encode());
    QMutexLocker lock(&m_mutex);
    for (const auto &entry : m_sessions) {
        if (entry.second.subscribed)
            m_service.server().send(entry.first, frame);
    }
}

void ClientSessions::cancelAll()
{
    QMutexLocker lock(&m_mutex);
    for (auto &entry : m_sessions) {
        if (entry.second.search)
            entry.second.search->cancel();
    }
}
