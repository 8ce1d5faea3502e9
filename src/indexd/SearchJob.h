#pragma once

#include "indexproto/SearchQuery.h"
#include "platform/linux/PeerCredentials.h"
#include "query/FileSearchRequest.h"

class FileSearchResults;
class IndexService;

// One client's search in the service: waits for the index, collects the
// matches from the index (copied out, so no lock of the index is held
// while the client reads), keeps only what the asking user could list,
// and streams them in batches as they are found, then the count. Canceled
// by the client's Cancel or by its going away.
class SearchJob
{
public:
    SearchJob(IndexService &service, quint64 client, const PeerCredentials &peer, const SearchQuery &query);

    void run();
    void cancel() { m_request.canceled = true; }
    quint32 requestId() const { return m_query.requestId; }

private:
    class SearchProgress;

    bool stream(const FileSearchResults &results, SearchProgress &progress);
    bool sendError(quint8 code, const QString &message);

    IndexService &m_service;
    const quint64 m_client;
    const PeerCredentials m_peer;
    const SearchQuery m_query;
    FileSearchRequest m_request;
    quint64 m_sent = 0;
};
