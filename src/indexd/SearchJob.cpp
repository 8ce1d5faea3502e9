#include "indexd/SearchJob.h"

#include "base/FileSearchCancelException.h"
#include "base/Logger.h"
#include "indexd/IndexService.h"
#include "indexproto/IndexProtocol.h"
#include "indexproto/ResultBatch.h"
#include "platform/linux/FolderAccess.h"
#include "platform/linux/ThreadCredentials.h"
#include "query/ExpressionValidator.h"
#include "query/FileSearchResults.h"

#include <QFile>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <cstring>
#include <thread>
#include <unordered_map>

namespace {

const char kComponent[] = "SearchJob";
// A client may have this much waiting before the search waits for it to read.
constexpr qint64 kQueuedBeforeWaiting = 1 << 20;
// How often the matches found so far are looked at while the index is searched.
constexpr int kPollMs = 2;

} // namespace

// The end of the index search, which the stream waits for between looks at
// the matches: a search that ends between two looks is answered at once, not
// at the next look.
class SearchJob::SearchProgress
{
public:
    void end()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_ended = true;
        }
        m_changed.notify_all();
    }
    bool ended()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_ended;
    }
    void waitFor(std::chrono::milliseconds time)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait_for(lock, time, [this] { return m_ended; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_ended = false;
};

namespace {

QStringList decodePaths(const QList<QByteArray> &paths)
{
    QStringList text;
    for (const QByteArray &path : paths)
        text.append(QFile::decodeName(path));
    return text;
}

} // namespace

SearchJob::SearchJob(IndexService &service, quint64 client, const PeerCredentials &peer, const SearchQuery &query)
    : m_service(service)
    , m_client(client)
    , m_peer(peer)
    , m_query(query)
{
    m_request.name = query.name;
    m_request.nameExpressionType = query.nameType;
    m_request.nameCaseSensitive = query.caseSensitive;
    m_request.includeSubfolders = query.includeSubfolders;
    m_request.includePaths = decodePaths(query.includePaths);
    m_request.excludePaths = decodePaths(query.excludePaths);
    // The index leaves folders out of a search with a size bound.
    m_request.minSize = query.filesOnly ? 0 : -1;
}

bool SearchJob::sendError(quint8 code, const QString &message)
{
    return m_service.server().send(
        m_client, IndexProtocol::frame(IndexProtocol::Error,
                                       IndexProtocol::errorBody(m_query.requestId, IndexProtocol::ErrorCode(code), message)));
}

void SearchJob::run()
{
    const QString invalid = ExpressionValidator::errorFor(m_query.name, m_query.nameType);
    if (!invalid.isEmpty()) {
        sendError(IndexProtocol::InvalidExpression, invalid);
        return;
    }
    if (!m_service.waitReady(&m_request.canceled))
        return;
    // The index is searched on a thread of its own while what it has found
    // so far goes out: the first rows reach the client long before a search
    // with many matches ends. That thread never waits for the client, so the
    // index is not held while a slow client reads. It is started before
    // this thread takes on the user's credentials, which a new thread would
    // inherit.
    FileSearchResults results;
    results.keepNamesUnshared();
    SearchProgress progress;
    QString failure;
    std::thread searcher([&] {
        try {
            m_service.searchIndex(m_request, results);
        } catch (const FileSearchCancelException &) {
        } catch (const std::exception &e) {
            failure = QString::fromUtf8(e.what());
        }
        progress.end();
    });
    const bool streamed = stream(results, progress);
    if (!streamed)
        m_request.canceled = true;
    searcher.join();
    if (!failure.isEmpty()) {
        Logger::instance()->log(ERROR, kComponent, failure);
        sendError(IndexProtocol::Failed, QStringLiteral("the index could not be searched"));
        return;
    }
    if (streamed && !m_request.canceled)
        m_service.server().send(m_client, IndexProtocol::frame(IndexProtocol::Done,
                                                               IndexProtocol::doneBody(m_query.requestId, m_sent)));
}

// Root lists everything; anyone else gets what the kernel, judging with
// that user's ids, groups and ACLs, would let that user list. The answers
// are kept per parent path: the result set holds each path once, so its
// pointer names it. Folders and files are sent by their own indexes, which
// stay put while the search adds (row numbers do not). False when the
// client is gone or the search was canceled.
bool SearchJob::stream(const FileSearchResults &results, SearchProgress &progress)
{
    StreamServer &server = m_service.server();
    const bool judge = m_peer.uid != 0;
    std::unique_ptr<ThreadCredentials> asUser;
    if (judge && m_peer.uid != ThreadCredentials::fileSystemUser()) {
        asUser = std::make_unique<ThreadCredentials>(m_peer.uid, m_peer.gid, m_peer.groups);
        if (!asUser->isValid()) {
            Logger::instance()->log(ERROR, kComponent,
                                    QStringLiteral("Taking on user %1 failed, error = %2").arg(m_peer.uid).arg(errno));
            sendError(IndexProtocol::Failed, QStringLiteral("the service cannot judge what this user may list"));
            return false;
        }
    }
    FolderAccess access;
    std::unordered_map<const char *, bool> listable;
    ResultBatch batch(m_query.requestId);
    auto flush = [&] {
        return server.waitBelow(m_client, kQueuedBeforeWaiting, &m_request.canceled)
               && server.send(m_client, batch.takeFrame());
    };
    const char *lastPath = nullptr;
    int lastPathSize = 0;
    auto add = [&](bool folder, const FileSearchResults::FileItem &item) {
        if (judge) {
            auto known = listable.find(item.path);
            if (known == listable.end())
                known = listable.emplace(item.path, access.canList(QByteArray(item.path))).first;
            if (!known->second)
                return true;
        }
        // The matches of one folder share their path, and its length.
        if (item.path != lastPath) {
            lastPath = item.path;
            lastPathSize = int(std::strlen(item.path));
        }
        batch.add(folder, item.path, lastPathSize, item.name, int(std::strlen(item.name)));
        ++m_sent;
        return !batch.full() || flush();
    };
    std::size_t folders = 0;
    std::size_t files = 0;
    std::vector<FileSearchResults::FileItem> newFolders;
    std::vector<FileSearchResults::FileItem> newFiles;
    for (;;) {
        const bool ended = progress.ended();
        newFolders.clear();
        newFiles.clear();
        results.itemsSince(int(folders), int(files), &newFolders, &newFiles);
        folders += newFolders.size();
        files += newFiles.size();
        for (const FileSearchResults::FileItem &item : newFolders) {
            if (!add(/*folder=*/true, item))
                return false;
        }
        for (const FileSearchResults::FileItem &item : newFiles) {
            if (!add(/*folder=*/false, item))
                return false;
        }
        if (m_request.canceled)
            return false;
        // What there is goes out now, not when a batch is full.
        if (!batch.isEmpty() && !flush())
            return false;
        if (ended)
            return true;
        progress.waitFor(std::chrono::milliseconds(kPollMs));
    }
}
