#pragma once

#include "base/IndexingSettings.h"
#include "query/FileSearchRequest.h"

#include <QMainWindow>
#include <QStringList>
#include <QSystemTrayIcon>

#include <memory>
#include <optional>

class BackgroundTray;
class FileSearcher;
class IndexServiceAdmin;
class InstantToolBar;
class LanguageLoader;
class MainWindowActions;
class MainWindowLayout;
class PagesTabWidget;
class QDockWidget;
class QLabel;
class QProgressBar;
class QToolButton;
class SearchWindow;
class SessionEndWatcher;
class TabActionHandler;
class TabPage;

// The program's one window: search tabs over a shared search panel, the
// instant toolbar, a status bar with the index state, the tray icon, and
// everything kept across runs (layout, histories, open tabs). It owns the
// searcher and routes its completion signals to the tab that asked.
//
// The actions are made by MainWindowActions, the layout is stored by
// MainWindowLayout, the tray is BackgroundTray; this class wires them.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    enum IndexState { Disabled = 0, Ready = 1, Updating = 2, ServiceNotRunning = 3 };

    // `arguments` as the process got them: argument 0 is the program.
    // `searcherFlags` (FileSearcher::Flag): UseIndex, this process keeps an
    // index of the volumes (which needs root's rights); UseIndexService, the
    // index service keeps it; neither, searches walk folders.
    MainWindow(const QStringList &arguments, int searcherFlags, QWidget *parent = nullptr);
    // Saves everything (save()) and stops every search.
    ~MainWindow() override;

    void save();
    // "-path" and the folder menu's "Search with...": a new tab with
    // cleared criteria that searches that folder at once.
    void newSearchInFolder(const QString &folder);
    // The activation token of the start that asks for the window next.
    void setActivationToken(const QString &token);
    // Another start asked for the window: shown, in front, and as maximised
    // as it was.
    void bringToFront();
    // Loads a translation; an unknown code gives English.
    void loadLanguage(const QString &code);
    // The folder of the manual in the current language.
    static QString manualLanguageFolder(const QString &language);
    static QString tabsFilePath();
    // Writes the current tab's results; what the export dialog does on OK.
    void exportResultsTo(const QString &fileName);

    PagesTabWidget *tabWidget() const { return m_tabs; }
    TabPage *currentTab() const;
    TabPage *tabAt(int index) const;
    MainWindowActions *actions() const { return m_actions; }
    TabActionHandler *actionHandler() const { return m_actionHandler; }
    SearchWindow *searchPanel() const { return m_panel; }
    InstantToolBar *instantToolBar() const { return m_instantBar; }
    BackgroundTray *tray() const { return m_tray; }
    QString tabStatusText() const;
    QString indexText() const;
    std::shared_ptr<FileSearcher> searcher() const { return m_searcher; }

public slots:
    void onNewSearch();
    void onDuplicateSearch();
    void onCurrentPageChanged(int newIndex);
    void onExit();
    void onMinimize();
    void onExportResults();
    void onTabStatusTextChanged(int tabId);
    void onTabTextChanged(int tabId, const QString &text);
    void onTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void onTabClear();
    void onFindFinished(FileSearchRequest::Id requestId);
    void onFindMatchesFinished(FileSearchRequest::Id requestId);
    void onUpdateStarted();
    void onUpdateFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildWidgets();
    void buildStatusBar();
    void initialize();
    void restoreTabs();
    void connectActions();
    void connectViewActions();
    void connectSearcher();
    void retranslate();
    TabPage *addNewTab();
    int indexOfTab(int tabId) const;
    void updateActions();
    void onEscape();
    void syncInstantOptions();
    void openManual();
    void showAbout();
    // Opens the options dialog at `page` (an OptionsDialog::Page) and, when
    // it is accepted, makes the window and the searcher follow the new options.
    void showOptions(int page);
    // `before`: the indexing settings when the dialog opened; the index is
    // updated only when they changed.
    void applyOptions(const IndexingSettings &before);
    void updateIndex(const IndexingSettings &settings);
    void startPendingIndexUpdate();
    void restoreFromTray();
    void writeTabsFile();
    void setIndexState(IndexState state);
    void onIndexServiceUnavailable(const QString &why, bool otherVersion);
    void onIndexServiceBack();
    void followSearchAsYouType();
    void onExportProgress(int rows, int total);
    void onExportFinished(bool written, const QString &fileName, const QString &error);

    QStringList m_arguments;
    bool m_useIndex;
    bool m_useService;
    IndexServiceAdmin *m_serviceAdmin;
    std::shared_ptr<FileSearcher> m_searcher;
    LanguageLoader *m_language;
    BackgroundTray *m_tray;
    IndexState m_indexState = Disabled;
    QLabel *m_indexLabel;
    QLabel *m_tabStatusLabel;
    QProgressBar *m_exportProgress;
    QToolButton *m_newTabButton;
    SearchWindow *m_panel;
    QDockWidget *m_dock;
    InstantToolBar *m_instantBar;
    PagesTabWidget *m_tabs;
    MainWindowActions *m_actions;
    TabActionHandler *m_actionHandler;
    std::unique_ptr<MainWindowLayout> m_layout;
    SessionEndWatcher *m_sessionEnd;
    TabPage *m_activeTab = nullptr;
    int m_lastTabId = 0;
    QString m_activationToken;
    std::optional<IndexingSettings> m_pendingIndexing;
};
