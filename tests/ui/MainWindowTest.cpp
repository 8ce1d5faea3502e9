#include "WindowTestSupport.h"

#include "base/DataPaths.h"
#include "base/MetaTypes.h"
#include "platform/linux/Polkit.h"
#include "session/TaskScheduler.h"
#include "support/TestFiles.h"
#include "ui/BackgroundTray.h"
#include "ui/FileTable.h"
#include "ui/FileTableModel.h"
#include "ui/FileTableView.h"
#include "ui/FilePreviewPage.h"
#include "ui/FilterBar.h"
#include "ui/FindBar.h"
#include "ui/InstantToolBar.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowActions.h"
#include "ui/OptionsDialog.h"
#include "ui/PagesTabWidget.h"
#include "ui/PreviewTabWidget.h"
#include "ui/ResultsCsvExport.h"
#include "ui/RichComboBox.h"
#include "ui/SearchWindow.h"
#include "ui/TabActionHandler.h"
#include "ui/TabPage.h"
#include "ui/TabsFile.h"

#include <QAbstractProxyModel>
#include <QClipboard>
#include <QCompleter>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QMessageBox>
#include <QProgressBar>
#include <QStandardPaths>
#include <QStatusBar>

// The main window as the program makes it, without an index; one search is compared with what tvq finds.
class MainWindowTest : public QObject
{
    Q_OBJECT

    static std::unique_ptr<MainWindow> makeWindow(const QStringList &extra = {})
    {
        return std::make_unique<MainWindow>(QStringList{QStringLiteral("talvenquist")} + extra, /*useIndex=*/false);
    }

    static void setFileName(MainWindow &window, const QString &name)
    {
        window.searchPanel()->findChild<QComboBox *>(QStringLiteral("fileNameComboBox"))->setEditText(name);
    }

    static QString currentFileName(MainWindow &window)
    {
        return window.searchPanel()->parameters().value(QStringLiteral("fileNameComboBox"));
    }

    // Types `text` into the instant toolbar, presses Return and waits for the status to start with `found`.
    static bool searchFor(MainWindow &window, const QString &text, const QString &found)
    {
        QLineEdit *field = window.instantToolBar()->nameComboBox()->lineEdit();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        return QTest::qWaitFor([&] { return window.tabStatusText().startsWith(found); }, 30000);
    }

    // Shows the window in front, where keys reach its shortcuts and its focus.
    static bool activate(MainWindow &window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

    static QString trashFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
    }

    // Two files "keys a.txt" and "keys b.txt" holding "alpha beta", found by the instant toolbar; row 0 is
    // current and its text is shown in the preview's File page.
    static bool searchTwoFiles(MainWindow &window, QString *folder)
    {
        *folder = QDir::homePath() + QStringLiteral("/key-tests");
        // The search walks the home folder, trash included: what an earlier run trashed would be found again.
        QDir(trashFolder()).removeRecursively();
        QDir(*folder).removeRecursively();
        for (const char *name : {"/keys a.txt", "/keys b.txt"}) {
            if (!TestFiles::write(*folder + QLatin1String(name), "alpha beta"))
                return false;
        }
        FilePreviewPage *page = window.currentTab()->preview()->filePage();
        // The File page reads its file once it is shown.
        window.currentTab()->preview()->setCurrentWidget(page);
        QSignalSpy shown(page, &FilePreviewPage::fileShown);
        return searchFor(window, QStringLiteral("keys "), QStringLiteral("Found: 2 "))
            && (shown.count() > 0 || shown.wait(30000));
    }

private slots:
    void initTestCase()
    {
        WindowTest::pinLocale();
        registerMetaTypes();
        Settings::instance(DataPaths::settingsFilePath());
    }

    void init()
    {
        QFile::remove(MainWindow::tabsFilePath());
        Settings::instance()->setValue(Settings::SaveAllTabs, false);
        Settings::instance()->setValue(Settings::Language, QStringLiteral("en"));
        // A sort by another column, which a test leaves behind, asks before large searches show.
        Settings::instance()->setValue(Settings::SortColumn, int(FileSearchResults::Name));
    }

    // Ids keep growing after closes, so a finished search never reaches a newer tab; the only tab is cleared.
    void closingTabs()
    {
        auto window = makeWindow();
        window->onNewSearch();
        window->onNewSearch();
        QCOMPARE(window->tabWidget()->count(), 3);
        const int lastId = window->currentTab()->id();
        window->tabWidget()->closeTab();
        window->tabWidget()->closeTab();
        window->onNewSearch();
        QCOMPARE(window->tabWidget()->count(), 2);
        QCOMPARE(window->currentTab()->id(), lastId + 1);
        window->tabWidget()->closeTab();
        setFileName(*window, QStringLiteral("kept?"));
        window->actions()->actionClosePage->trigger();
        QCOMPARE(window->tabWidget()->count(), 1);
        QCOMPARE(currentFileName(*window), QString());
    }

    void tabsSwitchAndClose_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("action"); // empty: "Close other tabs" of the tab bar's menu
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("to");
        QTest::newRow("next on last") << 2 << "actionNextTab" << 3 << 0;
        QTest::newRow("next in the middle") << 1 << "actionNextTab" << 3 << 2;
        QTest::newRow("previous on first") << 0 << "actionPreviousTab" << 3 << 2;
        QTest::newRow("close others of the middle") << 1 << "" << 1 << 1;
    }

    void tabsSwitchAndClose()
    {
        QFETCH(int, from);
        QFETCH(QString, action);
        QFETCH(int, to);
        auto window = makeWindow();
        for (int tab = 0; tab < 3; ++tab) {
            if (tab > 0)
                window->onNewSearch();
            setFileName(*window, QString::number(tab));
        }
        window->tabWidget()->setCurrentIndex(from);
        if (action.isEmpty())
            window->tabWidget()->closeOtherTabs();
        else
            window->findChild<QAction *>(action)->trigger();
        QTEST(window->tabWidget()->count(), "count");
        QCOMPARE(currentFileName(*window), QString::number(to));
    }

    void tabsFileHoldsAllOrOnlyTheCurrentTab_data()
    {
        QTest::addColumn<bool>("saveAll");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("all tabs") << true << QStringList{"first", "second"};
        QTest::newRow("current tab only") << false << QStringList{"second"};
    }

    void tabsFileHoldsAllOrOnlyTheCurrentTab()
    {
        QFETCH(bool, saveAll);
        Settings::instance()->setValue(Settings::SaveAllTabs, saveAll);
        {
            auto window = makeWindow();
            setFileName(*window, QStringLiteral("first"));
            window->onDuplicateSearch();
            setFileName(*window, QStringLiteral("second"));
        }
        TabsFile::Contents saved;
        QVERIFY(TabsFile::read(MainWindow::tabsFilePath(), &saved));
        QCOMPARE(saved.currentTab, 1);
        QStringList names;
        for (const TabParameters &tab : saved.tabs)
            names.append(tab.value(QStringLiteral("fileNameComboBox")));
        QTEST(names, "names");
    }

    void tabsFileIsRead_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("currentName");
        const QByteArray three = "<tab><fileNameComboBox value=\"a\"/></tab><tab><fileNameComboBox value=\"b\"/></tab>"
                                 "<tab><fileNameComboBox value=\"c\"/></tab></tabs>";
        QTest::newRow("second current") << "<tabs current_tab=\"1\" version=\"1.0\">" + three << 3 << 1 << "b";
        QTest::newRow("index beyond the count") << "<tabs current_tab=\"9\" version=\"1.0\">" + three << 3 << 0 << "a";
        QTest::newRow("first element not tabs")
            << QByteArray("<windows current_tab=\"1\"><tab><fileNameComboBox value=\"x\"/></tab></windows>") << 1
            << 0 << "";
    }

    void tabsFileIsRead()
    {
        QFETCH(QByteArray, file);
        QVERIFY(TestFiles::write(MainWindow::tabsFilePath(), file));
        auto window = makeWindow();
        QTEST(window->tabWidget()->count(), "count");
        QTEST(window->tabWidget()->currentIndex(), "current");
        QTEST(currentFileName(*window), "currentName");
    }

    void optionsDecideBackgroundMode_data()
    {
        QTest::addColumn<bool>("background");
        QTest::addColumn<bool>("fromFilterBar");
        QTest::newRow("on, from the menu") << true << false;
        QTest::newRow("off, from the filter bar") << false << true;
    }

    void optionsDecideBackgroundMode()
    {
        QFETCH(bool, background);
        QFETCH(bool, fromFilterBar);
        // Accepting writes the desktop's files; these stand in for the system's.
        QTemporaryDir system;
        Polkit::setRulesDirectory(system.path());
        setSystemDataDirectory(system.path());
        Settings::instance()->setValue(Settings::RunInBackground, !background);
        auto window = makeWindow();
        WindowTest::onNextModal<OptionsDialog>(this, [&](OptionsDialog *dialog) {
            dialog->findChild<QCheckBox *>("backgroundCheckBox")->setChecked(background);
            dialog->onAccept();
        });
        if (fromFilterBar)
            window->currentTab()->table()->filterBar()->customizeAction()->trigger();
        else
            window->actions()->actionOptions->trigger();
        Polkit::setRulesDirectory(QString());
        setSystemDataDirectory(QString());
        QCOMPARE(QApplication::quitOnLastWindowClosed(), !background);
        QCOMPARE(window->tray()->isVisible(), background);
    }

    void languageSwitchesAtOnce_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("newSearch");
        QTest::addColumn<QString>("indexLabel");
        QTest::newRow("German") << "de" << "&Neue Suche" << "Index: deaktiviert";
        QTest::newRow("back to English") << "en" << "&New Search" << "Index: disabled";
    }

    void languageSwitchesAtOnce()
    {
        QFETCH(QString, language);
        QFETCH(QString, newSearch);
        QVERIFY(WindowTest::installTranslation(language));
        auto window = makeWindow();
        QAction *chosen = nullptr;
        for (QAction *action : window->actions()->languageActions()) {
            if (action->property("id") == language)
                chosen = action;
        }
        QVERIFY(chosen);
        chosen->trigger();
        QTRY_COMPARE(window->actions()->actionNewSearch->text(), newSearch);
        QTEST(window->findChild<QLabel *>(QStringLiteral("indexLabel"))->text(), "indexLabel");
    }

    void instantSearchShowsWhatTvqFinds()
    {
        // Without an index a search that names no folder walks the home folder, private to this test.
        const QString root = QDir::homePath() + QStringLiteral("/tree/");
        for (const char *name : {"report-1.txt", "sub/Report-2.log", "sub/deeper/old-report", "other.txt"})
            QVERIFY(TestFiles::write(root + QLatin1String(name), QByteArray()));
        auto window = makeWindow();
        QVERIFY(searchFor(*window, QStringLiteral("report"), QStringLiteral("Found:")));
        const QRegularExpressionMatch status =
            QRegularExpression(QStringLiteral("^Found: (\\d+) objects in (\\d+)s$")).match(window->tabStatusText());
        QVERIFY2(status.hasMatch(), qPrintable(window->tabStatusText()));
        QStringList shown;
        for (int row = 0; row < status.captured(1).toInt(); ++row)
            shown.append(window->currentTab()->table()->fullPath(row));
        shown.sort();

        QProcess tvq;
        tvq.start(QStringLiteral(TVQ_CLI), {QStringLiteral("--no-index"), QStringLiteral("--in"), QDir::homePath(),
                                            QStringLiteral("report")});
        QVERIFY(tvq.waitForFinished(60000));
        QStringList printed =
            QString::fromUtf8(tvq.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        printed.sort();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown, printed);
    }

    // Rows too many to sort on the UI thread are sorted elsewhere after the search: the row chosen at the end is
    // the first of the sorted rows, not the first that came, wherever that lands.
    void aLargeSearchChoosesItsFirstSortedRow()
    {
        const QString root = QDir::homePath() + QStringLiteral("/many/");
        QVERIFY(QDir().mkpath(root));
        const int count = FileTable::kRowsSortedHere + 500;
        for (int i = 0; i < count; ++i) {
            QFile file(root + QStringLiteral("bulk-%1.txt").arg((i * 7919) % count, 5, 10, QLatin1Char('0')));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        auto window = makeWindow();
        FileTable *table = window->currentTab()->table();
        QSignalSpy sortEnded(table, &FileTable::sortEnded);
        QVERIFY(searchFor(*window, QStringLiteral("bulk-"), QStringLiteral("Found: %1 ").arg(count)));
        QVERIFY(sortEnded.count() > 0 || sortEnded.wait(30000));
        QCOMPARE(table->fullPath(0), root + QStringLiteral("bulk-00000.txt"));
        QCOMPARE(table->view()->currentIndex().row(), 0);
        QDir(root).removeRecursively();
    }

    // The duration in the status is the search's own, not also the time the user took to answer whether to sort
    // its many rows.
    void foundTimeLeavesOutTheSortQuestion()
    {
        const QString root = QDir::homePath() + QStringLiteral("/asked/");
        QVERIFY(QDir().mkpath(root));
        const int count = 1100;
        for (int i = 0; i < count; ++i)
            QVERIFY(TestFiles::write(root + QStringLiteral("asked-%1").arg(i), QByteArray()));
        Settings::instance()->setValue(Settings::SortColumn, int(FileSearchResults::Path));
        auto window = makeWindow();
        QElapsedTimer clock;
        qint64 askedAt = -1;
        window->currentTab()->table()->view()->setSortConfirmation([&](QWidget *, int) {
            askedAt = clock.elapsed();
            // The user thinks it over.
            QEventLoop thinking;
            QTimer::singleShot(1500, &thinking, &QEventLoop::quit);
            thinking.exec();
            return true;
        });
        clock.start();
        QVERIFY(searchFor(*window, QStringLiteral("asked-"), QStringLiteral("Found: %1 ").arg(count)));
        QVERIFY(askedAt >= 0);
        const QRegularExpressionMatch status =
            QRegularExpression(QStringLiteral("^Found: \\d+ objects in (\\d+)s$")).match(window->tabStatusText());
        QVERIFY2(status.hasMatch(), qPrintable(window->tabStatusText()));
        QVERIFY2(status.captured(1).toLongLong() <= askedAt / 1000, qPrintable(window->tabStatusText()));
        QDir(root).removeRecursively();
    }

    void editActionsReachTheTable()
    {
        QString folder;
        WindowTest::RecordedMessages messages;
        auto window = makeWindow();
        QVERIFY(searchTwoFiles(*window, &folder));
        const QString a = folder + QStringLiteral("/keys a.txt");
        const QString b = folder + QStringLiteral("/keys b.txt");
        FileTable *table = window->currentTab()->table();
        table->view()->setFocus();
        MainWindowActions *actions = window->actions();
        actions->actionSelectAll->trigger();
        const QList<QPair<QAction *, QString>> copies = {{actions->actionCopyName, "keys a.txt\nkeys b.txt"},
                                                         {actions->actionCopyFullName, a + '\n' + b},
                                                         {actions->actionCopyPath, folder + '\n' + folder},
                                                         {actions->actionCut, a + '\n' + b}};
        for (const auto &copy : copies) {
            QGuiApplication::clipboard()->clear();
            copy.first->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text(), copy.second);
        }
        QVERIFY(QGuiApplication::clipboard()->mimeData()->data("x-special/gnome-copied-files").startsWith("cut\n"));
    }

    // The edit keys act on the table where it has the focus, and on the text in a field or the preview.
    void keysFollowTheFocus_data()
    {
        QTest::addColumn<QString>("focus"); // "table", "field" (the instant toolbar's) or "preview" (the File page)
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("clipboard"); // null: left alone
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("selectedRows");
        QTest::addColumn<QString>("selectedText"); // of the focused text
        QTest::addColumn<QString>("aWent");        // "", "trash" or "deleted"
        const QKeySequence shiftDelete(Qt::SHIFT + Qt::Key_Delete);
        QTest::newRow("table Ctrl+A") << "table" << QKeySequence(QKeySequence::SelectAll) << QString() << 2 << 2
                                      << "" << "";
        QTest::newRow("table Ctrl+C") << "table" << QKeySequence(QKeySequence::Copy) << "a" << 2 << 1 << "" << "";
        QTest::newRow("table Del") << "table" << QKeySequence(QKeySequence::Delete) << QString() << 1 << 0 << ""
                                   << "trash";
        QTest::newRow("table Shift+Del") << "table" << shiftDelete << QString() << 1 << 0 << "" << "deleted";
        QTest::newRow("field Ctrl+A") << "field" << QKeySequence(QKeySequence::SelectAll) << QString() << 2 << 1
                                      << "keys " << "";
        QTest::newRow("field Ctrl+C") << "field" << QKeySequence(QKeySequence::Copy) << "key" << 2 << 1 << "key"
                                      << "";
        QTest::newRow("field Del") << "field" << QKeySequence(QKeySequence::Delete) << QString() << 2 << 1 << ""
                                   << "";
        QTest::newRow("preview Ctrl+A") << "preview" << QKeySequence(QKeySequence::SelectAll) << QString() << 2 << 1
                                        << "alpha beta" << "";
        QTest::newRow("preview Ctrl+C") << "preview" << QKeySequence(QKeySequence::Copy) << "beta" << 2 << 1
                                        << "beta" << "";
        QTest::newRow("preview Del") << "preview" << QKeySequence(QKeySequence::Delete) << QString() << 2 << 1
                                     << "beta" << "";
    }

    void keysFollowTheFocus()
    {
        QFETCH(QString, focus);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, clipboard);
        QFETCH(QString, aWent);
        QString folder;
        WindowTest::RecordedMessages messages;
        auto window = makeWindow();
        QVERIFY(activate(*window));
        QVERIFY(searchTwoFiles(*window, &folder));
        const QString a = folder + QStringLiteral("/keys a.txt");
        FileTableView *view = window->currentTab()->table()->view();
        view->selectRow(0);
        QLineEdit *field = window->instantToolBar()->nameComboBox()->lineEdit();
        QPlainTextEdit *preview = window->currentTab()->preview()->filePage()->textEdit();
        window->currentTab()->preview()->setCurrentWidget(window->currentTab()->preview()->filePage());
        QWidget *target = focus == "table" ? static_cast<QWidget *>(view)
                                           : focus == "field" ? static_cast<QWidget *>(field) : preview;
        target->setFocus();
        QTRY_VERIFY(target->hasFocus() || (focus == "field" && window->instantToolBar()->nameComboBox()->hasFocus()));
        QCOMPARE(window->actionHandler()->focusedText(), focus == "table" ? nullptr : target);
        field->setSelection(0, 3);
        QTextCursor cursor = preview->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        preview->setTextCursor(cursor);
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));

        QTest::keySequence(QApplication::focusWidget(), keys);
        if (clipboard == "a")
            clipboard = a;
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard.isNull() ? QStringLiteral("untouched") : clipboard);
        QTEST(view->model()->rowCount(), "rows");
        QTEST(view->selectedRowNumbers().size(), "selectedRows");
        if (focus == "field")
            QTEST(field->selectedText(), "selectedText");
        if (focus == "preview")
            QTEST(preview->textCursor().selectedText(), "selectedText");
        QCOMPARE(QFileInfo::exists(a), aWent.isEmpty());
        QCOMPARE(QFileInfo::exists(trashFolder() + QStringLiteral("/files/keys a.txt")), aWent == "trash");
        QCOMPARE(messages.questions.size(), aWent == "deleted" ? 1 : 0);
        // Del in the field is the field's: the key deleted the selected text.
        if (focus == "field" && keys == QKeySequence(QKeySequence::Delete))
            QCOMPARE(field->text(), QStringLiteral("s "));
    }

    // Esc closes the open find bar, else cancels the running search, else minimises.
    void escapeDoesTheFirstThatApplies_data()
    {
        QTest::addColumn<bool>("findBarOpen");
        QTest::addColumn<bool>("searching");
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<bool>("findBarOpenAfter");
        QTest::addColumn<bool>("searchingAfter");
        QTest::newRow("find bar") << true << false << false << false << false;
        QTest::newRow("running search") << false << true << false << false << false;
        QTest::newRow("nothing else") << false << false << true << false << false;
    }

    void escapeDoesTheFirstThatApplies()
    {
        QFETCH(bool, findBarOpen);
        QFETCH(bool, searching);
        QString folder;
        auto window = makeWindow();
        QVERIFY(activate(*window));
        QVERIFY(searchTwoFiles(*window, &folder));
        TabPage *tab = window->currentTab();
        FindBar *bar = tab->preview()->filePage()->findBar();
        tab->preview()->setCurrentWidget(tab->preview()->filePage());
        tab->preview()->filePage()->textEdit()->setFocus();
        if (findBarOpen) {
            bar->open();
            tab->preview()->filePage()->textEdit()->setFocus();
        }
        if (searching) {
            // The search's end is reported through the event loop, which does not run before the key.
            tab->startSearch();
            QVERIFY(tab->isSearching());
        }
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTEST(window->isMinimized(), "minimized");
        QTEST(bar->isVisible(), "findBarOpenAfter");
        QTEST(tab->isSearching(), "searchingAfter");
    }

    // A second start's "-path" (and the folder menu) opens a new tab with only that folder set, searching at once.
    void searchInFolderStartsInANewTab()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/folder menu");
        for (const char *name : {"/one.txt", "/two.txt"})
            QVERIFY(TestFiles::write(folder + QLatin1String(name), QByteArray()));
        auto window = makeWindow();
        setFileName(*window, QStringLiteral("previous criteria"));
        window->newSearchInFolder(folder);
        QCOMPARE(window->tabWidget()->count(), 2);
        QCOMPARE(currentFileName(*window), QString());
        const TabParameters shown = window->searchPanel()->parameters();
        QCOMPARE(shown.value(QStringLiteral("directoryCheckBox")), QStringLiteral("1"));
        QCOMPARE(shown.value(QStringLiteral("directoryComboBox")), folder);
        QTRY_VERIFY_WITH_TIMEOUT(window->tabStatusText().startsWith(QLatin1String("Found: 2 ")), 30000);
        window->tabWidget()->setCurrentIndex(0);
        QCOMPARE(currentFileName(*window), QStringLiteral("previous criteria"));
    }

    void broughtToFrontAsItWas_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("maximised") << true;
        QTest::newRow("normal") << false;
    }

    void broughtToFrontAsItWas()
    {
        QFETCH(bool, maximized);
        auto window = makeWindow();
        if (maximized)
            window->showMaximized();
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        window->setActivationToken(QStringLiteral("token_TIME1"));
        window->bringToFront();
        QTRY_VERIFY(!window->isMinimized());
        QCOMPARE(window->isMaximized(), maximized);
    }

    // A search's start and end change the panel's button text and progress bar: neither lays out the panel's dock
    // again, nor so the main window, which places every dock and toolbar anew and stalls a search typed key by key.
    void searchesDoNotLayOutThePanelsDock()
    {
        QVERIFY(TestFiles::write(QDir::homePath() + QStringLiteral("/layout/laid-out.txt"), QByteArray()));
        auto window = makeWindow();
        QVERIFY(activate(*window));
        QVERIFY(searchFor(*window, QStringLiteral("laid"), QStringLiteral("Found: 1 objects")));
        struct LayoutCount : QObject
        {
            int requests = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                requests += event->type() == QEvent::LayoutRequest;
                return false;
            }
        } count;
        auto *dock = window->findChild<QDockWidget *>(QStringLiteral("searchDock"));
        QVERIFY(dock);
        dock->installEventFilter(&count);
        auto *panel = window->searchPanel();
        panel->installEventFilter(&count);
        for (const char *more : {"-", "o"}) {
            QSignalSpy status(window->currentTab(), &TabPage::statusTextChanged);
            QVERIFY(searchFor(*window, QString::fromLatin1(more), QStringLiteral("Found: 1 objects")));
            // The status said "Searching..." in between: this search ran.
            QVERIFY(status.size() >= 2);
        }
        QCOMPARE(count.requests, 0);
    }

    // After a language switch the status still gives the search's own duration, not the time since.
    void statusKeepsTheDurationAcrossLanguages()
    {
        QVERIFY(WindowTest::installTranslation(QStringLiteral("de")));
        const QString folder = QDir::homePath() + QStringLiteral("/duration");
        QVERIFY(TestFiles::write(folder + QStringLiteral("/lasting.txt"), QByteArray()));
        auto window = makeWindow();
        QVERIFY(searchFor(*window, QStringLiteral("lasting"), QStringLiteral("Found: 1 objects in 0s")));
        QElapsedTimer since;
        since.start();
        // A second must pass for a wrong duration to show.
        QVERIFY(QTest::qWaitFor([&] { return since.hasExpired(1100); }, 5000));
        window->loadLanguage(QStringLiteral("de"));
        QTRY_COMPARE(window->tabStatusText(), QStringLiteral("Gefunden: 1 Objekte in 0s"));
    }

    // Export tells where the file went, or why it could not be written.
    void exportSaysHowItWent_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("written") << true;
        QTest::newRow("folder missing") << false;
    }

    void exportSaysHowItWent()
    {
        QFETCH(bool, writable);
        QString folder;
        auto window = makeWindow();
        QVERIFY(searchTwoFiles(*window, &folder));
        const QString file = folder + (writable ? QStringLiteral("/out.csv") : QStringLiteral("/missing/out.csv"));
        QSignalSpy finished(window->currentTab()->exporter(), &ResultsCsvExport::finished);
        window->exportResultsTo(file);
        QVERIFY(finished.wait());
        auto *failure = window->findChild<QMessageBox *>(QStringLiteral("exportFailedMessage"));
        QCOMPARE(QFileInfo::exists(file), writable);
        if (writable) {
            QVERIFY(!failure);
            QCOMPARE(window->statusBar()->currentMessage(), "The results were exported to " + file + ".");
        } else {
            QVERIFY(failure);
            QVERIFY2(failure->text().contains(file), qPrintable(failure->text()));
            QVERIFY2(failure->informativeText().contains("No such file"), qPrintable(failure->informativeText()));
            delete failure;
        }
        QVERIFY(window->findChild<QProgressBar *>(QStringLiteral("exportProgressBar"))->isHidden());
    }

    // The panel's folder field offers the folders (not the files) under what is typed, also as the last entry
    // of a list, and the chosen one keeps the entries before it.
    void folderFieldCompletesFolders_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("one folder") << QString();
        QTest::newRow("last of a list") << QStringLiteral("/usr;!");
    }

    void folderFieldCompletesFolders()
    {
        QFETCH(QString, before);
        const QString folder = QDir::homePath() + QStringLiteral("/completion-tests");
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/alpha-one")));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/alpha-two")));
        QVERIFY(TestFiles::write(folder + QStringLiteral("/alpha-file.txt"), "x"));
        auto window = makeWindow();
        QVERIFY(activate(*window));
        auto *field = window->searchPanel()->findChild<QComboBox *>(QStringLiteral("directoryComboBox"));
        QCompleter *completer = field->completer();
        QVERIFY(completer);
        QTest::mouseClick(window->searchPanel()->findChild<QCheckBox *>(QStringLiteral("directoryCheckBox")),
                          Qt::LeftButton);
        QVERIFY(field->isEnabled());
        field->lineEdit()->setFocus();
        QTest::keyClicks(field->lineEdit(), before + folder + QStringLiteral("/alpha"));
        // The folders are listed on another thread; what a person would see as the next key is typed.
        QVERIFY(QTest::qWaitFor([&] {
            completer->setCompletionPrefix(field->currentText());
            return completer->completionCount() == 2;
        }, 10000));
        QStringList offered;
        // What a chosen row puts into the field.
        auto *completions = qobject_cast<QAbstractProxyModel *>(completer->completionModel());
        QVERIFY(completions);
        for (int row = 0; row < completer->completionCount(); ++row)
            offered << completer->pathFromIndex(completions->mapToSource(completions->index(row, 0)));
        offered.sort();
        QCOMPARE(offered, (QStringList{before + folder + QStringLiteral("/alpha-one"),
                                       before + folder + QStringLiteral("/alpha-two")}));
        QDir(folder).removeRecursively();
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
