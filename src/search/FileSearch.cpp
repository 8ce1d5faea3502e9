#include "search/FileSearch.h"

#include "base/FileSearchCancelException.h"
#include "base/Logger.h"
#include "content/ContentSearcher.h"
#include "content/ContentSearchWorker.h"
#include "content/Helper64.h"
#include "platform/linux/NTFSUtils.h"
#include "search/DiskSearcher.h"
#include "search/FileSearcherWorker.h"
#include "search/IIndexSearcher.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QThreadPool>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

namespace {

const char kComponent[] = "FileSearch";

// Plain files checked by one pool task: enough that a task's start and
// wake-up cost little beside its files, few enough that the threads end
// together.
constexpr int kRunLength = 64;
// Document tasks go ahead of the runs of plain files.
constexpr int kDocumentPriority = 1;

// Lends the calling pool thread to the pool's other tasks while it waits,
// and takes it back at the end, also when the check raises.
class LentThread
{
public:
    explicit LentThread(QThreadPool *pool)
        : m_pool(pool)
    {
        m_pool->releaseThread();
    }
    ~LentThread() { m_pool->reserveThread(); }
    LentThread(const LentThread &) = delete;
    LentThread &operator=(const LentThread &) = delete;

private:
    QThreadPool *m_pool;
};

// Counts a candidate as examined however its check ends.
class ProcessedGuard
{
public:
    explicit ProcessedGuard(std::atomic<int> &counter) : m_counter(counter) {}
    ~ProcessedGuard() { ++m_counter; }
    ProcessedGuard(const ProcessedGuard &) = delete;
    ProcessedGuard &operator=(const ProcessedGuard &) = delete;

private:
    std::atomic<int> &m_counter;
};

QDateTime startOfDay(const QDate &date)
{
    return QDateTime(date, QTime(0, 0), Qt::LocalTime);
}

} // namespace

FileSearch::FileSearch(IIndexSearcher *indexSearcher, const DiskSearcher *diskSearcher,
                       const ContentSearcher *contentSearcher, Helper64 *helper64,
                       std::shared_ptr<FileSearchRequest> request, std::shared_ptr<FileSearchResults> results)
    : m_helper64(helper64)
    , m_indexSearcher(indexSearcher)
    , m_diskSearcher(diskSearcher)
    , m_contentSearcher(contentSearcher)
    , m_requestShare(std::move(request))
    , m_resultsShare(std::move(results))
    , m_request(*m_requestShare)
    , m_results(*m_resultsShare)
{
    // Content checks mostly wait for the disk: one thread per core, as the
    // shared pool had, but this search's alone.
    m_checks.setMaxThreadCount(QThread::idealThreadCount());
}

// The owner deletes a started search only after ended(): the wait covers
// the last steps of its thread, not the search.
FileSearch::~FileSearch()
{
    if (m_thread)
        m_thread->wait();
}

void FileSearch::start()
{
    FileSearchResults &target = m_request.isNameOnly() ? m_results : m_candidates;
    FileSearcherWorker::startIn(m_thread, QStringLiteral("FIND"), [this, &target] { run(target); }, this,
                                &FileSearch::onCandidatesFound);
}

void FileSearch::runHere()
{
    FileSearchResults &target = m_request.isNameOnly() ? m_results : m_candidates;
    m_thread = std::make_unique<FileSearcherWorker>([this, &target] { run(target); });
    m_thread->runHere();
    onCandidatesFound();
}

void FileSearch::cancel()
{
    // Taken only for as long as one check adds its file.
    QMutexLocker lock(&m_mutex);
    m_request.canceled = true;
    m_checks.clear();
}

void FileSearch::progress(int &examined, int &total) const
{
    examined = m_processed;
    total = m_candidates.count();
}

QString FileSearch::failure() const
{
    if (!m_thread || !m_thread->failed())
        return QString();
    // The engine's exceptions read "File: <module>, line: <n>, <why>": a
    // person needs only the why.
    const QString text = m_thread->errorText();
    static const QRegularExpression origin(QStringLiteral("^File: [^,]*, line: \\d+, "));
    return QString(text).remove(origin);
}

void FileSearch::run(FileSearchResults &target)
{
    Logger::instance()->log(INFO, kComponent, QStringLiteral("File search started: %1").arg(m_request.describe()));
    try {
        QSet<QChar> indexedDrives;
        if (m_indexSearcher) {
            m_indexSearcher->search(m_request, target);
            for (const QString &path : m_request.includePaths) {
                if (m_indexSearcher->covers(path))
                    indexedDrives.insert(volumeOfPath(path).key);
            }
        }
        // The checks begin on what the index found and follow the walk.
        std::function<void()> found;
        if (!m_request.isNameOnly()) {
            startCheckPhase();
            found = [this] { queueNewCandidates(); };
        }
        m_diskSearcher->search(m_request, target, indexedDrives, found);
    } catch (const FileSearchCancelException &) {
        throw;
    } catch (const std::exception &e) {
        Logger::instance()->log(ERROR, kComponent, QString::fromUtf8(e.what()));
        throw;
    }
}

// Runs on the "FIND" thread once the candidate phase has ended.
void FileSearch::onCandidatesFound()
{
    if (m_thread && m_thread->failed()) {
        // Logged by the candidate phase; the owner still hears of the end.
        // Checks already queued read this object: they end first.
        m_checks.clear();
        m_checks.waitForDone(-1);
        emit finished(m_request.id);
        end();
        return;
    }
    if (!m_request.isNameOnly())
        endCheckPhase();
    // The owner of a canceled search has dropped it; its results are partial.
    if (!m_request.canceled) {
        m_results.compact();
        Logger::instance()->log(INFO, kComponent, QStringLiteral("File search finished: id=%1, %2 objects found")
                                                      .arg(m_request.id)
                                                      .arg(m_results.count()));
        emit finished(m_request.id);
    }
    end();
}

void FileSearch::end()
{
    m_ended = true;
    emit ended();
}

void FileSearch::startCheckPhase()
{
    // A helper that broke during an earlier search gets a new start here.
    if (m_helper64)
        m_helper64->restart();
    m_processed = 0;
    m_checking = true;
    queueNewCandidates();
}

void FileSearch::endCheckPhase()
{
    // A canceled index search ends the candidate phase before the checks began.
    if (!m_checking)
        startCheckPhase();
    // What the walk found last.
    queueNewCandidates();
    if (m_request.canceled) {
        // Logged as the worker logs a cancellation it catches.
        const FileSearchCancelException canceled(QString::fromLatin1(kComponent), __LINE__,
                                                 QStringLiteral("Request %1 canceled").arg(m_request.id));
        Logger::instance()->log(INFO, "FileSearcherWorker", QString::fromUtf8(canceled.what()));
    }
    // Queued checks read this object: they end before the thread does. Only
    // this search's own checks are waited for.
    m_checks.waitForDone(-1);
}

// Queues the checks of the candidates found since the last call, on the
// "FIND" thread. Nothing more is queued once the request is canceled.
void FileSearch::queueNewCandidates()
{
    if (m_request.canceled)
        return;
    const int folders = m_candidates.folderCount();
    // A folder has no contents to match: it is examined by being found.
    if (m_request.text.isEmpty())
        queueRuns(/*folders=*/true, m_queuedFolders, folders);
    else
        m_processed += folders - m_queuedFolders;
    m_queuedFolders = folders;
    const int files = m_candidates.fileCount();
    queueDocuments(m_queuedFiles, files);
    queueRuns(/*folders=*/false, m_queuedFiles, files);
    m_queuedFiles = files;
}

// Documents wait for a document task. The tasks running may all be busy
// with a document each: one more is started for each document found, up
// to one per core; one that finds nothing left to take ends at once.
void FileSearch::queueDocuments(int from, int to)
{
    if (m_request.text.isEmpty())
        return;
    QVector<int> found;
    int index = from;
    for (const FileSearchResults::FileItem &item : m_candidates.itemsBetween(/*folders=*/false, from, to)) {
        if (isDocument(item))
            found.append(index);
        ++index;
    }
    if (found.isEmpty())
        return;
    QMutexLocker lock(&m_documentsMutex);
    m_documents += found;
    const int wanted = std::min(m_documentTasks + int(found.size()), m_checks.maxThreadCount());
    for (; m_documentTasks < wanted; ++m_documentTasks)
        m_checks.start(new ContentSearchWorker([this] { checkDocuments(); }), kDocumentPriority);
}

void FileSearch::queueRuns(bool folders, int from, int to)
{
    for (int start = from; start < to; start += kRunLength) {
        const int end = std::min(to, start + kRunLength);
        m_checks.start(new ContentSearchWorker([this, folders, start, end] { checkRun(folders, start, end); }),
                       /*priority=*/0);
    }
}

// Documents are left to the document tasks. The run's candidates are taken
// under one look of the lock: the walk adds to them meanwhile, and a look
// per file contended with it at every file.
void FileSearch::checkRun(bool folders, int from, int to)
{
    for (const FileSearchResults::FileItem &item : m_candidates.itemsBetween(folders, from, to)) {
        if (m_request.canceled)
            return;
        if (!folders && isDocument(item))
            continue;
        checkLogged(item, folders);
    }
}

// Takes the waiting documents one after another; the task mostly waits for
// its converter (a program, or the one document helper). One conversion at
// a time keeps its pool thread: the plain files then leave a core to its
// converter, which the end of a search with many documents waits for. Any
// other conversion waits with its thread lent to the plain files.
void FileSearch::checkDocuments()
{
    for (;;) {
        int index;
        bool keepsThread;
        {
            QMutexLocker lock(&m_documentsMutex);
            if (m_request.canceled || m_nextDocument == m_documents.size()) {
                --m_documentTasks;
                return;
            }
            index = m_documents.at(m_nextDocument++);
            keepsThread = !m_conversionKeepsThread;
            m_conversionKeepsThread = true;
        }
        if (keepsThread) {
            const auto release = qScopeGuard([this] {
                QMutexLocker lock(&m_documentsMutex);
                m_conversionKeepsThread = false;
            });
            checkLogged(m_candidates.fileItem(index), /*isFolder=*/false);
        } else {
            const LentThread lent(&m_checks);
            checkLogged(m_candidates.fileItem(index), /*isFolder=*/false);
        }
    }
}

// A failure of one check is logged and the task goes on with the next; a
// cancellation ends the task.
void FileSearch::checkLogged(const FileSearchResults::FileItem &item, bool isFolder)
{
    try {
        checkCandidate(item, isFolder);
    } catch (const FileSearchCancelException &) {
        throw;
    } catch (const std::exception &e) {
        Logger::instance()->log(ERROR, kComponent, QString::fromUtf8(e.what()));
    }
}

// Whether a converter reads the file: only then is its text searched slowly
// enough to go to the document task.
bool FileSearch::isDocument(const FileSearchResults::FileItem &item) const
{
    return !m_request.text.isEmpty() && m_contentSearcher->convertsName(item.name);
}

void FileSearch::checkCandidate(const FileSearchResults::FileItem &item, bool isFolder)
{
    ProcessedGuard guard(m_processed);
    if (!isFolder && checkFileByContentsAlone(item))
        return;
    int matches = 0;
    const QString path = FileSearchResults::fullPath(item);
    if (!checkFile(path, isFolder, &matches))
        return;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    // An entry directly in "/" has the parent "/", not "".
    const QString parent = slash <= 0 ? QStringLiteral("/") : path.left(slash);
    QMutexLocker lock(&m_mutex);
    // cancel() promises that nothing is added after it returns.
    if (m_request.canceled)
        return;
    if (isFolder)
        m_results.addFolder(name, parent);
    else
        m_results.addFile(name, parent, matches);
}

// Most candidates are files that their contents alone decide. Their path
// stays in the file system's bytes from the walk to the results: turning it
// into text and back cost more than checking most files. False when the
// file needs the general check.
bool FileSearch::checkFileByContentsAlone(const FileSearchResults::FileItem &item)
{
    if (m_request.text.isEmpty() || sizeBound() || dateBound())
        return false;
    // A folder given with a final "/" is named without it in the results.
    const std::size_t folderLength = std::strlen(item.path);
    if (folderLength > 1 && item.path[folderLength - 1] == '/')
        return false;
    thread_local std::string path;
    FileSearchResults::fullNativePath(item, &path);
    int matches = 0;
    if (!m_contentSearcher->findNative(m_request, path.c_str(), m_request.countMatches ? &matches : nullptr))
        return true;
    QMutexLocker lock(&m_mutex);
    // cancel() promises that nothing is added after it returns.
    if (!m_request.canceled)
        m_results.addFile(item.name, item.path, matches);
    return true;
}

bool FileSearch::checkFile(const QString &path, bool isFolder, int *matches) const
{
    if (!m_request.text.isEmpty()) {
        if (isFolder)
            return false;
        if (!m_contentSearcher->find(m_request, path, m_request.countMatches ? matches : nullptr))
            return false;
    }
    const bool sizeBound = this->sizeBound();
    const bool dateBound = this->dateBound();
    if (!sizeBound && !dateBound)
        return true;
    const QFileInfo info(path);
    // A candidate deleted since it was found has no date or size to pass.
    if (!info.exists())
        return false;
    if (dateBound && !checkDates(info.lastModified()))
        return false;
    if (sizeBound && isFolder)
        return false;
    if (m_request.minSize != -1 && info.size() < m_request.minSize)
        return false;
    if (m_request.maxSize != -1 && info.size() > m_request.maxSize)
        return false;
    return true;
}

bool FileSearch::sizeBound() const
{
    return m_request.minSize != -1 || m_request.maxSize != -1;
}

bool FileSearch::dateBound() const
{
    return m_request.modifiedFrom.isValid() || m_request.modifiedTo.isValid();
}

// The whole day `modifiedTo` is included: the bound is the start of the next day.
bool FileSearch::checkDates(const QDateTime &modified) const
{
    if (m_request.modifiedFrom.isValid() && modified < startOfDay(m_request.modifiedFrom))
        return false;
    if (m_request.modifiedTo.isValid() && !(modified < startOfDay(m_request.modifiedTo.addDays(1))))
        return false;
    return true;
}
