#include "search/FileSearcher.h"

#include "base/Logger.h"
#include "content/ContentSearcher.h"
#include "content/Helper64.h"
#include "content/IFilter64Converter.h"
#include "content/IFilterConverter.h"
#include "search/DiskSearcher.h"
#include "indexproto/IndexProtocol.h"
#include "search/FileSearch.h"
#include "search/FileSearcherWorker.h"
#include "search/MatchesSearch.h"
#include "search/IIndexSearcher.h"
#include "search/IndexServiceLink.h"
#include "search/NTFSFileSearcher.h"
#include "search/ServiceIndexSearcher.h"

#include <limits>

#include <algorithm>

namespace {

const char kComponent[] = "FileSearcher";

} // namespace

FileSearcher::FileSearcher(const QString &tempFolder, int flags, std::unique_ptr<IIndexSearcher> indexService)
    : m_flags(flags)
    , m_indexService(std::move(indexService))
    , m_diskSearcher(std::make_unique<DiskSearcher>())
    , m_helper64(std::make_unique<Helper64>(tempFolder, Helper64::defaultProgram(), Helper64::StartOnFirstUse))
    , m_contentSearcher(std::make_unique<ContentSearcher>(tempFolder, std::make_unique<IFilterConverter>(),
                                                          std::make_unique<IFilter64Converter>(m_helper64.get())))
{
    if (m_flags & UseIndex) {
        m_indexSearcher = std::make_unique<NTFSFileSearcher>();
        connect(m_indexSearcher.get(), &NTFSFileSearcher::updateStarted, this, &FileSearcher::updateStarted);
        connect(m_indexSearcher.get(), &NTFSFileSearcher::updateFinished, this, &FileSearcher::updateFinished);
        connect(m_indexSearcher.get(), &NTFSFileSearcher::saveFailed, this, &FileSearcher::indexSaveFailed);
    } else if (m_flags & UseIndexService) {
        const QString socket = IndexProtocol::socketPath();
        auto service = std::make_unique<ServiceIndexSearcher>(socket);
        m_serviceSearcher = service.get();
        m_indexService = std::move(service);
        m_serviceLink = new IndexServiceLink(m_serviceSearcher, socket, this);
        connect(m_serviceLink, &IndexServiceLink::phaseChanged, this,
                [this](IndexServiceLink::Phase phase) { onServicePhaseChanged(phase); });
    }
}

// Shutting down during the first loading: cancel() does nothing before the
// index is ready, so the loading is stopped here, never destroyed running.
FileSearcher::~FileSearcher()
{
    cancel();
    m_matchSearches.forEach([](MatchesSearch *search) {
        search->disconnect();
        search->cancel();
    });
    m_matchSearches.takeAll();
    m_searches.takeAll();
    // Canceled searches still read the content searcher: their threads
    // end before it goes (the only wait for a search, at exit).
    m_retired.clear();
    m_helper64.reset();
    stopThread(m_updateThread, m_stopUpdate);
    stopThread(m_initThread, m_stopInit);
    m_contentSearcher.reset();
    m_diskSearcher.reset();
    m_indexSearcher.reset();
}

void FileSearcher::saveIndex()
{
    stopThread(m_updateThread, m_stopUpdate);
    stopThread(m_initThread, m_stopInit);
    if (m_indexSearcher)
        m_indexSearcher->saveIndex();
}

void FileSearcher::stopThread(std::unique_ptr<FileSearcherWorker> &thread, CancelFlag &stop)
{
    if (!thread)
        return;
    stop = true;
    thread->disconnect();
    thread->wait();
    thread.reset();
}

void FileSearcher::init(const IndexingSettings &indexingSettings, const ContentSearchSettings &contentSearchSettings)
{
    m_contentSearcher->setSettings(contentSearchSettings);
    if (m_serviceLink) {
        // Searches wait until the service tells its state (or that it is
        // away), which takes a moment at most.
        m_serviceLink->start();
        return;
    }
    if (!m_indexSearcher) {
        setState(1);
        m_initThread.reset();
        emit initFinished();
        return;
    }
    stopThread(m_initThread, m_stopInit);
    m_stopInit = false;
    NTFSFileSearcher *indexSearcher = m_indexSearcher.get();
    m_initThread = std::make_unique<FileSearcherWorker>(
        [this, indexSearcher, indexingSettings] { indexSearcher->init(&m_stopInit, indexingSettings); });
    m_initThread->setObjectName(QStringLiteral("INIT"));
    connect(m_initThread.get(), &QThread::finished, this, &FileSearcher::onInitFinished);
    m_initThread->start();
}

void FileSearcher::onInitFinished()
{
    setState(1);
    m_initThread.reset();
    emit initFinished();
}

// Searches and an update accepted before the index was ready begin now.
void FileSearcher::setState(int state)
{
    m_state = state;
    if (state != 1)
        return;
    if (m_updateThread && !m_updateThread->isRunning() && !m_updateThread->isFinished())
        m_updateThread->start();
    QMutexLocker lock(&m_mutex);
    m_searches.forEach([](FileSearch *search) {
        if (!search->isStarted())
            search->start();
    });
}

void FileSearcher::update()
{
    NTFSFileSearcher *indexSearcher = m_indexSearcher.get();
    startUpdate([this, indexSearcher] { indexSearcher->update(&m_stopUpdate); });
}

void FileSearcher::setContentSearchSettings(const ContentSearchSettings &contentSearchSettings)
{
    m_pendingContentSettings = contentSearchSettings;
    applyPendingContentSettings();
}

void FileSearcher::applyPendingContentSettings()
{
    if (!m_pendingContentSettings || !m_matchSearches.isEmpty() || !m_retired.empty())
        return;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_searches.isEmpty())
            return;
    }
    m_contentSearcher->setSettings(*m_pendingContentSettings);
    m_pendingContentSettings.reset();
}

void FileSearcher::update(const IndexingSettings &indexingSettings)
{
    NTFSFileSearcher *indexSearcher = m_indexSearcher.get();
    startUpdate([this, indexSearcher, indexingSettings] { indexSearcher->update(&m_stopUpdate, indexingSettings); });
}

void FileSearcher::startUpdate(std::function<void()> task)
{
    emit updateStarted();
    if (!m_indexSearcher) {
        // Nothing to update; the status still sees the update end.
        emit updateFinished();
        return;
    }
    stopThread(m_updateThread, m_stopUpdate);
    m_stopUpdate = false;
    m_updateThread = std::make_unique<FileSearcherWorker>(std::move(task));
    m_updateThread->setObjectName(QStringLiteral("UPDATE"));
    connect(m_updateThread.get(), &QThread::finished, this, &FileSearcher::onUpdateIndexingFinished);
    if (m_state == 1)
        m_updateThread->start();
}

void FileSearcher::onUpdateIndexingFinished()
{
    m_updateThread.reset();
    emit updateFinished();
}

void FileSearcher::find(std::shared_ptr<FileSearchRequest> request, std::shared_ptr<FileSearchResults> results,
                        FindMode mode)
{
    const FileSearchRequest::Id id = request->id;
    IIndexSearcher *candidates = m_indexSearcher ? static_cast<IIndexSearcher *>(m_indexSearcher.get())
                                                 : m_indexService.get();
    auto search = std::make_unique<FileSearch>(candidates, m_diskSearcher.get(), m_contentSearcher.get(),
                                               m_helper64.get(), std::move(request), std::move(results));
    // Queued also when the search ends on this thread: the search is not
    // let go of while it is still reporting.
    connect(search.get(), &FileSearch::finished, this, &FileSearcher::onFindFinished, Qt::QueuedConnection);
    std::unique_ptr<FileSearch> replaced;
    FileSearch *runHere = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        replaced = m_searches.take(id);
        FileSearch *started = m_searches.put(id, std::move(search), this);
        if (m_state == 1 && mode == CallingThread)
            runHere = started;
        else if (m_state == 1)
            started->start();
    }
    if (replaced)
        retire(std::move(replaced));
    if (runHere)
        runHere->runHere();
}

void FileSearcher::onFindFinished(FileSearchRequest::Id requestId)
{
    QString failure;
    {
        QMutexLocker lock(&m_mutex);
        // A notice queued before its search was canceled is stale.
        const std::unique_ptr<FileSearch> search = m_searches.take(requestId);
        if (!search)
            return;
        failure = search->failure();
    }
    applyPendingContentSettings();
    if (!failure.isEmpty())
        emit findIncomplete(requestId, failure);
    emit findFinished(requestId);
}

void FileSearcher::cancel(const FileSearchRequest &request)
{
    std::unique_ptr<FileSearch> search;
    {
        QMutexLocker lock(&m_mutex);
        search = m_searches.take(request.id);
        if (!search)
            return;
    }
    retire(std::move(search));
    applyPendingContentSettings();
}

void FileSearcher::retire(std::unique_ptr<FileSearch> search)
{
    search->disconnect(this);
    search->cancel();
    const quint64 ticket = ++m_nextTicket;
    connect(search.get(), &FileSearch::ended, this, [this, ticket] { onSearchEnded(ticket); });
    // Ended before the connection was made: nothing more will report it.
    if (!search->isStarted() || search->hasEnded())
        return;
    m_retired.emplace_back(ticket, std::move(search));
}

void FileSearcher::onSearchEnded(quint64 ticket)
{
    const auto it = std::find_if(m_retired.begin(), m_retired.end(),
                                 [ticket](const auto &retired) { return retired.first == ticket; });
    if (it == m_retired.end())
        return;
    m_retired.erase(it);
    applyPendingContentSettings();
}

void FileSearcher::findMatches(FileSearchRequest &request, const QString &filePath, ContentMatches *matches)
{
    auto search = std::make_unique<MatchesSearch>(m_contentSearcher.get(), request, filePath, matches);
    connect(search.get(), &MatchesSearch::finished, this, &FileSearcher::onFindMatchesFinished);
    m_matchSearches.put(request.id, std::move(search), this)->start();
}

void FileSearcher::onFindMatchesFinished(FileSearchRequest::Id requestId)
{
    if (!m_matchSearches.take(requestId))
        return;
    applyPendingContentSettings();
    emit findMatchesFinished(requestId);
}

void FileSearcher::cancelMatches(const FileSearchRequest &request)
{
    if (MatchesSearch *search = m_matchSearches.find(request.id))
        search->cancel();
}

void FileSearcher::progress(const FileSearchRequest &request, int &processed, int &total)
{
    QMutexLocker lock(&m_mutex);
    if (const FileSearch *search = m_searches.find(request.id))
        search->progress(processed, total);
}

bool FileSearcher::isSearching()
{
    QMutexLocker lock(&m_mutex);
    return !m_searches.isEmpty();
}

IndexingSettings FileSearcher::indexingSettings() const
{
    if (m_serviceSearcher)
        return m_serviceSearcher->state().settings;
    return m_indexSearcher ? m_indexSearcher->indexingSettings() : IndexingSettings();
}

void FileSearcher::objectCounts(QMap<QChar, int> &counts) const
{
    if (m_serviceSearcher) {
        if (m_serviceLink->phase() == IndexServiceLink::Unavailable)
            return;
        for (const ServiceState::Volume &volume : m_serviceSearcher->state().volumes)
            counts[volume.key] = int(qMin<quint64>(volume.objects, quint64(std::numeric_limits<int>::max())));
        return;
    }
    if (m_indexSearcher)
        m_indexSearcher->objectCounts(counts);
}

bool FileSearcher::isIndexServiceAvailable() const
{
    if (!m_serviceLink)
        return false;
    const IndexServiceLink::Phase phase = m_serviceLink->phase();
    return phase != IndexServiceLink::Unknown && phase != IndexServiceLink::Unavailable;
}

ServiceState FileSearcher::indexServiceState() const
{
    return m_serviceSearcher ? m_serviceSearcher->state() : ServiceState();
}

bool FileSearcher::isBusy() const
{
    if (m_serviceLink) {
        const IndexServiceLink::Phase phase = m_serviceLink->phase();
        return phase == IndexServiceLink::Loading || phase == IndexServiceLink::Updating;
    }
    return m_initThread || m_updateThread;
}

// The service's phases as the index's own would be told: searches asked
// before the first answer wait for it; the index label follows each change.
void FileSearcher::onServicePhaseChanged(int phase)
{
    switch (phase) {
    case IndexServiceLink::Loading:
        emit updateStarted();
        break;
    case IndexServiceLink::Updating:
        setState(1);
        emit updateStarted();
        break;
    case IndexServiceLink::Ready:
        setState(1);
        if (!m_serviceWasReady) {
            m_serviceWasReady = true;
            emit initFinished();
        }
        emit updateFinished();
        break;
    case IndexServiceLink::Unavailable:
        setState(1);
        emit indexServiceUnavailable(m_serviceLink->unavailableReason(), m_serviceLink->isOtherVersion());
        break;
    }
}

QList<IFilterInfo> FileSearcher::installedFilters()
{
    return IFilterConverter::enumerateInstalledFilters();
}

QList<IFilterInfo> FileSearcher::helper64Filters()
{
    return m_helper64->installedFilters();
}

void FileSearcher::cancel()
{
    if (m_state != 1)
        return;
    Logger::instance()->log(DEBUG, kComponent, "FileSearcher::cancel");
    stopThread(m_initThread, m_stopInit);
    stopThread(m_updateThread, m_stopUpdate);
    std::map<FileSearchRequest::Id, std::unique_ptr<FileSearch>> searches;
    {
        QMutexLocker lock(&m_mutex);
        searches = m_searches.takeAll();
    }
    for (auto &entry : searches)
        retire(std::move(entry.second));
    applyPendingContentSettings();
    m_state = 0;
}
