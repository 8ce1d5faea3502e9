#include "search/IndexServiceWatcher.h"

#include "base/Logger.h"
#include "indexproto/IndexProtocol.h"
#include "indexproto/IndexServiceClient.h"
#include "search/FileSearcherWorker.h"

#include <QThread>

namespace {

const char kComponent[] = "IndexServiceWatcher";
// How often the stop flag is looked at while waiting for the service.
constexpr int kPollMs = 100;
// Between two attempts to reach a service that is away.
constexpr int kRetryMs = 1000;
// A question now and then keeps the connection from counting as idle and
// refreshes the object counts.
constexpr int kRefreshMs = 10000;

} // namespace

IndexServiceWatcher::IndexServiceWatcher(const QString &socketPath, QObject *parent)
    : QObject(parent)
    , m_socketPath(socketPath)
{
}

IndexServiceWatcher::~IndexServiceWatcher()
{
    m_stop = true;
    FileSearcherWorker::stopIn(m_thread, /*silently=*/true);
}

void IndexServiceWatcher::start()
{
    if (m_thread)
        return;
    m_thread = std::make_unique<FileSearcherWorker>([this] { run(); });
    m_thread->setObjectName(QStringLiteral("SERVICE"));
    m_thread->start();
}

bool IndexServiceWatcher::pause(int milliseconds) const
{
    for (int waited = 0; waited < milliseconds && !m_stop; waited += kPollMs)
        QThread::msleep(kPollMs);
    return !m_stop;
}

void IndexServiceWatcher::run()
{
    bool told = false;
    while (!m_stop) {
        IndexServiceClient client;
        ServiceState state;
        if (client.open(m_socketPath, kRetryMs) && client.state(&state)) {
            Logger::instance()->log(INFO, kComponent, QStringLiteral("Connected to the index service at %1")
                                                          .arg(m_socketPath));
            emit stateChanged(state);
            told = false;
            watch(client);
        }
        if (m_stop)
            break;
        if (!told) {
            Logger::instance()->log(WARNING, kComponent, QStringLiteral("The index service at %1 does not answer: %2")
                                                             .arg(m_socketPath, client.errorText()));
            emit unavailable(client.errorText(), client.failure() == IndexServiceClient::VersionMismatch);
            told = true;
        }
        pause(kRetryMs);
    }
}

// Hears the service's states until it goes away or the watcher stops.
void IndexServiceWatcher::watch(IndexServiceClient &client)
{
    int quiet = 0;
    QByteArray payload;
    while (!m_stop) {
        if (client.receive(&payload, kPollMs)) {
            quiet = 0;
            if (quint8(payload.at(0)) != IndexProtocol::State)
                continue;
            if (const std::optional<ServiceState> state = ServiceState::decode(payload.mid(1)))
                emit stateChanged(*state);
            continue;
        }
        if (client.failure() != IndexServiceClient::TimedOut)
            return;
        quiet += kPollMs;
        if (quiet >= kRefreshMs) {
            quiet = 0;
            if (!client.sendFrame(IndexProtocol::frame(IndexProtocol::StateRequest)))
                return;
        }
    }
}
