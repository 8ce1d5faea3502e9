#pragma once

#include "base/ContentSearchSettings.h"
#include "base/IndexingSettings.h"
#include "base/IndexTypes.h"
#include "query/FileSearchRequest.h"
#include "search/IIndexSearcher.h"
#include "search/SearchTable.h"

#include <QChar>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class ContentSearcher;
class DiskSearcher;
class Helper64;
class FileSearch;
class FileSearchResults;
class FileSearcherWorker;
class IndexServiceLink;
class MatchesSearch;
class ServiceIndexSearcher;
struct ServiceState;
class NTFSFileSearcher;
struct ContentMatches;

// The one object through which a front end uses the search engine. It owns
// the index (when enabled), the content searcher and every running search;
// it loads the index on an "INIT" thread and updates it on an "UPDATE"
// thread, starts searches and match searches, cancels them, and reports
// their ends by signals on the thread it lives on (the UI thread).
//
// Every public function is called on that thread, and none of them waits
// for a search: a canceled search ends on its own threads, keeping its share
// of the request and the results until then. Match requests and records
// belong to the caller and must live until findMatchesFinished.
//
// Office documents are read by the helper program (talvenquist-helper)
// when it is installed beside this one; the searcher owns the client.
class FileSearcher : public QObject
{
    Q_OBJECT
public:
    // UseIndex: this process holds the index (root). UseIndexService: the
    // index service holds it; this searcher follows the service as it
    // loads, updates, goes away and comes back, and walks while it is away.
    enum Flag { UseIndex = 0x1, UseIndexService = 0x2 };

    // `tempFolder` receives converted documents; the caller creates it.
    // `indexService`, when given without UseIndex, supplies the candidates
    // from an index held elsewhere (the index service); this searcher then
    // loads, updates and saves no index of its own.
    FileSearcher(const QString &tempFolder, int flags, std::unique_ptr<IIndexSearcher> indexService = nullptr);
    ~FileSearcher() override;

    void init(const IndexingSettings &indexingSettings, const ContentSearchSettings &contentSearchSettings);
    // The content searcher's converter table may not change under a running
    // search: new settings take effect now when none runs, else when the
    // last file or match search ends.
    void setContentSearchSettings(const ContentSearchSettings &contentSearchSettings);
    // Builds every indexed volume again; waits for the first loading.
    void update();
    // Applies new indexing settings; waits for the first loading.
    void update(const IndexingSettings &indexingSettings);

    // OnThread: the search runs on a thread of its own and find() returns at
    // once. CallingThread: find() returns when the search has ended, for a
    // name query the index service answers whole (a command-line program
    // that has nothing else to do meanwhile); never for a walk or a content
    // search. Either way findFinished comes through the event loop.
    enum FindMode { OnThread, CallingThread };
    void find(std::shared_ptr<FileSearchRequest> request, std::shared_ptr<FileSearchResults> results,
              FindMode mode = OnThread);
    // Returns at once. No result is added by the check phase after it, and
    // findFinished is not emitted for the request.
    void cancel(const FileSearchRequest &request);
    void findMatches(FileSearchRequest &request, const QString &filePath, ContentMatches *matches);
    void cancelMatches(const FileSearchRequest &request);
    // Stops loading and updating the index and saves it now, so that a
    // caller learns of failures before it goes on; the destruction then
    // saves nothing more.
    void saveIndex();

    // Leaves both untouched when no search of this request runs.
    void progress(const FileSearchRequest &request, int &processed, int &total);
    bool isSearching();
    bool isBusy() const;
    bool isReady() const { return m_state == 1; }
    IndexingSettings indexingSettings() const;
    // UseIndexService: the service is followed, answers now, and what it
    // last told of itself.
    bool usesIndexService() const { return m_serviceLink != nullptr; }
    bool isIndexServiceAvailable() const;
    ServiceState indexServiceState() const;
    // Indexed objects per volume key; nothing is filled without an index.
    void objectCounts(QMap<QChar, int> &counts) const;

    // The document filters loadable in process (none on Linux) and those of
    // the helper program, for Settings::setInstalledFilters at start.
    static QList<IFilterInfo> installedFilters();
    QList<IFilterInfo> helper64Filters();

    // Stops the index work and every search; back to "not ready". Waits
    // for the index threads only.
    void cancel();

signals:
    void initFinished();
    void findFinished(FileSearchRequest::Id requestId);
    void findMatchesFinished(FileSearchRequest::Id requestId);
    void updateStarted();
    void updateFinished();
    // A volume's database could not be saved (at saveIndex() or on destruction).
    void indexSaveFailed(QChar drive, const QString &reason);
    // The index service does not answer (UseIndexService): searches walk
    // until it is back, which updateFinished() tells.
    void indexServiceUnavailable(const QString &why, bool otherVersion);
    // Emitted just before findFinished when the search could not look
    // everywhere it was asked to: its results are what it found until then.
    void findIncomplete(FileSearchRequest::Id requestId, const QString &why);

private slots:
    void onInitFinished();
    void onFindFinished(FileSearchRequest::Id requestId);
    void onFindMatchesFinished(FileSearchRequest::Id requestId);
    void onUpdateIndexingFinished();
    void onServicePhaseChanged(int phase);
    void onSearchEnded(quint64 ticket);

private:
    // Cancels the search and keeps it until its threads have ended (deletes
    // it at once when it never started or has ended already).
    void retire(std::unique_ptr<FileSearch> search);
    void setState(int state);
    void applyPendingContentSettings();
    void startUpdate(std::function<void()> task);
    static void stopThread(std::unique_ptr<FileSearcherWorker> &thread, CancelFlag &stop);

    int m_state = 0;
    int m_flags;
    CancelFlag m_stopInit{false};
    CancelFlag m_stopUpdate{false};
    std::unique_ptr<NTFSFileSearcher> m_indexSearcher;
    std::unique_ptr<IIndexSearcher> m_indexService;
    // With UseIndexService: the service's searcher (owned by m_indexService)
    // and what keeps it in step with the service.
    ServiceIndexSearcher *m_serviceSearcher = nullptr;
    IndexServiceLink *m_serviceLink = nullptr;
    bool m_serviceWasReady = false;
    std::unique_ptr<DiskSearcher> m_diskSearcher;
    std::unique_ptr<Helper64> m_helper64;
    std::unique_ptr<ContentSearcher> m_contentSearcher;
    std::unique_ptr<FileSearcherWorker> m_initThread;
    std::unique_ptr<FileSearcherWorker> m_updateThread;
    SearchTable<FileSearch> m_searches;
    // Canceled searches whose threads are still ending, by ticket; UI thread only.
    std::vector<std::pair<quint64, std::unique_ptr<FileSearch>>> m_retired;
    quint64 m_nextTicket = 0;
    SearchTable<MatchesSearch> m_matchSearches;
    QMutex m_mutex;
    std::optional<ContentSearchSettings> m_pendingContentSettings;
};
