#include "platform/linux/StreamServer.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr quint64 kListenerId = 0;
constexpr quint64 kWakeId = 1;
constexpr int kReadChunk = 65536;
// A client's reads per turn of the loop, so one fast writer cannot starve the others.
constexpr int kReadsPerTurn = 4;
constexpr int kTickMs = 250;

qint64 now()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

int epollControl(int epoll, int op, int fd, quint32 events, quint64 id)
{
    epoll_event event{};
    event.events = events;
    event.data.u64 = id;
    return ::epoll_ctl(epoll, op, fd, &event);
}

} // namespace

struct StreamServer::Client
{
    FileDescriptor fd;
    QByteArray out;
    int outStart = 0;
    qint64 lastActivity = 0;
    qint64 lastWrite = 0;
    bool busy = false;
    bool closing = false;
    bool watchingOutput = false;
    QString dropReason; // set when a limit was broken

    qint64 queued() const { return out.size() - outStart; }
};

StreamServer::StreamServer(const Limits &limits, Handler *handler)
    : m_limits(limits)
    , m_handler(handler)
    , m_epoll(::epoll_create1(EPOLL_CLOEXEC))
    , m_wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    if (m_epoll.isValid() && m_wake.isValid())
        epollControl(m_epoll.get(), EPOLL_CTL_ADD, m_wake.get(), EPOLLIN, kWakeId);
}

StreamServer::~StreamServer()
{
    if (!m_path.isEmpty())
        ::unlink(QFile::encodeName(m_path).constData());
}

bool StreamServer::listen(const QString &path)
{
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (!m_epoll.isValid() || !m_wake.isValid() || bytes.isEmpty()
        || std::size_t(bytes.size()) >= sizeof address.sun_path) {
        errno = m_epoll.isValid() && m_wake.isValid() ? ENAMETOOLONG : errno;
        return false;
    }
    std::memcpy(address.sun_path, bytes.constData(), std::size_t(bytes.size()));
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.isValid())
        return false;
    ::unlink(address.sun_path);
    // Every local user may ask; what each one is told is decided per request.
    if (::bind(fd.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::chmod(address.sun_path, 0666) != 0 || ::listen(fd.get(), 128) != 0
        || epollControl(m_epoll.get(), EPOLL_CTL_ADD, fd.get(), EPOLLIN, kListenerId) != 0) {
        const int error = errno;
        ::unlink(address.sun_path);
        errno = error;
        return false;
    }
    m_listener = std::move(fd);
    m_path = path;
    return true;
}

void StreamServer::stop()
{
    m_stop = true;
    wake();
}

void StreamServer::wake()
{
    const quint64 one = 1;
    // A full counter already wakes the loop; nothing else can go wrong here.
    (void)!::write(m_wake.get(), &one, sizeof one);
}

void StreamServer::run()
{
    epoll_event events[64];
    qint64 lastTick = now();
    while (!m_stop) {
        const int n = ::epoll_wait(m_epoll.get(), events, 64, kTickMs);
        for (int i = 0; i < n; ++i) {
            const quint64 id = events[i].data.u64;
            if (id == kListenerId) {
                acceptAll();
            } else if (id == kWakeId) {
                quint64 count;
                (void)!::read(m_wake.get(), &count, sizeof count);
            } else if (events[i].events & (EPOLLIN | EPOLLHUP | EPOLLERR)) {
                readFrom(id);
            }
            if (id > kWakeId && (events[i].events & EPOLLOUT)) {
                QMutexLocker lock(&m_mutex);
                m_pending.insert(id);
            }
        }
        flushPending();
        if (now() - lastTick >= kTickMs) {
            lastTick = now();
            checkTimes();
        }
    }
    while (!m_clients.empty())
        drop(m_clients.begin()->first, QString());
}

void StreamServer::acceptAll()
{
    for (;;) {
        FileDescriptor fd(::accept4(m_listener.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (!fd.isValid()) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // EAGAIN: all taken; EMFILE and the like: try again next turn
        }
        if (clientCount() >= m_limits.maxClients) {
            m_handler->dropped(0, QStringLiteral("too many connections (%1)").arg(m_limits.maxClients));
            continue;
        }
        PeerCredentials peer;
        if (!readPeerIdentity(fd.get(), &peer)) {
            m_handler->dropped(0, QStringLiteral("peer identity unreadable, error = %1").arg(errno));
            continue;
        }
        const quint64 id = m_nextId++;
        auto client = std::make_unique<Client>();
        client->lastActivity = now();
        if (epollControl(m_epoll.get(), EPOLL_CTL_ADD, fd.get(), EPOLLIN | EPOLLRDHUP, id) != 0)
            continue;
        client->fd = std::move(fd);
        {
            QMutexLocker lock(&m_mutex);
            m_clients.emplace(id, std::move(client));
        }
        m_handler->connected(id, peer);
    }
}

void StreamServer::readFrom(quint64 id)
{
    char buffer[kReadChunk];
    for (int turn = 0; turn < kReadsPerTurn; ++turn) {
        int fd;
        {
            QMutexLocker lock(&m_mutex);
            const auto it = m_clients.find(id);
            if (it == m_clients.end())
                return;
            fd = it->second->fd.get();
            it->second->lastActivity = now();
        }
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (got <= 0) {
            drop(id, QString());
            return;
        }
        m_handler->received(id, buffer, int(got));
    }
}

bool StreamServer::send(quint64 id, const QByteArray &bytes)
{
    bool overflow = false;
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_clients.find(id);
        if (it == m_clients.end() || it->second->closing)
            return false;
        Client &client = *it->second;
        if (client.queued() == 0)
            client.lastWrite = now();
        if (client.queued() + bytes.size() > m_limits.maxOutputBytes) {
            overflow = true;
            client.closing = true;
            client.dropReason = QStringLiteral("passed its output cap of %1 bytes").arg(m_limits.maxOutputBytes);
            client.out.clear();
            client.outStart = 0;
        } else {
            client.out.append(bytes);
            // Mostly the socket takes it all at once, and the server's
            // thread need not be woken for it; what is left, or a broken
            // socket, is that thread's to handle.
            if (!client.watchingOutput && sendQueued(client) && client.queued() == 0) {
                client.out.clear();
                client.outStart = 0;
                m_drained.wakeAll();
                return true;
            }
        }
        m_pending.insert(id);
    }
    wake();
    return !overflow;
}

void StreamServer::closeAfterSending(quint64 id)
{
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_clients.find(id);
        if (it == m_clients.end())
            return;
        it->second->closing = true;
        m_pending.insert(id);
    }
    wake();
}

void StreamServer::setBusy(quint64 id, bool busy)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_clients.find(id);
    if (it != m_clients.end()) {
        it->second->busy = busy;
        it->second->lastActivity = now();
    }
}

int StreamServer::clientCount() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_clients.size());
}

bool StreamServer::waitBelow(quint64 id, qint64 level, const std::atomic<bool> *canceled)
{
    QMutexLocker lock(&m_mutex);
    for (;;) {
        const auto it = m_clients.find(id);
        if (it == m_clients.end() || it->second->closing || (canceled && *canceled))
            return false;
        if (it->second->queued() <= level)
            return true;
        m_drained.wait(&m_mutex, kTickMs);
    }
}

void StreamServer::watchOutput(quint64 id, Client &client, bool on)
{
    if (client.watchingOutput == on)
        return;
    client.watchingOutput = on;
    epollControl(m_epoll.get(), EPOLL_CTL_MOD, client.fd.get(), quint32(EPOLLIN | EPOLLRDHUP) | (on ? quint32(EPOLLOUT) : 0u), id);
}

// Under m_mutex: sends what the socket takes without waiting. False when
// the socket broke.
bool StreamServer::sendQueued(Client &client)
{
    while (client.queued() > 0) {
        const ssize_t sent = ::send(client.fd.get(), client.out.constData() + client.outStart,
                                    std::size_t(client.queued()), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (sent <= 0)
            return false;
        client.outStart += int(sent);
        client.lastWrite = now();
        client.lastActivity = client.lastWrite;
    }
    return true;
}

// Under m_mutex. False when the client must go (its socket broke, or it
// is closing and everything is out).
bool StreamServer::flush(quint64 id, Client &client)
{
    if (!sendQueued(client))
        return false;
    if (client.queued() == 0) {
        client.out.clear();
        client.outStart = 0;
    } else if (client.outStart > client.out.size() / 2) {
        client.out.remove(0, client.outStart);
        client.outStart = 0;
    }
    watchOutput(id, client, client.queued() > 0);
    return !(client.closing && client.queued() == 0);
}

void StreamServer::flushPending()
{
    std::map<quint64, QString> gone;
    {
        QMutexLocker lock(&m_mutex);
        for (quint64 id : m_pending) {
            const auto it = m_clients.find(id);
            if (it != m_clients.end() && !flush(id, *it->second))
                gone[id] = it->second->dropReason;
        }
        m_pending.clear();
        m_drained.wakeAll();
    }
    for (const auto &entry : gone)
        drop(entry.first, entry.second);
}

void StreamServer::checkTimes()
{
    std::map<quint64, QString> late;
    {
        QMutexLocker lock(&m_mutex);
        const qint64 t = now();
        for (const auto &entry : m_clients) {
            const Client &client = *entry.second;
            if (client.queued() > 0 && t - client.lastWrite > m_limits.writeMs)
                late[entry.first] = QStringLiteral("did not read its results for %1 ms").arg(m_limits.writeMs);
            else if (client.queued() == 0 && !client.busy && t - client.lastActivity > m_limits.idleMs)
                late[entry.first] = QStringLiteral("said nothing for %1 ms").arg(m_limits.idleMs);
        }
    }
    for (const auto &entry : late)
        drop(entry.first, entry.second);
}

void StreamServer::drop(quint64 id, const QString &reason)
{
    std::unique_ptr<Client> client;
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_clients.find(id);
        if (it == m_clients.end())
            return;
        client = std::move(it->second);
        m_clients.erase(it);
        m_pending.erase(id);
        m_drained.wakeAll();
    }
    ::epoll_ctl(m_epoll.get(), EPOLL_CTL_DEL, client->fd.get(), nullptr);
    client.reset();
    if (!reason.isEmpty())
        m_handler->dropped(id, reason);
    m_handler->disconnected(id);
}
