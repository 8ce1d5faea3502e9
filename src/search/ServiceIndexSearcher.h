#pragma once

#include "indexproto/IndexServiceClient.h"
#include "indexproto/ServiceState.h"
#include "search/IIndexSearcher.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QString>

#include <memory>

// The index service as the source of a search's candidates: each search
// asks the service over a connection of its own (so searches on several
// threads never share one), and what comes back is only what the asking
// user may list. Covers the volumes the service says it holds, asked only
// when a search names folders (a search of everything needs no list).
class ServiceIndexSearcher : public IIndexSearcher
{
public:
    // Greets the service at `socketPath` and keeps the connection for the
    // first search. Null when no trusted service of this protocol version
    // answers; `failure` and `why` then say what went wrong.
    static std::unique_ptr<ServiceIndexSearcher> connect(const QString &socketPath,
                                                         IndexServiceClient::Failure *failure, QString *why);

    // A searcher that follows the service at `socketPath` through setState()
    // and setAvailable(), for a window that watches the service (starts as
    // unavailable: nothing covered, nothing found).
    explicit ServiceIndexSearcher(const QString &socketPath);

    // The state the service last told, and whether it answers at all. While
    // it does not, searches find nothing in the index and walk every folder.
    void setState(const ServiceState &state);
    void setAvailable(bool available);

    void search(FileSearchRequest &request, FileSearchResults &results) override;
    bool covers(const QString &path) const override;

    // Asked of the service on first use when it was not set.
    ServiceState state() const;
    // Why the last search could not be answered in full; empty when it was.
    QString lastError() const;

private:
    ServiceIndexSearcher(const QString &socketPath, std::unique_ptr<IndexServiceClient> greeted);
    [[noreturn]] void fail(const QString &why);
    std::unique_ptr<IndexServiceClient> takeConnection();
    bool searchOnce(IndexServiceClient &client, FileSearchRequest &request, FileSearchResults &results);
    // Takes the service's state over `client` (opened when it is not) when
    // none is known or the one known was taken while the index loaded.
    void refreshState(IndexServiceClient &client) const;

    const QString m_socketPath;
    mutable QMutex m_mutex;
    mutable ServiceState m_state;
    mutable bool m_stateKnown = true;
    bool m_available = true;
    QString m_lastError;
    // The connection connect() greeted, until a search takes it while the
    // service still keeps it open.
    std::unique_ptr<IndexServiceClient> m_greeted;
    QElapsedTimer m_greetedAge;
};
