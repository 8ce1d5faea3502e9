#pragma once

#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"

#include <QMutex>
#include <QObject>
#include <QThreadPool>
#include <QVector>

#include <atomic>
#include <memory>

class ContentSearcher;
class DiskSearcher;
class FileSearcherWorker;
class Helper64;
class IIndexSearcher;

// Carries out one request in two phases. The candidate phase runs on a
// "FIND" thread: the index search, then the walk of the requested folders
// the index does not cover. Unless the request is name-only, the check
// phase examines every candidate on a thread pool of its own (contents,
// dates, sizes) and adds the accepted ones to the caller's results. The
// checks start on the candidates found so far while the walk goes on, in
// runs of many files per pool task. Documents that a converter reads go to
// document tasks, one per core at most, queued ahead of the runs, so that
// the slow converters start early and work beside the plain files instead
// of after them. A converter is mostly another process (a converting
// program, the document helper): while more than one document task waits
// for one, the others' pool threads are lent to the plain files. The pool is per
// search so that canceling one search never drops or waits for the checks
// of another.
//
// Created, started, canceled and deleted on the UI thread. It holds a share
// of the caller's request and results, so a canceled search may go on
// ending on its threads after the caller let go of them; it is deleted only
// once ended() has been emitted (or when it never started).
class FileSearch : public QObject
{
    Q_OBJECT
public:
    // `indexSearcher` may be null (no index), and so may `helper64`, the
    // document helper that a check phase restarts when it broke.
    FileSearch(IIndexSearcher *indexSearcher, const DiskSearcher *diskSearcher,
               const ContentSearcher *contentSearcher, Helper64 *helper64,
               std::shared_ptr<FileSearchRequest> request, std::shared_ptr<FileSearchResults> results);
    ~FileSearch() override;

    void start();
    // start() on the calling thread: returns when the search has ended. Only
    // for a search whose candidates come at once, as a name query of the
    // index service does: the caller's thread waits for all of it.
    void runHere();
    bool isStarted() const { return m_thread != nullptr; }
    // True from just before ended() is emitted.
    bool hasEnded() const { return m_ended; }
    // Sets the request's cancel flag and drops this search's queued checks;
    // returns at once, without waiting for the threads. No result is added
    // after it returns. The threads end soon after and ended() follows; the
    // caller disconnects finished() first if it no longer wants it.
    void cancel();
    // Candidates examined so far and their number; both 0 for a name-only
    // request. A display figure only: it may lag behind.
    void progress(int &examined, int &total) const;
    // Why the candidate phase ended before it had looked everywhere (the
    // index could not answer, a folder walk failed); empty when it did not.
    // Valid once finished() has been emitted.
    QString failure() const;

    // Whether `path`, a folder when `isFolder`, passes the checks of the
    // request other than its name and folders; `matches` receives the number
    // of content matches when the request counts them.
    bool checkFile(const QString &path, bool isFolder, int *matches) const;
    bool checkFileByContentsAlone(const FileSearchResults::FileItem &item);
    // Whether the request bounds the size or the modification date.
    bool sizeBound() const;
    bool dateBound() const;

signals:
    void finished(FileSearchRequest::Id requestId);
    // Emitted last, on the search's own thread, whether the search finished,
    // failed or was canceled: nothing of this object runs any more but the
    // end of that thread, which its destructor waits for.
    void ended();

private slots:
    void onCandidatesFound();

private:
    void run(FileSearchResults &target);
    void startCheckPhase();
    void queueNewCandidates();
    void queueRuns(bool folders, int from, int to);
    void queueDocuments(int from, int to);
    void checkRun(bool folders, int from, int to);
    void checkDocuments();
    void checkLogged(const FileSearchResults::FileItem &item, bool isFolder);
    bool isDocument(const FileSearchResults::FileItem &item) const;
    void checkCandidate(const FileSearchResults::FileItem &item, bool isFolder);
    bool checkDates(const QDateTime &modified) const;
    void endCheckPhase();
    void end();

    Helper64 *m_helper64;
    std::unique_ptr<FileSearcherWorker> m_thread;
    FileSearchResults m_candidates;
    // Candidates whose checks are queued; used on the "FIND" thread only.
    int m_queuedFolders = 0;
    int m_queuedFiles = 0;
    bool m_checking = false;
    // File indexes of the documents found, the next one to check, and how
    // many document tasks run or are queued.
    QMutex m_documentsMutex;
    QVector<int> m_documents;
    int m_nextDocument = 0;
    int m_documentTasks = 0;
    // Whether a conversion runs on a pool thread it keeps (see checkDocuments).
    bool m_conversionKeepsThread = false;
    std::atomic<int> m_processed{0};
    std::atomic<bool> m_ended{false};
    IIndexSearcher *m_indexSearcher;
    const DiskSearcher *m_diskSearcher;
    const ContentSearcher *m_contentSearcher;
    std::shared_ptr<FileSearchRequest> m_requestShare;
    std::shared_ptr<FileSearchResults> m_resultsShare;
    FileSearchRequest &m_request;
    FileSearchResults &m_results;
    // Guards additions to the results against cancel().
    QMutex m_mutex;
    QThreadPool m_checks;
};
