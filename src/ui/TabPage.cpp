#include "ui/TabPage.h"

#include "base/Settings.h"
#include "content/ContentMatches.h"
#include "query/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "ui/FileTable.h"
#include "ui/FileTableColumns.h"
#include "ui/FileTableView.h"
#include "ui/InstantToolBar.h"
#include "ui/PreviewTabWidget.h"
#include "ui/ResultsCsvExport.h"
#include "ui/SearchWindow.h"

#include <QEvent>
#include <QSplitter>
#include <QThreadPool>
#include <QVBoxLayout>

#include <utility>

namespace {

// Freeing a large result set takes milliseconds, which the next key's search
// spent on the UI thread: the reference is dropped on a pool thread, which
// frees the set when no one else holds it.
void releaseElsewhere(std::shared_ptr<FileSearchResults> results)
{
    if (results)
        QThreadPool::globalInstance()->start([results = std::move(results)]() mutable { results.reset(); });
}

} // namespace

TabPage::TabPage(QWidget *mainWindow, SearchWindow *panel, InstantToolBar *instantBar,
                 std::shared_ptr<FileSearcher> searcher, int id, QWidget *parent)
    : QWidget(parent)
    , m_id(id)
    , m_mainWindow(mainWindow)
    , m_panel(panel)
    , m_instantBar(instantBar)
    , m_searcher(std::move(searcher))
    , m_table(new FileTable(this))
    , m_preview(new PreviewTabWidget(this))
    , m_splitter(new QSplitter(Qt::Horizontal, this))
    , m_export(new ResultsCsvExport(this))
    , m_refreshTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("TabPage%1").arg(id));
    m_splitter->addWidget(m_table->widget());
    m_splitter->addWidget(m_preview);
    m_splitter->setChildrenCollapsible(true);
    // Room the window gains is shared by the table and the preview, and
    // neither side's contents may widen the window by themselves: it never
    // grows past the screen because a preview opened.
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);
    m_table->widget()->setMinimumWidth(kMinimumPaneWidth / 2);
    m_preview->setMinimumWidth(kMinimumPaneWidth / 2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
    setPreviewOpen(false);

    m_refreshTimer->setObjectName(QStringLiteral("refreshTimer"));
    m_refreshTimer->setInterval(kRefreshMilliseconds);
    m_buttonTimer.setObjectName(QStringLiteral("doneTimer"));
    m_buttonTimer.setInterval(kDoneMilliseconds);
    m_buttonTimer.setSingleShot(true);
    connect(m_refreshTimer, &QTimer::timeout, this, &TabPage::onRefreshTimer);
    m_firstRowsTimer.setObjectName(QStringLiteral("firstRowsTimer"));
    m_firstRowsTimer.setInterval(kFirstRowsMilliseconds);
    m_firstRowsTimer.setSingleShot(true);
    connect(&m_firstRowsTimer, &QTimer::timeout, this, &TabPage::onFirstRowsTimer);
    connect(&m_buttonTimer, &QTimer::timeout, this, [this] {
        m_showDone = false;
        updateTexts();
    });
    m_quietTimer.setObjectName(QStringLiteral("quietTimer"));
    m_quietTimer.setInterval(kTypedBusyMilliseconds);
    m_quietTimer.setSingleShot(true);
    connect(&m_quietTimer, &QTimer::timeout, this, [this] {
        if (m_state != Searching)
            return;
        if (m_active)
            m_panel->startProgress();
        updateTexts();
    });
    connect(m_splitter, &QSplitter::splitterMoved, this, &TabPage::onSplitterMoved);
    connect(m_table, &FileTable::fileSelected, this, &TabPage::onFileSelected);
    connect(m_table, &FileTable::sortEnded, this, [this] {
        if (std::exchange(m_selectAfterSort, false) && m_results && m_results->count() > 0 && hasRows())
            selectFirstRowAndOpenPreview();
    });
    connect(m_table, &FileTable::customizeFilters, this, &TabPage::customizeFilters);
}

TabPage::~TabPage()
{
    // The searcher keeps its share of the request and results until the
    // search's threads have ended; this returns at once.
    if (m_requestLive)
        m_searcher->cancel(*m_request);
    abandonMatches();
}

FileSearchRequest::Id TabPage::requestId() const
{
    return m_requestLive ? m_request->id : -1;
}

FileSearchRequest::Id TabPage::matchesRequestId() const
{
    return m_matchesPending ? m_matchesRequest->id : -1;
}

bool TabPage::hasSelection() const
{
    return m_table->view()->selectionModel() && m_table->view()->selectionModel()->hasSelection();
}

bool TabPage::hasRows() const
{
    return m_table->view()->model() && m_table->view()->model()->rowCount() > 0;
}

bool TabPage::isFilterBarVisible() const
{
    return m_table->isFilterBarVisible();
}

void TabPage::setFilterBarVisible(bool visible)
{
    m_table->setFilterBarVisible(visible);
}

bool TabPage::isPreviewOpen() const
{
    return m_splitter->sizes().value(1) > 0;
}

void TabPage::activate()
{
    if (m_active)
        return;
    m_active = true;
    m_panel->loadParameters(m_parameters);
    m_connections << connect(m_panel, &SearchWindow::findClicked, this, &TabPage::find)
                  << connect(m_panel, &SearchWindow::fileNameChanged, this, &TabPage::onFileNameChanged)
                  << connect(m_instantBar, &InstantToolBar::fileNameChanged, this, &TabPage::onFileNameChanged)
                  << connect(m_instantBar, &InstantToolBar::startSearch, this,
                             [this](FileSearchRequest *request, bool typed) { startSearch(request, typed); })
                  << connect(m_instantBar, &InstantToolBar::typingPaused, this, &TabPage::onTypingPaused);
    // Typing went on elsewhere, or has paused long since: the user is here now.
    m_typing = false;
    applyHeldSortOrder();
    if (showsBusy())
        m_panel->startProgress();
    else
        m_panel->stopProgress();
    updateTexts();
}

void TabPage::deactivate()
{
    if (!m_active)
        return;
    for (const QMetaObject::Connection &connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_parameters = m_panel->parameters();
    m_active = false;
}

void TabPage::find()
{
    if (m_state == Searching)
        cancel();
    else
        startSearch();
}

void TabPage::startSearch(FileSearchRequest *request, bool typed)
{
    std::unique_ptr<FileSearchRequest> taken(request);
    // A search that said it was busy and is replaced by the next key's goes
    // on saying so; replaced, not canceled, the status keeps its text until
    // the new search's own.
    const bool busyShown = showsBusy();
    if (m_state == Searching) {
        dropSearch();
        m_state = Idle;
    }
    abandonMatches();
    if (!taken) {
        taken = std::make_unique<FileSearchRequest>();
        m_panel->fillRequest(*taken);
    }
    m_panel->recordHistories();
    if (taken->includePaths.isEmpty() && !m_unindexedDefaultFolder.isEmpty())
        taken->includePaths.append(m_unindexedDefaultFolder);
    taken->countMatches = m_table->columns()->contains(FileSearchResults::Matches);

    auto results = std::make_shared<FileSearchResults>();
    const bool keepRows = typed && m_results && hasRows();
    if (keepRows && !m_shownResults) {
        m_shownRequest = m_request;
        m_shownResults = m_results;
    } else if (!keepRows) {
        // The table lets go of the old request and results before they go.
        m_table->setResults(taken.get(), results.get(), Settings::instance()->fileCategories());
        m_shownRequest.reset();
        releaseElsewhere(std::move(m_shownResults));
    }
    m_request = std::move(taken);
    releaseElsewhere(std::exchange(m_results, std::move(results)));
    m_requestLive = true;
    m_searcher->find(m_request, m_results);

    m_state = Searching;
    m_showDone = false;
    m_selectAfterSort = false;
    m_typing = typed;
    m_buttonTimer.stop();
    // Typed, most searches end before the next key: a status, a button and a
    // bar that said so at every key would flicker while the rows do not.
    if (typed && !busyShown)
        m_quietTimer.start();
    else
        m_quietTimer.stop();
    if (!keepRows) {
        setPreviewOpen(false);
        m_preview->clear();
    }
    m_clock.start();
    m_refreshTimer->start();
    if (typed)
        m_firstRowsTimer.start();
    if (m_active && showsBusy())
        m_panel->startProgress();
    updateTexts();

    m_title = m_request->name;
    emit tabTextChanged(m_id, m_title);
}

void TabPage::onRefreshTimer()
{
    if (m_state != Searching)
        return;
    showSearchRows();
    m_table->refresh();
    if (!m_request->isNameOnly()) {
        int done = 0;
        int total = 0;
        m_searcher->progress(*m_request, done, total);
        // The panel is shared: only the shown tab's search moves its bar.
        if (total > 0 && m_active)
            m_panel->updateProgress(done, total);
    }
    if (m_results->count() > 0 && hasRows())
        selectFirstRowAndOpenPreview();
}

// Until something arrives, the rows of the text before are better than none.
// No row is chosen yet: chosen now, it would be kept through the final sort
// and pull the view to wherever it lands, instead of the top of the list.
void TabPage::onFirstRowsTimer()
{
    if (m_state != Searching)
        return;
    if (m_results->count() == 0) {
        m_firstRowsTimer.start();
        return;
    }
    showSearchRows();
    m_table->refresh();
}

// The table takes the running search's rows in place of those it kept.
void TabPage::showSearchRows()
{
    if (!m_shownResults)
        return;
    // Kept alive until the table has let go of them; the tab says it shows
    // the search's rows as soon as the table does.
    const std::shared_ptr<FileSearchRequest> request = std::move(m_shownRequest);
    std::shared_ptr<FileSearchResults> results = std::move(m_shownResults);
    m_table->setResults(m_request.get(), m_results.get(), Settings::instance()->fileCategories());
    m_preview->clear();
    releaseElsewhere(std::move(results));
}

void TabPage::dropSearch()
{
    if (m_requestLive)
        m_searcher->cancel(*m_request);
    m_requestLive = false;
    m_refreshTimer->stop();
    m_firstRowsTimer.stop();
    m_quietTimer.stop();
    // Dropped before it showed anything: the tab is back to what is on show.
    if (m_shownResults) {
        m_request = std::move(m_shownRequest);
        releaseElsewhere(std::exchange(m_results, std::move(m_shownResults)));
    }
    if (m_active)
        m_panel->stopProgress();
}

void TabPage::cancel()
{
    // The request object stays: the table still shows what was found with it.
    dropSearch();
    m_state = Idle;
    setStatusText(QString());
    updateTexts();
}

void TabPage::clear()
{
    cancel();
    abandonMatches();
    m_table->clear();
    releaseElsewhere(std::move(m_results));
    m_request.reset();
    m_panel->clear();
    setPreviewOpen(false);
    m_preview->clear();
}

void TabPage::onFindFinished()
{
    if (!m_requestLive)
        return;
    m_requestLive = false;
    m_state = Finished;
    // Taken now: the sort below may ask first, and the user's answer is no
    // part of the search.
    m_foundSeconds = m_clock.elapsed() / 1000;
    // Ended before it said it was busy: nothing to say it is done either.
    const bool quiet = m_quietTimer.isActive();
    m_quietTimer.stop();
    m_refreshTimer->stop();
    m_firstRowsTimer.stop();
    showSearchRows();
    if (m_active)
        m_panel->stopProgress();
    m_table->refresh();
    if (m_typing)
        m_table->applySortOrderUnlessItAsks();
    else
        m_table->applySortOrder();
    // Row 0 of rows still being sorted elsewhere, or not yet sorted, would
    // be some other row once they are in order.
    if (m_results->count() > 0 && hasRows() && (m_table->isSorting() || m_table->isSortOrderHeld()))
        m_selectAfterSort = true;
    else if (m_results->count() > 0 && hasRows())
        selectFirstRowAndOpenPreview();
    else
        setPreviewOpen(false);
    m_showDone = !quiet;
    if (m_showDone)
        m_buttonTimer.start();
    m_foundIncomplete = !m_incompleteReason.isEmpty();
    m_incompleteReason.clear();
    setStatusText(foundText());
    updateTexts();
    emit searchEnded(m_id);
}

void TabPage::onTypingPaused()
{
    m_typing = false;
    applyHeldSortOrder();
}

// The held sort asks now. Declined, or sorted here at once, the first row is
// chosen now rather than when a sort elsewhere ends.
void TabPage::applyHeldSortOrder()
{
    if (m_state == Searching || !m_table->isSortOrderHeld())
        return;
    m_table->applyHeldSortOrder();
    if (!m_table->isSorting() && std::exchange(m_selectAfterSort, false) && m_results && m_results->count() > 0
        && hasRows())
        selectFirstRowAndOpenPreview();
}

// The user's row, once there is one, stays: arriving rows, the end of the
// search and its final order keep it.
void TabPage::selectFirstRowAndOpenPreview()
{
    FileTableView *view = m_table->view();
    if (!view->currentIndex().isValid() && !hasSelection())
        view->setCurrentIndex(view->model()->index(0, 0));
    if (!isPreviewOpen())
        setPreviewOpen(true);
}

// The table keeps the width the user last gave it, as long as the preview
// still gets a readable share; else the two halve the room.
void TabPage::setPreviewOpen(bool open)
{
    const int total = qMax(2, m_splitter->width());
    if (!open) {
        m_splitter->setSizes({total, 0});
        return;
    }
    Settings *settings = Settings::instance();
    int table = total / 2;
    if (settings->isSet(Settings::MainWindowLastLeftPaneWidth)) {
        const int stored = settings->value(Settings::MainWindowLastLeftPaneWidth).toInt();
        if (stored >= kMinimumPaneWidth && total - stored >= kMinimumPaneWidth)
            table = stored;
    }
    m_splitter->setSizes({table, total - table});
}

void TabPage::onSplitterMoved()
{
    const QList<int> sizes = m_splitter->sizes();
    if (sizes.value(1) > 0)
        Settings::instance()->setValue(Settings::MainWindowLastLeftPaneWidth, sizes.value(0));
}

void TabPage::onFileSelected(const QString &fileName)
{
    abandonMatches();
    if (!m_request || fileName.isEmpty())
        return;
    m_matchesRequest = std::make_unique<FileSearchRequest>(m_request->copyWithNewId());
    m_matches = std::make_unique<ContentMatches>();
    m_matchesPending = true;
    m_searcher->findMatches(*m_matchesRequest, fileName, m_matches.get());
}

void TabPage::abandonMatches()
{
    if (!m_matchesPending)
        return;
    m_matchesPending = false;
    m_searcher->cancelMatches(*m_matchesRequest);
    // The searcher still holds the canceled search, and with it the request
    // and the matches, until it reports that search's end or is destroyed
    // itself. They are kept alive that long by a keeper that belongs to the
    // searcher, so neither a new selection nor the end of this tab frees them
    // under it.
    auto *keeper = new QObject(m_searcher.get());
    std::shared_ptr<FileSearchRequest> request(std::move(m_matchesRequest));
    std::shared_ptr<ContentMatches> matches(std::move(m_matches));
    connect(m_searcher.get(), &FileSearcher::findMatchesFinished, keeper,
            [keeper, request, matches](FileSearchRequest::Id finished) {
                if (finished == request->id)
                    keeper->deleteLater();
            });
}

void TabPage::onFindMatchesFinished()
{
    if (!m_matchesPending)
        return;
    m_matchesPending = false;
    m_preview->showMatches(*m_matches);
}

void TabPage::onFileNameChanged(const QString &text)
{
    m_title = text;
    emit tabTextChanged(m_id, m_title);
}

void TabPage::setStatusText(const QString &text)
{
    if (text == m_statusText)
        return;
    m_statusText = text;
    emit statusTextChanged(m_id);
}

QString TabPage::foundText() const
{
    QString text = tr("Found: %1 objects in %2s").arg(m_results->count()).arg(m_foundSeconds);
    if (m_foundIncomplete)
        text += QLatin1Char(' ') + tr("(incomplete: the search could not look everywhere)");
    return text;
}

bool TabPage::showsBusy() const
{
    return m_state == Searching && !m_quietTimer.isActive();
}

void TabPage::updateTexts()
{
    if (showsBusy())
        setStatusText(tr("Searching..."));
    if (!m_active)
        return;
    if (showsBusy())
        m_panel->setFindButtonText(tr("Cancel"));
    else if (m_showDone)
        m_panel->setFindButtonText(tr("Done"));
    else
        m_panel->setFindButtonText(tr("Search"));
}

void TabPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The search's own duration, not the time since it began.
        if (m_state == Finished && m_results)
            setStatusText(foundText());
        updateTexts();
    }
    QWidget::changeEvent(event);
}

TabParameters TabPage::parameters()
{
    if (m_active)
        m_parameters = m_panel->parameters();
    return m_parameters;
}

void TabPage::setParameters(const TabParameters &parameters)
{
    m_parameters = parameters;
    if (m_active)
        m_panel->loadParameters(m_parameters);
    // A tab restored in the background is titled before it is first shown.
    onFileNameChanged(m_parameters.value(QStringLiteral("fileNameComboBox")));
}

void TabPage::exportResults(const QString &fileName)
{
    QStringList paths;
    const int count = m_results ? m_results->count() : 0;
    paths.reserve(count);
    for (int row = 0; row < count; ++row)
        paths.append(m_results->fullPath(row));
    m_export->start(paths, fileName);
}

void TabPage::copyName()
{
    m_table->view()->copySelectedNames();
}

void TabPage::copyFullName()
{
    m_table->view()->copySelectedFullNames();
}

void TabPage::copyPath()
{
    m_table->view()->copySelectedPaths();
}

void TabPage::cut()
{
    m_table->view()->cutSelected();
}

void TabPage::copy()
{
    m_table->view()->copySelected();
}

void TabPage::deleteSelected()
{
    m_table->view()->moveSelectedToTrash();
}

void TabPage::deletePermanently()
{
    m_table->view()->deleteSelected();
}

void TabPage::selectAll()
{
    m_table->view()->selectAll();
}
