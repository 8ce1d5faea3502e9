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

#include <cstring>
#include <unordered_map>

namespace {

const char kComponent[] = "SearchJob";
// A client may have this much waiting before the search waits for it to read.
constexpr qint64 kQueuedBeforeWaiting = 1 << 20;

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
    FileSearchResults results;
    try {
        m_service.searchIndex(m_request, results);
    } catch (const FileSearchCancelException &) {
        return;
    } catch (const std::exception &e) {
        Logger::instance()->log(ERROR, kComponent, QString::fromUtf8(e.what()));
        sendError(IndexProtocol::Failed, QStringLiteral("the index could not be searched"));
        return;
    }
    stream(results);
}

// Root lists everything; anyone else gets what the kernel, judging with
// that user's ids, groups and ACLs, would let that user list. The answers
// are kept per parent path: the result set holds each path once, so its
// pointer names it.
bool SearchJob::stream(const FileSearchResults &results)
{
    StreamServer &server = m_service.server();
    const bool judge = m_peer.uid != 0;
    std::unique_ptr<ThreadCredentials> asUser;
    if (judge && m_peer.uid != ThreadCredentials::fileSystemUser()) {
        asUser = std::make_unique<ThreadCredentials>(m_peer.uid, m_peer.gid, m_peer.groups);
        if (!asUser->isValid()) {
            Logger::instance()->log(ERROR, kComponent,
                                    QStringLiteral("Taking on user %1 failed, error = %2").arg(m_peer.uid).arg(errno));
            return sendError(IndexProtocol::Failed, QStringLiteral("the service cannot judge what this user may list"));
        }
    }
    FolderAccess access;
    std::unordered_map<const char *, bool> listable;
    ResultBatch batch(m_query.requestId);
    auto flush = [&] {
        return server.waitBelow(m_client, kQueuedBeforeWaiting, &m_request.canceled)
               && server.send(m_client, batch.takeFrame());
    };
    quint64 sent = 0;
    const int count = results.count();
    for (int row = 0; row < count; ++row) {
        const FileSearchResults::FileItem item = results.item(row);
        if (judge) {
            auto known = listable.find(item.path);
            if (known == listable.end())
                known = listable.emplace(item.path, access.canList(QByteArray(item.path))).first;
            if (!known->second)
                continue;
        }
        batch.add(results.isFolder(row), item.path, int(std::strlen(item.path)), item.name,
                  int(std::strlen(item.name)));
        ++sent;
        if (batch.full() && !flush())
            return false;
    }
    asUser.reset();
    if (!batch.isEmpty() && !flush())
        return false;
    return server.send(m_client, IndexProtocol::frame(IndexProtocol::Done, IndexProtocol::doneBody(m_query.requestId, sent)));
}
