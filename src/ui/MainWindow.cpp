#include "ui/MainWindow.h"

#include "base/DataPaths.h"
#include "base/Logger.h"
#include "base/Settings.h"
#include "content/ContentSearcher.h"
#include "search/FileSearcher.h"
#include "ui/AboutDialog.h"
#include "ui/AppDataFolders.h"
#include "ui/BackgroundTray.h"
#include "ui/DesktopIntegration.h"
#include "session/IndexServiceAdmin.h"
#include "ui/FileSearcherIndexControl.h"
#include "ui/FileTable.h"
#include "ui/FilterBar.h"
#include "ui/InstantToolBar.h"
#include "ui/LanguageLoader.h"
#include "ui/LayoutFence.h"
#include "ui/MainWindowActions.h"
#include "ui/MainWindowLayout.h"
#include "ui/OptionsDialog.h"
#include "ui/PagesTabWidget.h"
#include "ui/PreviewTabWidget.h"
#include "ui/ResultsCsvExport.h"
#include "ui/RichComboBox.h"
#include "ui/SearchWindow.h"
#include "ui/SessionEndWatcher.h"
#include "ui/ShellOpen.h"
#include "ui/TabActionHandler.h"
#include "ui/TabPage.h"
#include "ui/TabsFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>
#include <utility>

static const char kComponent[] = "MainWindow";
// How long the status bar says that an export is done.
static const int kExportMessageMs = 10000;

static Logger *logger()
{
    return Logger::instance();
}

MainWindow::MainWindow(const QStringList &arguments, int searcherFlags, QWidget *parent)
    : QMainWindow(parent)
    , m_arguments(arguments)
    , m_useIndex(searcherFlags & FileSearcher::UseIndex)
    , m_useService(searcherFlags & FileSearcher::UseIndexService)
{
    logger()->log(DEBUG, kComponent, "MainWindow::MainWindow");
    Settings::instance();
    m_language = new LanguageLoader(this);

    const QString tempFolder = ContentSearcher::temporaryFolder();
    m_searcher = std::make_shared<FileSearcher>(QDir::toNativeSeparators(tempFolder), searcherFlags);
    m_serviceAdmin = new IndexServiceAdmin(this);
    m_serviceAdmin->setObjectName(QStringLiteral("indexServiceAdmin"));
    connect(m_serviceAdmin, &IndexServiceAdmin::finished, this, [this](bool ok, const QString &why) {
        statusBar()->showMessage(ok ? tr("The index service took the change.") : why, 15000);
    });

    buildWidgets();
    initialize();
    connectActions();
    connectSearcher();
    m_sessionEnd = new SessionEndWatcher(this);
    connect(m_sessionEnd, &SessionEndWatcher::endRequested, this, &MainWindow::onExit);
    retranslate();
}

MainWindow::~MainWindow()
{
    logger()->log(DEBUG, kComponent, "~MainWindow");
    m_searcher->disconnect(this);
    m_tabs->disconnect(this);
    m_searcher->cancel();
    save();
    // The tabs hand their requests back to the searcher before it goes,
    // and the searcher's end saves the index.
    m_activeTab = nullptr;
    while (m_tabs->count() > 0) {
        QWidget *page = m_tabs->widget(0);
        m_tabs->removeTab(0);
        delete page;
    }
    m_searcher.reset();
}

void MainWindow::buildWidgets()
{
    setObjectName(QStringLiteral("MainWindow"));
    setDockNestingEnabled(true);
    m_actions = new MainWindowActions(this);
    m_actionHandler = new TabActionHandler(m_actions, this);

    m_panel = new SearchWindow(this);
    m_dock = new QDockWidget(this);
    m_dock->setObjectName(QStringLiteral("searchDock"));
    m_dock->setWidget(m_panel);
    // Painting its own background, the panel spares the dock a repaint of
    // its title (which the style lays out anew each time) whenever a field,
    // the button or the bar in it changes, as they do at every search.
    m_panel->setAutoFillBackground(true);

    m_instantBar = new InstantToolBar(this);
    m_instantBar->setObjectName(QStringLiteral("instantToolBar"));
    m_instantBar->setFloatable(false);
    m_instantBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    m_layout = std::make_unique<MainWindowLayout>(this, m_actions->commandToolBar, m_instantBar, m_dock);

    m_tabs = new PagesTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabWidget"));
    m_newTabButton = new QToolButton(m_tabs);
    m_newTabButton->setObjectName(QStringLiteral("newTabButton"));
    m_newTabButton->setAutoRaise(true);
    m_newTabButton->setIcon(QIcon(QStringLiteral(":Images/AddTab.png")));
    m_newTabButton->setFocusPolicy(Qt::NoFocus);
    m_tabs->setCornerWidget(m_newTabButton, Qt::TopRightCorner);
    // A tab's title, its status and everything in its pages change as a
    // search runs; none of that needs the docks and toolbars placed again.
    setCentralWidget(new LayoutFence(m_tabs, this));
    // Connected before the first tab exists: the tab made current takes over
    // the panel from the start.
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::onCurrentPageChanged);

    buildStatusBar();
    m_tray = new BackgroundTray(this);
    m_tray->setMenuActions({m_actions->actionRestore, m_actions->actionOptions, m_actions->actionExit});
}

void MainWindow::buildStatusBar()
{
    m_tabStatusLabel = new QLabel(this);
    m_tabStatusLabel->setObjectName(QStringLiteral("tabStatusLabel"));
    m_indexLabel = new QLabel(this);
    m_indexLabel->setObjectName(QStringLiteral("indexLabel"));
    m_exportProgress = new QProgressBar(this);
    m_exportProgress->setObjectName(QStringLiteral("exportProgressBar"));
    m_exportProgress->setMaximumWidth(200);
    m_exportProgress->hide();
    statusBar()->addWidget(new LayoutFence(m_tabStatusLabel, this), 1);
    statusBar()->addPermanentWidget(m_exportProgress);
    statusBar()->addPermanentWidget(m_indexLabel);
}

void MainWindow::initialize()
{
    Settings *settings = Settings::instance();
    loadLanguage(settings->value(Settings::Language).toString());
    const bool background = settings->value(Settings::RunInBackground).toBool();
    if (background)
        m_tray->setBackgroundMode(true);
    m_layout->restoreGeometry();
    if (m_arguments.contains(QStringLiteral("-minimize"))) {
        m_tray->setBackgroundMode(true);
        // Without a tray a hidden window could not be brought back.
        if (!BackgroundTray::canHideToTray())
            showMinimized();
    } else {
        m_layout->showAsStored();
    }
    m_layout->restoreBars();

    m_panel->loadHistories();
    // The index loads on the searcher's own thread: the window is up first,
    // and searches asked for meanwhile start when it is ready.
    if (m_useIndex || m_useService)
        setIndexState(Updating);
    // A window with an index of its own runs only where the service did not
    // answer at start.
    if (m_useIndex)
        statusBar()->showMessage(tr("The index service is not running: this window keeps an index of its own. "
                                    "Turn the service on in Options, Indexing."),
                                 15000);
    // Office documents are read by the helper program: its filters route
    // their extensions to it, unless the settings switch them off.
    settings->setInstalledFilters(FileSearcher::installedFilters(), m_searcher->helper64Filters());
    m_searcher->init(settings->indexingSettings(), settings->contentSearchSettings());
    restoreTabs();
    m_layout->keepOnScreen();
    // Typing a name and pressing Return is the quickest search: the field
    // for it has the focus from the start.
    if (m_instantBar->isVisible())
        m_instantBar->nameComboBox()->setFocus();
}

void MainWindow::restoreTabs()
{
    if (m_arguments.size() >= 3 && m_arguments.at(1) == QLatin1String("-path")) {
        newSearchInFolder(m_arguments.at(2));
        return;
    }
    TabsFile::Contents contents;
    if (TabsFile::read(tabsFilePath(), &contents)) {
        for (const TabParameters &parameters : qAsConst(contents.tabs))
            addNewTab()->setParameters(parameters);
        const int current = contents.currentTab;
        m_tabs->setCurrentIndex(current >= 0 && current < m_tabs->count() ? current : 0);
    }
    // A window without a tab could not search at all.
    if (m_tabs->count() == 0)
        addNewTab();
}

QString MainWindow::tabsFilePath()
{
    return DataPaths::dataDirectory() + QStringLiteral("/Tabs.xml");
}

void MainWindow::connectActions()
{
    MainWindowActions *a = m_actions;
    connect(a->actionNewSearch, &QAction::triggered, this, &MainWindow::onNewSearch);
    connect(a->actionDuplicateSearch, &QAction::triggered, this, &MainWindow::onDuplicateSearch);
    connect(a->actionClosePage, &QAction::triggered, m_tabs, qOverload<>(&PagesTabWidget::closeTab));
    connect(a->actionNextTab, &QAction::triggered, m_tabs, &PagesTabWidget::nextTab);
    connect(a->actionPreviousTab, &QAction::triggered, m_tabs, &PagesTabWidget::previousTab);
    connect(a->actionExit, &QAction::triggered, this, &MainWindow::onExit);
    connect(a->actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(a->actionHelp, &QAction::triggered, this, &MainWindow::openManual);
    connect(a->actionExportResults, &QAction::triggered, this, &MainWindow::onExportResults);
    connect(a->actionRestore, &QAction::triggered, this, &MainWindow::restoreFromTray);
    connect(a->actionMinimize, &QAction::triggered, this, &MainWindow::onMinimize);
    connect(a->actionEscape, &QAction::triggered, this, &MainWindow::onEscape);
    connect(a->actionOptions, &QAction::triggered, this, [this] { showOptions(OptionsDialog::GeneralPage); });
    for (QAction *language : a->languageActions())
        connect(language, &QAction::triggered, this,
                [this, language] { loadLanguage(language->property("id").toString()); });
    for (QMenu *menu : a->menus())
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateActions);

    connect(m_newTabButton, &QToolButton::clicked, this, &MainWindow::onNewSearch);
    connect(m_tabs, &PagesTabWidget::newTab, this, &MainWindow::onNewSearch);
    connect(m_tabs, &PagesTabWidget::duplicateTab, this, &MainWindow::onDuplicateSearch);
    connect(m_tabs, &PagesTabWidget::clearTab, this, &MainWindow::onTabClear);
    auto followTabCount = [this](int count) {
        m_actions->actionNextTab->setEnabled(count >= 2);
        m_actions->actionPreviousTab->setEnabled(count >= 2);
    };
    connect(m_tabs, &PagesTabWidget::countChanged, this, followTabCount);
    followTabCount(m_tabs->count());
    connect(m_tray, &BackgroundTray::activated, this, &MainWindow::onTrayActivated);
    connectViewActions();
}

void MainWindow::connectViewActions()
{
    MainWindowActions *a = m_actions;
    connect(a->actionSearchParameters, &QAction::triggered, this, [this](bool on) {
        m_dock->setVisible(on);
        Settings::instance()->setValue(Settings::SearchWindowVisible, on);
    });
    connect(a->actionToolbar, &QAction::triggered, this, [this](bool on) {
        m_actions->commandToolBar->setVisible(on);
        Settings::instance()->setValue(Settings::CommandToolbarVisible, on);
    });
    connect(a->actionInstantSearch, &QAction::triggered, this, [this](bool on) {
        m_instantBar->setVisible(on);
        Settings::instance()->setValue(Settings::InstantToolbarVisible, on);
    });
    connect(a->actionFilterBar, &QAction::triggered, this, [this](bool on) {
        if (TabPage *tab = currentTab())
            tab->setFilterBarVisible(on);
        Settings::instance()->setValue(Settings::ShowFilterBar, on);
    });
    syncInstantOptions();
}

// The case and expression-type actions are a second way to set the instant
// toolbar's own controls; each side follows the other.
void MainWindow::syncInstantOptions()
{
    auto *type = m_instantBar->findChild<QComboBox *>(QStringLiteral("typeComboBox"));
    auto *caseBox = m_instantBar->findChild<QCheckBox *>(QStringLiteral("caseCheckBox"));
    if (!type || !caseBox)
        return;
    const QList<QAction *> types = {m_actions->actionSubstring, m_actions->actionWholeWord,
                                    m_actions->actionRegularExpression, m_actions->actionBoolean};
    for (int index = 0; index < types.size(); ++index)
        connect(types[index], &QAction::triggered, type, [type, index] { type->setCurrentIndex(index); });
    connect(type, qOverload<int>(&QComboBox::currentIndexChanged), this, [types](int index) {
        if (index >= 0 && index < types.size())
            types[index]->setChecked(true);
    });
    connect(m_actions->actionCaseSensitive, &QAction::triggered, caseBox, &QCheckBox::setChecked);
    connect(caseBox, &QCheckBox::toggled, m_actions->actionCaseSensitive, &QAction::setChecked);
    types.value(type->currentIndex(), m_actions->actionSubstring)->setChecked(true);
    m_actions->actionCaseSensitive->setChecked(caseBox->isChecked());
}

void MainWindow::connectSearcher()
{
    FileSearcher *searcher = m_searcher.get();
    connect(searcher, &FileSearcher::findFinished, this, &MainWindow::onFindFinished);
    connect(searcher, &FileSearcher::findMatchesFinished, this, &MainWindow::onFindMatchesFinished);
    connect(searcher, &FileSearcher::updateStarted, this, &MainWindow::onUpdateStarted);
    connect(searcher, &FileSearcher::updateFinished, this, &MainWindow::onUpdateFinished);
    // The first loading of the index reports its end on its own signal.
    connect(searcher, &FileSearcher::initFinished, this, [this] {
        if (m_indexState == Updating)
            setIndexState(Ready);
        QMetaObject::invokeMethod(this, &MainWindow::startPendingIndexUpdate, Qt::QueuedConnection);
    });
    connect(searcher, &FileSearcher::indexServiceUnavailable, this, &MainWindow::onIndexServiceUnavailable);
    connect(searcher, &FileSearcher::findIncomplete, this, [this](FileSearchRequest::Id requestId, const QString &why) {
        for (int index = 0; index < m_tabs->count(); ++index) {
            if (tabAt(index)->requestId() == requestId)
                tabAt(index)->setIncompleteReason(why);
        }
    });
}

TabPage *MainWindow::addNewTab()
{
    auto *tab = new TabPage(this, m_panel, m_instantBar, m_searcher, ++m_lastTabId);
    if (!m_useIndex && (!m_useService || m_indexState == ServiceNotRunning))
        tab->setUnindexedDefaultFolder(QDir::homePath());
    connect(tab, &TabPage::statusTextChanged, this, &MainWindow::onTabStatusTextChanged);
    connect(tab, &TabPage::tabTextChanged, this, &MainWindow::onTabTextChanged);
    connect(tab, &TabPage::customizeFilters, this, [this] { showOptions(OptionsDialog::CategoriesPage); });
    connect(tab->exporter(), &ResultsCsvExport::progress, this, &MainWindow::onExportProgress);
    connect(tab->exporter(), &ResultsCsvExport::finished, this, &MainWindow::onExportFinished);
    m_tabs->addTab(tab, tr("New search"));
    m_tabs->setCurrentWidget(tab);
    return tab;
}

TabPage *MainWindow::currentTab() const
{
    return qobject_cast<TabPage *>(m_tabs->currentWidget());
}

TabPage *MainWindow::tabAt(int index) const
{
    return qobject_cast<TabPage *>(m_tabs->widget(index));
}

int MainWindow::indexOfTab(int tabId) const
{
    for (int index = 0; index < m_tabs->count(); ++index) {
        if (tabAt(index)->id() == tabId)
            return index;
    }
    return -1;
}

void MainWindow::onNewSearch()
{
    addNewTab();
    m_panel->clear();
}

void MainWindow::onDuplicateSearch()
{
    TabPage *current = currentTab();
    const bool filterBar = current ? current->isFilterBarVisible() : true;
    addNewTab()->setFilterBarVisible(filterBar);
}

void MainWindow::newSearchInFolder(const QString &folder)
{
    TabPage *tab = addNewTab();
    m_panel->clear();
    m_panel->setSearchFolder(folder);
    tab->startSearch();
}

void MainWindow::setActivationToken(const QString &token)
{
    m_activationToken = token;
}

void MainWindow::bringToFront()
{
    m_layout->bringToFront(std::exchange(m_activationToken, QString()));
}

void MainWindow::onCurrentPageChanged(int newIndex)
{
    if (m_activeTab && m_activeTab != tabAt(newIndex))
        m_activeTab->deactivate();
    m_activeTab = tabAt(newIndex);
    m_actionHandler->setCurrentTab(m_activeTab);
    if (!m_activeTab)
        return;
    m_activeTab->activate();
    onTabStatusTextChanged(m_activeTab->id());
}

void MainWindow::onTabStatusTextChanged(int tabId)
{
    TabPage *tab = currentTab();
    if (tab && tab->id() == tabId)
        m_tabStatusLabel->setText(tab->statusText());
}

QString MainWindow::tabStatusText() const
{
    return m_tabStatusLabel->text();
}

void MainWindow::onTabTextChanged(int tabId, const QString &text)
{
    const int index = indexOfTab(tabId);
    if (index >= 0)
        m_tabs->setTabText(index, text.isEmpty() ? tr("New search") : text);
}

void MainWindow::onTabClear()
{
    if (TabPage *tab = currentTab())
        tab->clear();
}

void MainWindow::onFindFinished(FileSearchRequest::Id requestId)
{
    for (int index = 0; index < m_tabs->count(); ++index) {
        if (tabAt(index)->requestId() == requestId) {
            tabAt(index)->onFindFinished();
            return;
        }
    }
}

void MainWindow::onFindMatchesFinished(FileSearchRequest::Id requestId)
{
    for (int index = 0; index < m_tabs->count(); ++index) {
        if (tabAt(index)->matchesRequestId() == requestId) {
            tabAt(index)->onFindMatchesFinished();
            return;
        }
    }
}

void MainWindow::setIndexState(IndexState state)
{
    m_indexState = state;
    m_indexLabel->setText(indexText());
    followSearchAsYouType();
}

// Typing searches only name-only searches on a ready index, never walks.
void MainWindow::followSearchAsYouType()
{
    m_instantBar->setSearchAsYouType((m_useIndex || m_useService) && m_indexState == Ready
                                     && Settings::instance()->value(Settings::SearchAsYouType).toBool());
}

QString MainWindow::indexText() const
{
    switch (m_indexState) {
    case Ready:
        return tr("Index: ready");
    case Updating:
        return tr("Index: updating...");
    case ServiceNotRunning:
        return tr("Index: service not running");
    case Disabled:
        break;
    }
    return tr("Index: disabled");
}

// A service that comes back loading or updating takes the searches at once
// (they wait for its index), just as one that comes back ready.
void MainWindow::onUpdateStarted()
{
    if (m_useService && m_indexState == ServiceNotRunning)
        onIndexServiceBack();
    setIndexState(Updating);
}

// The index service went away: searches walk, as without an index, until it
// is back; the way to turn it on is in the options.
// Why is in the log already.
void MainWindow::onIndexServiceUnavailable(const QString &, bool otherVersion)
{
    setIndexState(ServiceNotRunning);
    for (int index = 0; index < m_tabs->count(); ++index)
        tabAt(index)->setUnindexedDefaultFolder(QDir::homePath());
    // A service of the version before an update runs until it is restarted:
    // turning it on would change nothing.
    statusBar()->showMessage(otherVersion ? tr("The index service is of another version of Talvenquist: searches walk "
                                               "folders. Restart it (systemctl restart talvenquist-indexd).")
                                          : tr("The index service is not running: searches walk folders. "
                                               "Turn it on in Options, Indexing."),
                             15000);
}

void MainWindow::onIndexServiceBack()
{
    for (int index = 0; index < m_tabs->count(); ++index)
        tabAt(index)->setUnindexedDefaultFolder(QString());
    statusBar()->clearMessage();
}

// Starting an update stops the one running and waits for it: a new one
// waits instead until the index is ready.
void MainWindow::updateIndex(const IndexingSettings &settings)
{
    if (m_searcher->isBusy()) {
        m_pendingIndexing = settings;
        return;
    }
    m_searcher->update(settings);
}

void MainWindow::startPendingIndexUpdate()
{
    if (!m_pendingIndexing)
        return;
    const IndexingSettings settings = *m_pendingIndexing;
    m_pendingIndexing.reset();
    m_searcher->update(settings);
}

void MainWindow::onUpdateFinished()
{
    if (m_useService && m_indexState == ServiceNotRunning)
        onIndexServiceBack();
    setIndexState(Ready);
    if (m_useIndex)
        Settings::instance()->setIndexingSettings(m_searcher->indexingSettings());
    // Queued: the searcher lets go of its finished thread after this signal.
    QMetaObject::invokeMethod(this, &MainWindow::startPendingIndexUpdate, Qt::QueuedConnection);
}

void MainWindow::updateActions()
{
    TabPage *tab = currentTab();
    m_actionHandler->updateActions();
    m_actions->actionToolbar->setChecked(m_actions->commandToolBar->isVisible());
    m_actions->actionInstantSearch->setChecked(m_instantBar->isVisible());
    m_actions->actionSearchParameters->setChecked(m_dock->isVisible());
    m_actions->actionFilterBar->setChecked(tab && tab->isFilterBarVisible());
    m_actions->checkLanguage(Settings::instance()->value(Settings::Language).toString());
}


void MainWindow::loadLanguage(const QString &code)
{
    m_language->load(code);
    m_actions->checkLanguage(m_language->code());
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate()
{
    setWindowTitle(tr("Talvenquist v%1").arg(QStringLiteral("1.43")));
    m_actions->retranslate();
    m_dock->setWindowTitle(tr("Search Parameters"));
    m_instantBar->setWindowTitle(tr("Instant Search"));
    m_newTabButton->setToolTip(tr("New search"));
    m_newTabButton->setAccessibleName(tr("New search"));
    m_indexLabel->setText(indexText());
    for (int index = 0; index < m_tabs->count(); ++index)
        onTabTextChanged(tabAt(index)->id(), tabAt(index)->title());
}

void MainWindow::onExit()
{
    // Leaves every event loop with 0; main() then deletes this window,
    // which saves everything.
    QCoreApplication::exit(0);
}

void MainWindow::onMinimize()
{
    showMinimized();
}

void MainWindow::onEscape()
{
    if (!m_actionHandler->escape())
        onMinimize();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!Settings::instance()->value(Settings::RunInBackground).toBool()) {
        onExit();
        event->accept();
        return;
    }
    m_layout->saveGeometry();
    m_layout->saveBars();
    if (BackgroundTray::canHideToTray()) {
        event->accept();
    } else {
        // Without a tray a hidden window could only come back by starting
        // the program again.
        event->ignore();
        showMinimized();
    }
    m_tray->showRunningHintOnce();
}

void MainWindow::onTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        restoreFromTray();
}

void MainWindow::restoreFromTray()
{
    if (isVisible() && !isMinimized()) {
        raise();
        activateWindow();
        return;
    }
    m_layout->showAsStored();
}

QString MainWindow::manualLanguageFolder(const QString &language)
{
    if (language == QLatin1String("de") || language == QLatin1String("cz"))
        return language;
    return QStringLiteral("en");
}

void MainWindow::openManual()
{
    const QString folder = manualLanguageFolder(Settings::instance()->value(Settings::Language).toString());
    const QString path = AppDataFolders::find(QStringLiteral("help/%1/index.html").arg(folder));
    openWithShell(this, QDir::toNativeSeparators(path), QString());
}

void MainWindow::showAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::showOptions(int page)
{
    FileSearcherIndexControl index(*m_searcher, *m_serviceAdmin);
    DesktopIntegration integration;
    OptionsDialog dialog(index, integration, this);
    dialog.setCurrentPage(OptionsDialog::Page(page));
    const IndexingSettings before = Settings::instance()->indexingSettings();
    if (dialog.exec() == QDialog::Accepted)
        applyOptions(before);
}

// The same volumes, folder and excludes, in whatever order the dialog
// listed them.
static bool sameIndexing(IndexingSettings a, IndexingSettings b)
{
    for (IndexingSettings *settings : {&a, &b}) {
        std::sort(settings->indexDrives.begin(), settings->indexDrives.end());
        std::sort(settings->noIndexDrives.begin(), settings->noIndexDrives.end());
    }
    return a.indexDrives == b.indexDrives && a.noIndexDrives == b.noIndexDrives && a.autoAddFixed == b.autoAddFixed
        && a.autoAddRemovable == b.autoAddRemovable && a.dbPath == b.dbPath && a.excludePaths == b.excludePaths;
}

void MainWindow::applyOptions(const IndexingSettings &before)
{
    Settings *settings = Settings::instance();
    m_tray->setBackgroundMode(settings->value(Settings::RunInBackground).toBool());
    m_searcher->setContentSearchSettings(settings->contentSearchSettings());
    followSearchAsYouType();
    const IndexingSettings after = settings->indexingSettings();
    if (m_useIndex && !sameIndexing(before, after))
        updateIndex(after);
    for (int index = 0; index < m_tabs->count(); ++index) {
        TabPage *tab = tabAt(index);
        tab->table()->applyCategories();
        tab->preview()->applySettings();
    }
}

void MainWindow::onExportResults()
{
    QFileDialog dialog(this, tr("Export Results"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("Comma separated") + QStringLiteral(" (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setDirectory(Settings::instance()->value(Settings::DefaultDialogDir).toString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportResultsTo(dialog.selectedFiles().first());
}

void MainWindow::exportResultsTo(const QString &fileName)
{
    TabPage *tab = currentTab();
    if (!tab)
        return;
    tab->exportResults(fileName);
    Settings::instance()->setValue(Settings::DefaultDialogDir, QFileInfo(fileName).absolutePath());
}

// Shown only for sets that take a while: the first report comes after
// ResultsCsvExport::kProgressRows rows.
void MainWindow::onExportProgress(int rows, int total)
{
    m_exportProgress->setRange(0, total);
    m_exportProgress->setValue(rows);
    m_exportProgress->show();
}

void MainWindow::onExportFinished(bool written, const QString &fileName, const QString &error)
{
    m_exportProgress->hide();
    const QString shownName = QDir::toNativeSeparators(fileName);
    if (written) {
        statusBar()->showMessage(tr("The results were exported to %1.").arg(shownName), kExportMessageMs);
        return;
    }
    // Stopped for a newer export, which reports for itself.
    if (error.isEmpty())
        return;
    // Not waited for: the window stays usable while the message is up.
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Export Results"),
                                tr("The results could not be exported to %1.").arg(shownName), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("exportFailedMessage"));
    box->setInformativeText(error);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::save()
{
    logger()->log(DEBUG, kComponent, "MainWindow::save");
    Settings *settings = Settings::instance();
    for (const QString &key : {Settings::kFileNameHistory, Settings::kPathHistory, Settings::kContentHistory})
        settings->remove(key);
    settings->setValue(Settings::ShowMaximumMatches, settings->value(Settings::ShowMaximumMatches));
    m_layout->saveGeometry();
    m_layout->saveBars();
    m_panel->saveHistories();
    writeTabsFile();
    settings->sync();
}

void MainWindow::writeTabsFile()
{
    TabsFile::Contents contents;
    contents.currentTab = m_tabs->currentIndex();
    const bool all = Settings::instance()->value(Settings::SaveAllTabs).toBool();
    for (int index = 0; index < m_tabs->count(); ++index) {
        if (all || index == m_tabs->currentIndex())
            contents.tabs.append(tabAt(index)->parameters());
    }
    if (!TabsFile::write(tabsFilePath(), contents))
        logger()->log(WARNING, kComponent, QStringLiteral("Cannot write %1").arg(tabsFilePath()));
}
