#include "search/ServiceIndexSearcher.h"

#include "base/FileSearchCancelException.h"
#include "indexproto/SearchQuery.h"
#include "platform/linux/NTFSUtils.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"

#include <QFile>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

const QString kModule = QStringLiteral("ServiceIndexSearcher");
// Turned away as busy, a search asks again soon (the search it waits for is
// usually one just canceled, as when the user types on), then less often.
constexpr int kBusyFirstWaitMs = 2;
constexpr int kBusyLongestWaitMs = 100;
constexpr qint64 kBusyGiveUpMs = 60000;
// Well inside the time the service lets a connection idle before it drops it.
constexpr qint64 kGreetedFreshMs = 10000;

SearchQuery queryOf(const FileSearchRequest &request)
{
    SearchQuery query;
    query.requestId = quint32(request.id);
    query.name = request.name;
    query.nameType = quint8(request.nameExpressionType);
    query.caseSensitive = request.nameCaseSensitive;
    query.includeSubfolders = request.includeSubfolders;
    query.filesOnly = request.minSize != -1 || request.maxSize != -1;
    for (const QString &path : request.includePaths)
        query.includePaths.append(QFile::encodeName(path));
    for (const QString &path : request.excludePaths)
        query.excludePaths.append(QFile::encodeName(path));
    return query;
}

} // namespace

ServiceIndexSearcher::ServiceIndexSearcher(const QString &socketPath, std::unique_ptr<IndexServiceClient> greeted)
    : m_socketPath(socketPath)
    , m_stateKnown(false)
    , m_greeted(std::move(greeted))
{
    m_greetedAge.start();
}

ServiceIndexSearcher::ServiceIndexSearcher(const QString &socketPath)
    : m_socketPath(socketPath)
    , m_available(false)
{
}

void ServiceIndexSearcher::setState(const ServiceState &state)
{
    QMutexLocker lock(&m_mutex);
    m_state = state;
    m_stateKnown = true;
}

void ServiceIndexSearcher::setAvailable(bool available)
{
    QMutexLocker lock(&m_mutex);
    m_available = available;
}

std::unique_ptr<ServiceIndexSearcher> ServiceIndexSearcher::connect(const QString &socketPath,
                                                                    IndexServiceClient::Failure *failure,
                                                                    QString *why)
{
    auto client = std::make_unique<IndexServiceClient>();
    if (!client->open(socketPath)) {
        *failure = client->failure();
        *why = client->errorText();
        return nullptr;
    }
    *failure = IndexServiceClient::None;
    return std::unique_ptr<ServiceIndexSearcher>(new ServiceIndexSearcher(socketPath, std::move(client)));
}

std::unique_ptr<IndexServiceClient> ServiceIndexSearcher::takeConnection()
{
    QMutexLocker lock(&m_mutex);
    if (m_greeted && m_greetedAge.elapsed() < kGreetedFreshMs)
        return std::move(m_greeted);
    m_greeted.reset();
    return std::make_unique<IndexServiceClient>();
}

void ServiceIndexSearcher::search(FileSearchRequest &request, FileSearchResults &results)
{
    quint64 objects = 0;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_available)
            return;
        for (const ServiceState::Volume &volume : qAsConst(m_state.volumes))
            objects += volume.objects;
    }
    // No search finds more than the index holds: room for that much spares
    // the copies of growing by doubling while the rows stream in.
    results.reserve(std::size_t(objects), std::size_t(objects));
    // Looking each name up for a copy to share was most of the work of
    // taking the stream in, which then ended well after the service's search.
    results.keepNamesUnshared();
    // A user's searches beyond the few the service runs at once are turned
    // away until one ends; those of one window or session simply ask again.
    const std::unique_ptr<IndexServiceClient> connection = takeConnection();
    IndexServiceClient &client = *connection;
    bool done = false;
    QElapsedTimer waiting;
    waiting.start();
    for (int pause = kBusyFirstWaitMs; !request.canceled; pause = std::min(2 * pause, kBusyLongestWaitMs)) {
        done = searchOnce(client, request, results);
        if (done || client.failure() != IndexServiceClient::Busy || waiting.elapsed() >= kBusyGiveUpMs)
            break;
        QThread::msleep(pause);
    }
    if (!done && (request.canceled || client.failure() == IndexServiceClient::Canceled))
        throw FileSearchCancelException(kModule, __LINE__, QStringLiteral("Request %1 canceled").arg(request.id));
    if (!done)
        fail(client.errorText());
    // Only folders named by the search are asked whether the index covers them.
    if (!request.includePaths.isEmpty())
        refreshState(client);
}

// Asked while the service was still loading, the list of volumes may have
// grown since: the walk must not repeat what the index answered.
void ServiceIndexSearcher::refreshState(IndexServiceClient &client) const
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_stateKnown && m_state.phase == ServiceState::Ready)
            return;
    }
    ServiceState now;
    if ((client.isOpen() || client.open(m_socketPath)) && client.state(&now)) {
        QMutexLocker lock(&m_mutex);
        m_state = now;
        m_stateKnown = true;
    }
}

bool ServiceIndexSearcher::searchOnce(IndexServiceClient &client, FileSearchRequest &request,
                                      FileSearchResults &results)
{
    if (!client.isOpen() && !client.open(m_socketPath))
        return false;
    quint64 count = 0;
    // The service sends the file system's bytes, which the results keep as
    // they are; only the terminators are added. Each message's entries are
    // added together: a lock of the pools and of the rows for every entry
    // cost more than the rest of taking it.
    std::string bytes;
    std::vector<std::pair<std::size_t, std::size_t>> starts; // of name and parent in `bytes`
    std::vector<unsigned char> folders;
    const auto take = [&](const char *text, int size) {
        const std::size_t start = bytes.size();
        bytes.append(text, std::size_t(size));
        bytes.push_back('\0');
        return start;
    };
    // A folder's files come one after another: an entry whose folder is the
    // one before's shares its copy, which the path pool then takes as a
    // repeat instead of hashing and looking it up again. The message says
    // so by the same view of its bytes.
    std::size_t lastParent = 0;
    int lastParentSize = -1;
    const char *lastParentView = nullptr;
    return client.search(
        queryOf(request),
        [&](const ResultBatch::Entry &entry) {
            const std::size_t name = take(entry.name, entry.nameSize);
            if (entry.parent != lastParentView) {
                lastParentView = entry.parent;
                if (entry.parentSize != lastParentSize
                    || std::memcmp(bytes.data() + lastParent, entry.parent, std::size_t(entry.parentSize)) != 0) {
                    lastParent = take(entry.parent, entry.parentSize);
                    lastParentSize = entry.parentSize;
                }
            }
            starts.emplace_back(name, lastParent);
            folders.push_back(entry.isFolder ? 1 : 0);
        },
        [&request] { return bool(request.canceled); }, &count,
        [&] {
            std::vector<const char *> names(starts.size());
            std::vector<const char *> parents(starts.size());
            for (std::size_t i = 0; i < starts.size(); ++i) {
                names[i] = bytes.data() + starts[i].first;
                parents[i] = bytes.data() + starts[i].second;
            }
            results.addBatch(names.data(), parents.data(), folders.data(), starts.size());
            bytes.clear();
            starts.clear();
            folders.clear();
            lastParentSize = -1;
            lastParentView = nullptr;
        });
}

bool ServiceIndexSearcher::covers(const QString &path) const
{
    const VolumeInfo volume = path.isEmpty() ? VolumeInfo() : volumeOfPath(path);
    state();
    QMutexLocker lock(&m_mutex);
    return m_available && volume.isValid() && m_state.covers(QFile::encodeName(volume.mountPoint));
}

void ServiceIndexSearcher::fail(const QString &why)
{
    {
        QMutexLocker lock(&m_mutex);
        m_lastError = why;
    }
    throw FileSearchException(kModule, __LINE__, why);
}

QString ServiceIndexSearcher::lastError() const
{
    QMutexLocker lock(&m_mutex);
    return m_lastError;
}

ServiceState ServiceIndexSearcher::state() const
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_stateKnown || !m_available)
            return m_state;
    }
    IndexServiceClient client;
    refreshState(client);
    QMutexLocker lock(&m_mutex);
    return m_state;
}
