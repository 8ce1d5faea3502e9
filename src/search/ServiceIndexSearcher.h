#pragma once

#include "indexproto/IndexServiceClient.h"
#include "indexproto/ServiceState.h"
#include "search/IIndexSearcher.h"

#include <QMutex>
#include <QString>

#include <memory>

// The index service as the source of a search's candidates: each search
// asks the service over a connection of its own (so searches on several
// threads never share one), and what comes back is only what the asking
// user may list. Covers the volumes the service says it holds.
class ServiceIndexSearcher : public IIndexSearcher
{
public:
    // Asks the service at `socketPath` what it holds. Null when no trusted
    // service of this protocol version answers; `failure` and `why` then say
    // what went wrong.
    static std::unique_ptr<ServiceIndexSearcher> connect(const QString &socketPath,
                                                         IndexServiceClient::Failure *failure, QString *why);

    void search(FileSearchRequest &request, FileSearchResults &results) override;
    bool covers(const QString &path) const override;

    ServiceState state() const;
    // Why the last search could not be answered in full; empty when it was.
    QString lastError() const;

private:
    ServiceIndexSearcher(const QString &socketPath, const ServiceState &state);
    [[noreturn]] void fail(const QString &why);
    bool searchOnce(IndexServiceClient &client, FileSearchRequest &request, FileSearchResults &results);

    const QString m_socketPath;
    mutable QMutex m_mutex;
    ServiceState m_state;
    QString m_lastError;
};
