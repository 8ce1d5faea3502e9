#pragma once

#include "query/FileSearchRequest.h"
#include "ui/TabsFile.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class FileSearchResults;
class FileSearcher;
class FileTable;
class InstantToolBar;
class PreviewTabWidget;
class QSplitter;
class ResultsCsvExport;
class SearchWindow;
struct ContentMatches;

// One search tab: turns the shared search panel (or the instant toolbar)
// into a request, runs it through the searcher, shows the growing and then
// final results in its table, previews the selected file, and exports the
// results. The panel and the instant toolbar are shared by every tab; only
// the shown tab (activate()) is connected to them.
//
// Owns its current request and result set, and the request and matches of
// its file preview. UI thread only.
class TabPage : public QWidget
{
    Q_OBJECT
public:
    enum TabState { Idle = 1, Searching = 2, Finished = 3 };

    static const int kRefreshMilliseconds = 2000;
    static const int kDoneMilliseconds = 500;
    // A typed search shows what it has found this soon, not at the first
    // refresh: the rows follow the keys.
    static const int kFirstRowsMilliseconds = 30;
    // A search typed key by key shows that it is busy only once it has run
    // this long.
    static const int kTypedBusyMilliseconds = 250;
    // Neither the table nor the preview is made narrower than this when the
    // preview opens at the width the user last chose.
    static const int kMinimumPaneWidth = 250;

    TabPage(QWidget *mainWindow, SearchWindow *panel, InstantToolBar *instantBar,
            std::shared_ptr<FileSearcher> searcher, int id, QWidget *parent = nullptr);
    ~TabPage() override;

    int id() const { return m_id; }
    // The running search's request id, or -1 when none runs.
    FileSearchRequest::Id requestId() const;
    // The pending preview's request id, or -1 when none is pending.
    FileSearchRequest::Id matchesRequestId() const;
    TabState state() const { return m_state; }
    // False while the table still shows the rows of the text before a
    // typed search (it has found nothing yet).
    bool showsSearchRows() const { return !m_shownResults; }
    bool isSearching() const { return m_state == Searching; }
    QString statusText() const { return m_statusText; }
    // The results of the tab's last search.
    const FileSearchResults *results() const { return m_results.get(); }
    QString title() const { return m_title; }
    bool hasSelection() const;
    bool hasRows() const;
    bool isFilterBarVisible() const;
    void setFilterBarVisible(bool visible);
    FileTable *table() const { return m_table; }
    PreviewTabWidget *preview() const { return m_preview; }
    // Whether the preview beside the table is open (has a share of the room).
    bool isPreviewOpen() const;

    // Without an index a search that names no folder would find nothing;
    // it searches this folder instead.
    void setUnindexedDefaultFolder(const QString &folder) { m_unindexedDefaultFolder = folder; }

    // Becoming the shown tab: takes over the panel and the instant toolbar.
    void activate();
    // No longer shown: lets go of them, keeping a copy of the panel.
    void deactivate();
    bool isActive() const { return m_active; }

    // The panel's find button: cancels a running search, else starts one.
    void find();
    // Starts a search from the panel, or with `request` (taken over) from
    // the instant toolbar. A `typed` search leaves the rows of the text
    // before on show until its own first rows arrive, so the table does not
    // empty and fill again at each key.
    void startSearch(FileSearchRequest *request = nullptr, bool typed = false);
    void cancel();
    void clear();
    void onFindFinished();
    // The search ending next could not look everywhere (the index service
    // went away): its status says so; the log has `why`.
    void setIncompleteReason(const QString &why) { m_incompleteReason = why; }
    void onFindMatchesFinished();

    // The panel's contents for this tab, refreshed from the panel when shown.
    TabParameters parameters();
    void setParameters(const TabParameters &parameters);

    // Writes the results as CSV; exporter() tells how far it got and when
    // the file is done.
    void exportResults(const QString &fileName);
    ResultsCsvExport *exporter() const { return m_export; }

    void cut();
    void copy();
    // Moves the selected files to the trash; deletePermanently() deletes
    // them after asking.
    void deleteSelected();
    void deletePermanently();
    void selectAll();
    void copyName();
    void copyFullName();
    void copyPath();

signals:
    void statusTextChanged(int tabId);
    // The search has ended and its rows have begun their final sort, if any:
    // the status may read as before, when the count is the same.
    void searchEnded(int tabId);
    void tabTextChanged(int tabId, const QString &text);
    void customizeFilters();

protected:
    void changeEvent(QEvent *event) override;

private:
    void onRefreshTimer();
    void onFirstRowsTimer();
    void onTypingPaused();
    void applyHeldSortOrder();
    void showSearchRows();
    void onFileSelected(const QString &fileName);
    void onFileNameChanged(const QString &text);
    void dropSearch();
    void abandonMatches();
    void selectFirstRowAndOpenPreview();
    void setPreviewOpen(bool open);
    void onSplitterMoved();
    void setStatusText(const QString &text);
    QString foundText() const;
    bool showsBusy() const;
    void updateTexts();

    const int m_id;
    QWidget *m_mainWindow;
    SearchWindow *m_panel;
    InstantToolBar *m_instantBar;
    std::shared_ptr<FileSearcher> m_searcher;

    // Shared with the searcher, which keeps a canceled search's until its
    // threads have ended: canceling never waits for them.
    std::shared_ptr<FileSearchRequest> m_request;
    std::shared_ptr<FileSearchResults> m_results;
    bool m_requestLive = false;
    // What the table still shows while a typed search has no rows on show.
    std::shared_ptr<FileSearchRequest> m_shownRequest;
    std::shared_ptr<FileSearchResults> m_shownResults;
    std::unique_ptr<FileSearchRequest> m_matchesRequest;
    std::unique_ptr<ContentMatches> m_matches;
    bool m_matchesPending = false;

    FileTable *m_table;
    PreviewTabWidget *m_preview;
    QSplitter *m_splitter;
    ResultsCsvExport *m_export;

    TabState m_state = Idle;
    QString m_statusText;
    QString m_title;
    QElapsedTimer m_clock;
    qint64 m_foundSeconds = 0; // the duration of the last finished search
    bool m_foundIncomplete = false; // it could not look everywhere
    QTimer *m_refreshTimer;
    QTimer m_firstRowsTimer;
    QTimer m_buttonTimer;
    // Runs while a typed search has not yet shown that it is busy.
    QTimer m_quietTimer;
    bool m_showDone = false;
    // The first row is chosen once the final sort has put the rows in order.
    bool m_selectAfterSort = false;
    // The search was typed key by key, and typing has not paused since:
    // its sort does not ask (a question box would take the next keys) until
    // it does.
    bool m_typing = false;
    TabParameters m_parameters;
    QString m_unindexedDefaultFolder;
    QString m_incompleteReason;
    bool m_active = false;
    QList<QMetaObject::Connection> m_connections;
};
