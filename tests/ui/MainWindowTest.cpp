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
#include "ui/FilterBar.h"
#include "ui/InstantToolBar.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowActions.h"
#include "ui/OptionsDialog.h"
#include "ui/PagesTabWidget.h"
#include "ui/RichComboBox.h"
#include "ui/SearchWindow.h"
#include "ui/TabPage.h"
#include "ui/TabsFile.h"

#include <QClipboard>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

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

    void editActionsReachTheTable()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/edits");
        const QString a = folder + QStringLiteral("/editme a.txt");
        const QString b = folder + QStringLiteral("/editme b.txt");
        QVERIFY(TestFiles::write(a, QByteArray()) && TestFiles::write(b, QByteArray()));
        // The search walks the home folder, trash included: what an earlier run trashed would be found again.
        const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
        QDir(trash).removeRecursively();
        WindowTest::RecordedMessages messages;
        auto window = makeWindow();
        QVERIFY(searchFor(*window, QStringLiteral("editme"), QStringLiteral("Found: 2 ")));
        MainWindowActions *actions = window->actions();
        actions->actionSelectAll->trigger();
        const QList<QPair<QAction *, QString>> copies = {{actions->actionCopyName, "editme a.txt\neditme b.txt"},
                                                         {actions->actionCopyFullName, a + '\n' + b},
                                                         {actions->actionCopyPath, folder + '\n' + folder},
                                                         {actions->actionCut, a + '\n' + b}};
        for (const auto &copy : copies) {
            QGuiApplication::clipboard()->clear();
            copy.first->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text(), copy.second);
        }
        QVERIFY(QGuiApplication::clipboard()->mimeData()->data("x-special/gnome-copied-files").startsWith("cut\n"));

        FileTable *table = window->currentTab()->table();
        table->view()->selectRow(0);
        actions->actionDelete->trigger();
        QCOMPARE(table->model()->rowCount(), 1);
        QVERIFY(QFileInfo::exists(trash + QStringLiteral("/files/editme a.txt")));
        QCOMPARE(messages.questions.size(), 0);
        actions->actionSelectAll->trigger();
        actions->actionDeletePermanently->trigger();
        QCOMPARE(table->model()->rowCount(), 0);
        QCOMPARE(messages.questions.size(), 1);
        QVERIFY(!QFileInfo::exists(b));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
