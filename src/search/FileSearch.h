#pragma once

#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"

#include <QMutex>
#include <QObject>

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
// phase then examines every candidate on the global thread pool (contents,
// dates, sizes) and adds the accepted ones to the caller's results.
//
// Created, started, canceled and deleted on the UI thread. The request and
// the results belong to the caller and must outlive this object.
class FileSearch : public QObject
{
    Q_OBJECT
public:
    // `indexSearcher` may be null (no index), and so may `helper64`, the
    // document helper that a check phase restarts when it broke.
    FileSearch(IIndexSearcher *indexSearcher, const DiskSearcher *diskSearcher,
               const ContentSearcher *contentSearcher, Helper64 *helper64, FileSearchRequest &request,
               FileSearchResults &results);
    ~FileSearch() override;

    void start();
    bool isStarted() const { return m_thread != nullptr; }
    // Sets the request's cancel flag and waits for the candidate phase and
    // the running checks to end. Queued checks are dropped: this clears the
    // queue of the process-wide thread pool, so queued tasks of any other
    // user of that pool are dropped as well. A search canceled before its
    // check phase began never emits finished().
    void cancel();
    // Candidates examined so far and their number; both 0 for a name-only
    // request. A display figure only: it may lag behind.
    void progress(int &examined, int &total) const;

    // Whether `path`, a folder when `isFolder`, passes the checks of the
    // request other than its name and folders; `matches` receives the number
    // of content matches when the request counts them.
    bool checkFile(const QString &path, bool isFolder, int *matches) const;

signals:
    void finished(FileSearchRequest::Id requestId);

private slots:
    void onCandidatesFound();

private:
    void run(FileSearchResults &target);
    void checkCandidates();
    void queueCheck(const QString &path, bool isFolder);
    void checkCandidate(const QString &path, bool isFolder);
    bool checkDates(const QDateTime &modified) const;

    Helper64 *m_helper64;
    std::unique_ptr<FileSearcherWorker> m_thread;
    FileSearchResults m_candidates;
    std::atomic<int> m_processed{0};
    IIndexSearcher *m_indexSearcher;
    const DiskSearcher *m_diskSearcher;
    const ContentSearcher *m_contentSearcher;
    FileSearchRequest &m_request;
    FileSearchResults &m_results;
    QMutex m_mutex;
};
