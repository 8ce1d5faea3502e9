#include "WindowTestSupport.h"

#include "base/DataPaths.h"
#include "base/MetaTypes.h"
#include "search/FileSearcher.h"
#include "support/TestFiles.h"
#include "ui/FileTable.h"
#include "ui/FileTableColumns.h"
#include "ui/FileTableModel.h"
#include "ui/FileTableView.h"
#include "ui/FilterBar.h"
#include "ui/MainWindow.h"
#include "ui/PagesTabWidget.h"
#include "ui/SearchWindow.h"
#include "ui/TabPage.h"

#include <QAccessible>
#include <QHeaderView>
#include <QProgressBar>
#include <QRadioButton>
#include <QSet>

namespace {

const int kFiles = 4000;

// Files that all hold the content searched for, in a folder of the test's private home.
QString makeTree(const QString &name)
{
    // Named with its size: a tree an earlier run made with another count is not taken for it.
    const QString root = QDir::homePath() + QLatin1Char('/') + name + QString::number(kFiles);
    if (QFileInfo::exists(root))
        return root;
    const QByteArray text = QByteArray("a line without it\n").repeated(100) + "needle\n";
    for (int i = 0; i < kFiles; ++i) {
        if (!TestFiles::write(root + QStringLiteral("/f%1.txt").arg(i, 4, 10, QLatin1Char('0')), text))
            return QString();
    }
    return root;
}

// Fills the shared panel with a content search in `folder` and presses its find button. An alternation is
// not decided on raw bytes, so every file is read: the search runs long enough to be met while running.
void startContentSearch(MainWindow &window, const QString &folder)
{
    SearchWindow *panel = window.searchPanel();
    panel->loadParameters({{"fileNameComboBox", "f"},
                           {"directoryCheckBox", "1"},
                           {"directoryComboBox", folder},
                           {"contentsCheckBox", "1"},
                           {"contentsComboBox", "needle|zzz"},
                           {"contentsFormatComboBox", "Regex"}});
    WindowTest::child<QPushButton>(panel, "findButton")->click();
}

// Rows arrive many times while the search runs, not every two seconds.
void refreshOften(TabPage *tab)
{
    WindowTest::child<QTimer>(tab, "refreshTimer")->setInterval(20);
}

QSet<QString> selectedPaths(FileTableView *view)
{
    const QStringList paths = view->selectedPaths();
    return QSet<QString>(paths.cbegin(), paths.cend());
}

QString currentPath(FileTableView *view)
{
    return view->currentIndex().sibling(view->currentIndex().row(), 0).data(FileTableModel::FullPathRole).toString();
}

int examined(MainWindow &window, TabPage *tab)
{
    FileSearchRequest probe;
    probe.id = tab->requestId();
    int done = 0;
    int total = 0;
    window.searcher()->progress(probe, done, total);
    return done;
}

} // namespace

// The results table as it lives in the real main window: rows arriving under the user, searches of two tabs,
// the columns and the category boxes.
class ResultsWindowTest : public QObject
{
    Q_OBJECT

    static std::unique_ptr<MainWindow> makeWindow()
    {
        auto window = std::make_unique<MainWindow>(QStringList{QStringLiteral("talvenquist")}, /*useIndex=*/false);
        window->show();
        return window;
    }

private slots:
    void initTestCase()
    {
        WindowTest::pinLocale();
        registerMetaTypes();
        Settings::instance(DataPaths::settingsFilePath());
        QVERIFY(!makeTree(QStringLiteral("grow")).isEmpty());
    }

    void init()
    {
        QFile::remove(MainWindow::tabsFilePath());
        Settings::instance()->setFileColumns({});
        Settings::instance()->setValue(Settings::SortColumn, 0);
    }

    // Rows are inserted, never reset, while the search runs: the user's selection, current row and rename
    // editor stay, and the preview is not asked for again; the final order keeps the selection too.
    void rowsArriveAroundTheUser()
    {
        auto window = makeWindow();
        TabPage *tab = window->currentTab();
        FileTable *table = tab->table();
        FileTableView *view = table->view();
        refreshOften(tab);
        QSignalSpy resets(table->model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserts(table->model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy previews(table, &FileTable::fileSelected);
        startContentSearch(*window, makeTree(QStringLiteral("grow")));
        resets.clear();
        QTRY_VERIFY_WITH_TIMEOUT(table->model()->rowCount() >= 3 || !tab->isSearching(), 30000);
        QVERIFY2(tab->isSearching(), "the search ended before rows could be met arriving");
        QCOMPARE(previews.size(), 1); // row 0, chosen for the user when the first rows came

        view->selectRow(2);
        view->selectionModel()->select(table->model()->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        const QSet<QString> selected = selectedPaths(view);
        const QString current = currentPath(view);
        QCOMPARE(selected.size(), 2);
        QCOMPARE(previews.size(), 2);
        view->edit(view->currentIndex().sibling(view->currentIndex().row(), NameColumn));
        auto *editor = view->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->setText(QStringLiteral("typed by hand"));

        const int rows = table->model()->rowCount();
        QTRY_VERIFY_WITH_TIMEOUT(table->model()->rowCount() > rows || !tab->isSearching(), 30000);
        QVERIFY2(table->model()->rowCount() > rows, "no rows arrived while the editor was open");
        QCOMPARE(resets.size(), 0);
        QVERIFY(inserts.size() >= 2);
        QCOMPARE(selectedPaths(view), selected);
        QCOMPARE(currentPath(view), current);
        QVERIFY(view->isEditing());
        QCOMPARE(editor->text(), QStringLiteral("typed by hand"));

        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(tab->state() == TabPage::Finished, 60000);
        QCOMPARE(tab->statusText().section(QLatin1Char(' '), 1, 1), QString::number(kFiles));
        QCOMPARE(table->model()->rowCount(), kFiles);
        // Sorted by name at the end, with the user's files still the selected ones.
        QCOMPARE(table->fullPath(0).section(QLatin1Char('/'), -1), QStringLiteral("f0000.txt"));
        QCOMPARE(selectedPaths(view), selected);
        QCOMPARE(currentPath(view), current);
        QCOMPARE(previews.size(), 2);
        QVERIFY(tab->isPreviewOpen());
    }

    // Canceling one tab's content search, or closing the tab, neither drops nor waits for the checks of
    // another tab's search, which finishes complete.
    void oneTabCanceledTheOtherComplete_data()
    {
        QTest::addColumn<bool>("closeTab");
        QTest::newRow("cancel") << false;
        QTest::newRow("close the tab") << true;
    }

    void oneTabCanceledTheOtherComplete()
    {
        QFETCH(bool, closeTab);
        auto window = makeWindow();
        const QString folder = makeTree(QStringLiteral("grow"));
        TabPage *canceled = window->currentTab();
        startContentSearch(*window, folder);
        window->onNewSearch();
        TabPage *kept = window->currentTab();
        startContentSearch(*window, folder);
        QTRY_VERIFY_WITH_TIMEOUT(examined(*window, kept) > 0 && examined(*window, canceled) > 0, 30000);
        window->tabWidget()->setCurrentIndex(0);
        if (closeTab)
            window->tabWidget()->closeTab(0);
        else
            WindowTest::child<QPushButton>(window->searchPanel(), "findButton")->click();
        QVERIFY2(kept->isSearching(), "the other search ended before the cancel: nothing was tested");
        if (!closeTab)
            QCOMPARE(canceled->state(), TabPage::Idle);
        // The shared panel's bar shows the shown tab's search only.
        auto *bar = WindowTest::child<QProgressBar>(window->searchPanel(), "progressBar");
        refreshOften(kept);
        QSignalSpy barMoved(bar, &QProgressBar::valueChanged);
        QTRY_VERIFY_WITH_TIMEOUT(kept->state() == TabPage::Finished, 60000);
        if (!closeTab)
            QCOMPARE(barMoved.size(), 0);
        QCOMPARE(kept->statusText().section(QLatin1Char(' '), 1, 1), QString::number(kFiles));
        QVERIFY(!window->searcher()->isSearching());
    }

    // After a sort by size, the next search sorts again only as a header click would: many rows are sorted
    // only when the user agrees; declined, the rows stay as they came and the indicator says so.
    void nextSearchSortsAgainUnderTheRule_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("sorted");
        QTest::newRow("few rows") << 3 << false << false << true;
        QTest::newRow("many rows, yes") << 1001 << true << true << true;
        QTest::newRow("many rows, no") << 1001 << false << true << false;
    }

    void nextSearchSortsAgainUnderTheRule()
    {
        QFETCH(int, files);
        QFETCH(bool, answer);
        const QString folder = QDir::homePath() + QStringLiteral("/sizes%1").arg(files);
        // Sizes run opposite to the names, so a sort by size reverses the name order.
        for (int i = 0; i < files; ++i) {
            const QString name = QStringLiteral("/s%1").arg(i, 4, 10, QLatin1Char('0'));
            QVERIFY(TestFiles::write(folder + name, QByteArray(files - i, 'x')));
        }
        auto window = makeWindow();
        FileTable *table = window->currentTab()->table();
        int questions = 0;
        table->view()->setSortConfirmation([&](QWidget *, int) {
            ++questions;
            return answer;
        });
        table->view()->setSortIndicatorQuietly(SizeColumn, Qt::AscendingOrder);
        window->searchPanel()->loadParameters({{"directoryCheckBox", "1"}, {"directoryComboBox", folder}});
        WindowTest::child<QPushButton>(window->searchPanel(), "findButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(window->currentTab()->state() == TabPage::Finished, 30000);
        QFETCH(bool, sorted);
        QTEST(questions > 0, "asked");
        QCOMPARE(table->view()->horizontalHeader()->sortIndicatorSection(), sorted ? int(SizeColumn) : -1);
        QStringList smallestFirst;
        for (int i = files - 1; i >= files - 3; --i)
            smallestFirst.append(folder + QStringLiteral("/s%1").arg(i, 4, 10, QLatin1Char('0')));
        const auto firstRows = [table] {
            return QStringList{table->fullPath(0), table->fullPath(1), table->fullPath(2)};
        };
        if (sorted)
            QTRY_COMPARE(firstRows(), smallestFirst);
        else
            QVERIFY(firstRows() != smallestFirst);
    }

    // The header's menu offers every column; what is shown, its order and widths come back in a new window,
    // and with Matches shown the search counts them.
    void columnsChosenFromTheHeader()
    {
        {
            auto window = makeWindow();
            FileTable *table = window->currentTab()->table();
            QHeaderView *header = table->view()->horizontalHeader();
            QStringList offered;
            QList<bool> checked;
            QList<bool> enabled;
            QTimer::singleShot(0, this, [&] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                QVERIFY(menu);
                for (QAction *action : menu->actions()) {
                    offered.append(action->text());
                    checked.append(action->isChecked());
                    enabled.append(action->isEnabled());
                }
                menu->actions().at(MatchesColumn)->trigger();
                menu->close();
            });
            emit header->customContextMenuRequested(QPoint(10, 5));
            QCOMPARE(offered, (QStringList{"Name", "Path", "Size", "Created", "Modified", "Last Accessed", "Type",
                                           "Matches"}));
            QCOMPARE(checked, (QList<bool>{true, true, true, false, true, false, true, false}));
            QCOMPARE(enabled, (QList<bool>{false, true, true, true, true, true, true, true}));
            table->setColumnShown(PathColumn, false);
            header->moveSection(header->visualIndex(MatchesColumn), 1);
            header->resizeSection(MatchesColumn, 77);
        }
        auto window = makeWindow();
        FileTable *table = window->currentTab()->table();
        QHeaderView *header = table->view()->horizontalHeader();
        QCOMPARE(table->columns()->types(), (QList<int>{NameColumn, MatchesColumn, SizeColumn, ModifiedColumn,
                                                         TypeColumn}));
        QVERIFY(header->isSectionHidden(PathColumn));
        QCOMPARE(header->visualIndex(MatchesColumn), 1);
        QCOMPARE(header->sectionSize(MatchesColumn), 77);

        QDir().mkpath(QDir::homePath() + "/count");
        QVERIFY(TestFiles::write(QDir::homePath() + "/count/three.txt", "needle needle\nneedle\n"));
        window->searchPanel()->loadParameters({{"directoryCheckBox", "1"},
                                               {"directoryComboBox", QDir::homePath() + "/count"},
                                               {"contentsCheckBox", "1"},
                                               {"contentsComboBox", "needle"}});
        WindowTest::child<QPushButton>(window->searchPanel(), "findButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(window->currentTab()->state() == TabPage::Finished, 30000);
        QCOMPARE(table->model()->index(0, MatchesColumn).data().toString(), QStringLiteral("3"));
    }

    // The category boxes are reached from the table with the keyboard (at the chosen one), switched with the
    // arrow keys and announced as radio buttons: one choice among several.
    void categoriesByKeyboard()
    {
        Settings::instance()->setValue(Settings::ShowFilterBar, true);
        Settings::instance()->setFileCategories({{QString(), QString(), "All"}, {"d", QString(), "Directory"}});
        QDir().mkpath(QDir::homePath() + "/cats/sub");
        QVERIFY(TestFiles::write(QDir::homePath() + "/cats/file.txt", ""));
        auto window = makeWindow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        FileTable *table = window->currentTab()->table();
        window->searchPanel()->loadParameters({{"directoryCheckBox", "1"},
                                               {"directoryComboBox", QDir::homePath() + "/cats"}});
        WindowTest::child<QPushButton>(window->searchPanel(), "findButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(window->currentTab()->state() == TabPage::Finished, 30000);
        QCOMPARE(table->model()->rowCount(), 2);

        table->view()->setFocus();
        QTest::keyClick(table->view(), Qt::Key_Backtab, Qt::ShiftModifier);
        auto *box = qobject_cast<QRadioButton *>(QApplication::focusWidget());
        QVERIFY(box);
        QCOMPARE(box->parentWidget(), table->filterBar());
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(accessible->role(), QAccessible::RadioButton);
        QCOMPARE(accessible->text(QAccessible::Name), box->text());

        const QList<QRadioButton *> boxes = table->filterBar()->findChildren<QRadioButton *>();
        QCOMPARE(boxes.indexOf(box), 0);
        QTest::keyClick(box, Qt::Key_Right);
        QCOMPARE(table->currentFilter(), 1);
        QCOMPARE(QApplication::focusWidget(), boxes.at(1));
        QCOMPARE(table->model()->rowCount(), 1);
        QCOMPARE(table->fullPath(0), QDir::homePath() + "/cats/sub");
        // Tab now stops at the box chosen last.
        table->view()->setFocus();
        QTest::keyClick(table->view(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), boxes.at(1));
        Settings::instance()->setValue(Settings::ShowFilterBar, false);
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "ResultsWindowTest.moc"
