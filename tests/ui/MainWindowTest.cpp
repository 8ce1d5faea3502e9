#include "app/DataPaths.h"
#include "app/MetaTypes.h"
#include "app/Settings.h"
#include "app/TaskScheduler.h"
#include "platform/linux/Polkit.h"
#include "ui/BackgroundTray.h"
#include "ui/FileTable.h"
#include "ui/FileTableModel.h"
#include "ui/FilterBar.h"
#include "ui/InstantToolBar.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowActions.h"
#include "ui/OptionsDialog.h"
#include "ui/PagesTabWidget.h"
#include "ui/RichComboBox.h"
#include "ui/SearchWindow.h"
#include "ui/ShellOpen.h"
#include "ui/ShellUtils.h"
#include "ui/TabPage.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <algorithm>
#include <memory>

// The main window as the program makes it, without an index: tabs, the
// tabs file, the routing of finished searches, and one search typed into
// the instant toolbar compared with what tvq finds.
class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void tabIdsKeepGrowingAfterCloses();
    void closingTheOnlyTabClearsIt();
    void tabsFileHoldsAllOrOnlyTheCurrentTab_data();
    void tabsFileHoldsAllOrOnlyTheCurrentTab();
    void tabsFileIsRead_data();
    void tabsFileIsRead();
    void pathArgumentOpensOneTabAndIgnoresTheSavedOnes();
    void unknownFinishedIdChangesNothing();
    void manualFolderFollowsTheLanguage_data();
    void manualFolderFollowsTheLanguage();
    void runningHintIsShownOnce();
    void optionsDecideBackgroundMode_data();
    void optionsDecideBackgroundMode();
    void languageSwitchesAtOnce_data();
    void languageSwitchesAtOnce();
    void instantSearchShowsWhatTvqFinds();
    void editActionsReachTheTable_data();
    void editActionsReachTheTable();

private:
    std::unique_ptr<MainWindow> makeWindow(const QStringList &extra = {});
    static void setFileName(MainWindow &window, const QString &name);
    static void writeTabsFile(const QByteArray &bytes);
    static QList<QPair<QString, QString>> savedTabs(int *currentTab);
};

void MainWindowTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    registerMetaTypes();
    Settings::instance(DataPaths::settingsFilePath());
}

void MainWindowTest::init()
{
    QFile::remove(MainWindow::tabsFilePath());
    Settings::instance()->setValue(Settings::SaveAllTabs, false);
    Settings::instance()->setValue(Settings::Language, QStringLiteral("en"));
}

std::unique_ptr<MainWindow> MainWindowTest::makeWindow(const QStringList &extra)
{
    return std::make_unique<MainWindow>(QStringList{QStringLiteral("talvenquist")} + extra, /*useIndex=*/false);
}

void MainWindowTest::setFileName(MainWindow &window, const QString &name)
{
    window.searchPanel()->findChild<QComboBox *>(QStringLiteral("fileNameComboBox"))->setEditText(name);
}

void MainWindowTest::writeTabsFile(const QByteArray &bytes)
{
    QDir().mkpath(DataPaths::dataDirectory());
    QFile file(MainWindow::tabsFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// (file name, folder) of every saved tab.
QList<QPair<QString, QString>> MainWindowTest::savedTabs(int *currentTab)
{
    QList<QPair<QString, QString>> tabs;
    QFile file(MainWindow::tabsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return tabs;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QString value = reader.attributes().value(QStringLiteral("value")).toString();
        if (reader.name() == QLatin1String("tabs"))
            *currentTab = reader.attributes().value(QStringLiteral("current_tab")).toInt();
        else if (reader.name() == QLatin1String("tab"))
            tabs.append(QPair<QString, QString>());
        else if (reader.name() == QLatin1String("fileNameComboBox"))
            tabs.last().first = value;
        else if (reader.name() == QLatin1String("directoryComboBox"))
            tabs.last().second = value;
    }
    return tabs;
}

void MainWindowTest::tabIdsKeepGrowingAfterCloses()
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
}

void MainWindowTest::closingTheOnlyTabClearsIt()
{
    auto window = makeWindow();
    setFileName(*window, QStringLiteral("kept?"));
    window->actions()->actionClosePage->trigger();
    QCOMPARE(window->tabWidget()->count(), 1);
    QCOMPARE(window->searchPanel()->parameters().value(QStringLiteral("fileNameComboBox")), QString());
}

void MainWindowTest::tabsFileHoldsAllOrOnlyTheCurrentTab_data()
{
    QTest::addColumn<bool>("saveAll");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("all tabs") << true << QStringList{"first", "second"};
    QTest::newRow("current tab only") << false << QStringList{"second"};
}

void MainWindowTest::tabsFileHoldsAllOrOnlyTheCurrentTab()
{
    QFETCH(bool, saveAll);
    QFETCH(QStringList, names);
    Settings::instance()->setValue(Settings::SaveAllTabs, saveAll);
    {
        auto window = makeWindow();
        setFileName(*window, QStringLiteral("first"));
        window->onDuplicateSearch();
        setFileName(*window, QStringLiteral("second"));
    }
    int current = -1;
    const auto tabs = savedTabs(&current);
    QCOMPARE(current, 1);
    QStringList saved;
    for (const auto &tab : tabs)
        saved.append(tab.first);
    QCOMPARE(saved, names);
}

void MainWindowTest::tabsFileIsRead_data()
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
        << QByteArray("<windows current_tab=\"1\"><tab><fileNameComboBox value=\"x\"/></tab></windows>") << 1 << 0
        << "";
}

void MainWindowTest::tabsFileIsRead()
{
    QFETCH(QByteArray, file);
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(QString, currentName);
    writeTabsFile(file);
    auto window = makeWindow();
    QCOMPARE(window->tabWidget()->count(), count);
    QCOMPARE(window->tabWidget()->currentIndex(), current);
    QCOMPARE(window->searchPanel()->parameters().value(QStringLiteral("fileNameComboBox")), currentName);
}

void MainWindowTest::pathArgumentOpensOneTabAndIgnoresTheSavedOnes()
{
    writeTabsFile("<tabs current_tab=\"0\" version=\"1.0\"><tab/><tab/><tab/></tabs>");
    auto window = makeWindow({QStringLiteral("-path"), QStringLiteral("/srv/data")});
    QCOMPARE(window->tabWidget()->count(), 1);
    QCOMPARE(window->searchPanel()->parameters().value(QStringLiteral("directoryComboBox")),
             QStringLiteral("/srv/data"));
}

void MainWindowTest::unknownFinishedIdChangesNothing()
{
    auto window = makeWindow();
    TabPage *tab = window->currentTab();
    QSignalSpy status(tab, &TabPage::statusTextChanged);
    window->onFindFinished(123456);
    window->onFindMatchesFinished(123456);
    QCOMPARE(tab->state(), TabPage::Idle);
    QCOMPARE(status.count(), 0);
    QCOMPARE(window->tabStatusText(), QString());
}

void MainWindowTest::manualFolderFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("folder");
    QTest::newRow("German") << "de" << "de";
    QTest::newRow("Czech") << "cz" << "cz";
    QTest::newRow("Chinese Simplified") << "cs" << "en";
    QTest::newRow("English") << "en" << "en";
}

void MainWindowTest::manualFolderFollowsTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, folder);
    QString opened;
    setShellOpener([&opened](QWidget *, const QString &path, const QString &) {
        opened = path;
        return true;
    });
    auto window = makeWindow();
    Settings::instance()->setValue(Settings::Language, language);
    window->actions()->actionHelp->trigger();
    setShellOpener(nullptr);
    QVERIFY2(opened.endsWith(QStringLiteral("/help/%1/index.html").arg(folder)), qPrintable(opened));
}

void MainWindowTest::runningHintIsShownOnce()
{
    Settings::instance()->setValue(Settings::RunInBackground, true);
    Settings::instance()->setValue(Settings::RunInBackgroundHintShown, false);
    auto window = makeWindow();
    QSignalSpy hints(window->tray(), &BackgroundTray::hintShown);
    window->close();
    window->showNormal();
    window->close();
    QCOMPARE(hints.count(), 1);
    QCOMPARE(hints.first().first().toString(), QStringLiteral("Talvenquist is still running."));
    QVERIFY(Settings::instance()->value(Settings::RunInBackgroundHintShown).toBool());
}

void MainWindowTest::optionsDecideBackgroundMode_data()
{
    QTest::addColumn<bool>("background");
    QTest::addColumn<bool>("fromFilterBar");
    QTest::newRow("on, from the menu") << true << false;
    QTest::newRow("off, from the filter bar") << false << true;
}

void MainWindowTest::optionsDecideBackgroundMode()
{
    QFETCH(bool, background);
    QFETCH(bool, fromFilterBar);
    // Accepting writes the desktop's files; these stand in for the system's.
    QTemporaryDir system;
    Polkit::setRulesDirectory(system.path());
    setSystemDataDirectory(system.path());
    Settings::instance()->setValue(Settings::RunInBackground, !background);
    auto window = makeWindow();
    QString page;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<OptionsDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        page = dialog->findChild<QStackedWidget *>("pageFrame")->currentWidget()->objectName();
        dialog->findChild<QCheckBox *>("backgroundCheckBox")->setChecked(background);
        dialog->onAccept();
    });
    if (fromFilterBar)
        window->currentTab()->table()->filterBar()->customizeAction()->trigger();
    else
        window->actions()->actionOptions->trigger();
    Polkit::setRulesDirectory(QString());
    setSystemDataDirectory(QString());
    QCOMPARE(page, fromFilterBar ? QStringLiteral("OptionsPageCategories") : QStringLiteral("OptionsGeneral"));
    QCOMPARE(QApplication::quitOnLastWindowClosed(), !background);
    QCOMPARE(window->tray()->isVisible(), background);
}

void MainWindowTest::languageSwitchesAtOnce_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("newSearch");
    QTest::addColumn<QString>("indexLabel");
    QTest::newRow("German") << "de" << "&Neue Suche" << "Index: deaktiviert";
    QTest::newRow("Czech") << "cz" << "&Nové hledání" << "Index: vypnut";
    QTest::newRow("back to English") << "en" << "&New Search" << "Index: disabled";
}

void MainWindowTest::languageSwitchesAtOnce()
{
    QFETCH(QString, language);
    QFETCH(QString, newSearch);
    QFETCH(QString, indexLabel);
    // The program's translations are found beside the program.
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/languages");
    QDir().mkpath(folder);
    QFile::remove(folder + QStringLiteral("/%1.qm").arg(language));
    QVERIFY(QFile::copy(QStringLiteral(TVQ_LANGUAGES_DIR "/%1.qm").arg(language),
                        folder + QStringLiteral("/%1.qm").arg(language)));
    auto window = makeWindow();
    const QList<QAction *> languages = window->actions()->languageActions();
    const auto chosen = std::find_if(languages.begin(), languages.end(),
                                     [&](QAction *action) { return action->property("id") == language; });
    QVERIFY(chosen != languages.end());
    (*chosen)->trigger();
    QTRY_COMPARE(window->actions()->actionNewSearch->text(), newSearch);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("indexLabel"))->text(), indexLabel);
    QCOMPARE(window->tabWidget()->tabText(0), window->currentTab()->title().isEmpty()
                                                  ? QCoreApplication::translate("MainWindow", "New search")
                                                  : window->currentTab()->title());
    QCOMPARE(Settings::instance()->value(Settings::Language).toString(), language);
}

void MainWindowTest::instantSearchShowsWhatTvqFinds()
{
    // Without an index a search that names no folder walks the home folder,
    // which the test harness made private to this test.
    const QString root = QDir::homePath() + QStringLiteral("/tree");
    QVERIFY(QDir().mkpath(root + QStringLiteral("/sub/deeper")));
    for (const char *name : {"report-1.txt", "sub/Report-2.log", "sub/deeper/old-report", "other.txt"}) {
        QFile file(root + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    auto window = makeWindow();
    QLineEdit *field = window->instantToolBar()->nameComboBox()->lineEdit();
    QTest::keyClicks(field, QStringLiteral("report"));
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(window->tabStatusText().startsWith(QStringLiteral("Found:")), 30000);
    const QRegularExpressionMatch status =
        QRegularExpression(QStringLiteral("^Found: (\\d+) objects in (\\d+)s$")).match(window->tabStatusText());
    QVERIFY2(status.hasMatch(), qPrintable(window->tabStatusText()));

    FileTable *table = window->currentTab()->table();
    QStringList shown;
    for (int row = 0; row < status.captured(1).toInt(); ++row)
        shown.append(table->fullPath(row));
    shown.sort();

    QProcess tvq;
    tvq.start(QStringLiteral(TVQ_CLI), {QStringLiteral("--no-index"), QStringLiteral("--in"), QDir::homePath(),
                                        QStringLiteral("report")});
    QVERIFY(tvq.waitForFinished(60000));
    QStringList printed = QString::fromUtf8(tvq.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    printed.sort();
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown, printed);
}

void MainWindowTest::editActionsReachTheTable_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("rowsLeft");
    const QString folder = QDir::homePath() + QStringLiteral("/edits");
    const QString a = folder + QStringLiteral("/editme a.txt");
    const QString b = folder + QStringLiteral("/editme b.txt");
    QTest::newRow("copy name") << "actionCopyName" << "editme a.txt\neditme b.txt" << 2;
    QTest::newRow("copy full name") << "actionCopyFullName" << a + '\n' + b << 2;
    QTest::newRow("copy path") << "actionCopyPath" << folder + '\n' + folder << 2;
    QTest::newRow("cut") << "actionCut" << a + '\n' + b << 2;
    QTest::newRow("delete: to the trash") << "actionDelete" << QString() << 0;
    QTest::newRow("shift+delete: for good") << "actionDeletePermanently" << QString() << 0;
}

void MainWindowTest::editActionsReachTheTable()
{
    QFETCH(QString, action);
    QFETCH(QString, clipboard);
    QFETCH(int, rowsLeft);
    const QString folder = QDir::homePath() + QStringLiteral("/edits");
    QVERIFY(QDir().mkpath(folder));
    for (const char *name : {"editme a.txt", "editme b.txt"}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // The search walks the home folder, trash included: what an earlier
    // row trashed would be found again.
    const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
    for (const char *name : {"editme a.txt", "editme b.txt"}) {
        QFile::remove(trash + QStringLiteral("/info/") + QLatin1String(name) + QStringLiteral(".trashinfo"));
        QFile::remove(trash + QStringLiteral("/files/") + QLatin1String(name));
    }
    QStringList asked;
    ShellUtils::setQuestion([&](QWidget *, const QString &text) {
        asked.append(text);
        return true;
    });
    QGuiApplication::clipboard()->clear();
    auto window = makeWindow();
    QLineEdit *field = window->instantToolBar()->nameComboBox()->lineEdit();
    QTest::keyClicks(field, QStringLiteral("editme"));
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(window->tabStatusText().startsWith(QStringLiteral("Found: 2 ")), 30000);
    window->actions()->actionSelectAll->trigger();
    window->findChild<QAction *>(action)->trigger();
    ShellUtils::setQuestion(nullptr);

    QCOMPARE(window->currentTab()->table()->model()->rowCount(), rowsLeft);
    QCOMPARE(QFileInfo::exists(folder + QStringLiteral("/editme a.txt")), rowsLeft != 0);
    QCOMPARE(asked.size(), action == QLatin1String("actionDeletePermanently") ? 1 : 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    if (action == QLatin1String("actionCut"))
        QVERIFY(QGuiApplication::clipboard()->mimeData()->data("x-special/gnome-copied-files").startsWith("cut\n"));
    QCOMPARE(QFileInfo::exists(trash + QStringLiteral("/info/editme a.txt.trashinfo")),
             action == QLatin1String("actionDelete"));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
