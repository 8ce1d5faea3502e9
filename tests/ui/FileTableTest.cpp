#include "WindowTestSupport.h"

#include "query/ExpressionMatcher.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "support/TempTree.h"
#include "ui/FileSorter.h"
#include "ui/FileTable.h"
#include "ui/FileTableColumns.h"
#include "ui/FileTableModel.h"
#include "ui/FileTableView.h"
#include "ui/FilterBar.h"
#include "ui/RichTextDelegate.h"

#include <QHeaderView>
#include <QMimeData>
#include <QRadioButton>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

QString cell(FileTable &table, int row, int type)
{
    return table.model()->index(row, type).data().toString();
}

QStringList names(FileTable &table)
{
    QStringList shown;
    for (int row = 0; row < table.model()->rowCount(); ++row)
        shown.append(table.model()->index(row, 0).data(Qt::EditRole).toString());
    return shown;
}

void clickHeader(FileTableView *view, int column)
{
    QHeaderView *header = view->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
}

// Works for folders too, which cannot be opened as files to set their time.
bool setModified(const QString &path, const QDateTime &time)
{
    const qint64 seconds = time.toSecsSinceEpoch();
    const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

} // namespace

// The results table with its model, view, sorter and filter bar.
class FileTableTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        WindowTest::pinLocale();
        Settings::instance()->setFileColumns({});
    }

    void sizeText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << qint64(0) << "0 B";
        QTest::newRow("below a kilobyte") << qint64(1023) << "1023 B";
        QTest::newRow("one kilobyte") << qint64(1024) << "1 KB";
        QTest::newRow("999,999 KB") << qint64(999999) * 1024 << "999,999 KB";
        QTest::newRow("1,000,000 KB") << qint64(1000000) * 1024 << "1,000,000 KB";
        QTest::newRow("remainder dropped") << qint64(1234567890) << "1,205,632 KB";
    }

    void sizeText()
    {
        QFETCH(qint64, bytes);
        QTEST(FileTable::sizeText(bytes), "text");
    }

    void relativePath_data()
    {
        QTest::addColumn<QStringList>("includePaths");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        QTest::newRow("below F") << QStringList{"/data/docs"} << "/data/docs/sub/x" << "sub/x";
        QTest::newRow("F with separator") << QStringList{"/data/docs/"} << "/data/docs/sub" << "sub";
        QTest::newRow("directly in F") << QStringList{"/data/docs"} << "/data/docs" << "";
        QTest::newRow("root") << QStringList{"/"} << "/etc" << "etc";
        QTest::newRow("no folder") << QStringList{} << "/a/x" << "/a/x";
    }

    void relativePath()
    {
        QFETCH(QStringList, includePaths);
        QFETCH(QString, path);
        QTEST(FileTable::relativePath(path, includePaths), "shown");
    }

    void boldMatches_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("twice") << "rep" << "rep_old_rep.txt" << "<b>rep</b>_old_<b>rep</b>.txt";
        QTest::newRow("case kept") << "READ" << "Readme" << "<b>Read</b>me";
        QTest::newRow("escaped around") << "b" << "a<b>&.txt" << "a&lt;<b>b</b>&gt;&amp;.txt";
        QTest::newRow("no match") << "zzz" << "abc" << "abc";
    }

    void boldMatches()
    {
        QFETCH(QString, expression);
        QFETCH(QString, name);
        FileSearchRequest request;
        request.name = expression;
        ExpressionMatcher matcher(expression, request.nameMatchOptions());
        QTEST(FileTable::boldMatches(name, &matcher), "shown");
    }

    void sortConfirmation_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("sorted");
        QTest::newRow("1000 rows by path") << 1000 << 1 << false << false << true;
        QTest::newRow("1001 rows by name") << 1001 << 0 << false << false << true;
        QTest::newRow("1001 rows by path, yes") << 1001 << 1 << true << true << true;
        QTest::newRow("1001 rows by path, no") << 1001 << 1 << false << true << false;
    }

    void sortConfirmation()
    {
        QFETCH(int, rows);
        QFETCH(int, column);
        QFETCH(bool, answer);
        // Names, paths and types all run opposite to the row order.
        FileSearchResults results;
        for (int i = rows; i > 0; --i) {
            const QString key = QString::number(i).rightJustified(5, QLatin1Char('0'));
            results.addFile(QStringLiteral("f%1.%1").arg(key), QStringLiteral("/p%1").arg(key), 0);
        }
        FileTable table;
        table.widget()->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.widget()));
        table.view()->setSortIndicatorQuietly(-1, Qt::AscendingOrder);
        table.setResults(nullptr, &results, {});
        int questions = 0;
        table.view()->setSortConfirmation([&](QWidget *, int n) {
            ++questions;
            return n == rows && answer;
        });
        const QString first = names(table).constFirst();
        clickHeader(table.view(), column);
        QFETCH(bool, asked);
        QFETCH(bool, sorted);
        QCOMPARE(questions, asked ? 1 : 0);
        QCOMPARE(names(table).constFirst() != first, sorted);
        QCOMPARE(table.view()->horizontalHeader()->sortIndicatorSection(), sorted ? column : -1);
    }

    void openingRows()
    {
        FileSearchResults results;
        results.addFile(QStringLiteral("a"), QStringLiteral("/p"), 0);
        results.addFile(QStringLiteral("b"), QStringLiteral("/p"), 0);
        WindowTest::RecordedOpens opens;
        FileTable table;
        table.widget()->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.widget()));
        table.setResults(nullptr, &results, {});
        QSignalSpy selected(&table, &FileTable::fileSelected);
        table.view()->selectRow(1);
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.last().at(0).toString(), QStringLiteral("/p/b"));
        QTest::keyClick(table.view(), Qt::Key_Enter);
        QCOMPARE(opens.paths, QStringList());
        QTest::keyClick(table.view(), Qt::Key_Return);
        QCOMPARE(opens.paths, QStringList{"/p/b"});
        const QRect cell = table.view()->visualRect(table.model()->index(0, 1));
        QTest::mouseDClick(table.view()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(opens.paths, (QStringList{"/p/b", "/p/a"}));
    }

    // The name is read aloud and typed to find as it is; only the painter sees the bold parts.
    void cellRoles()
    {
        FileSearchResults results;
        results.addFile(QStringLiteral("x.txt"), QStringLiteral("/p"), 3);
        results.addFile(QStringLiteral("R&D <b>.txt"), QStringLiteral("/p"), 0);
        FileSearchRequest request;
        request.name = QStringLiteral("d");
        FileTable table;
        table.setResults(&request, &results, {});
        const QModelIndex name = table.model()->index(0, 0);
        QCOMPARE(name.data(FileTableModel::FullPathRole).toString(), QStringLiteral("/p/x.txt"));
        QCOMPARE(name.data(Qt::EditRole).toString(), QStringLiteral("x.txt"));
        QCOMPARE(cell(table, 0, MatchesColumn), QStringLiteral("3"));
        const QModelIndex special = table.model()->index(1, NameColumn);
        QCOMPARE(special.data().toString(), QStringLiteral("R&D <b>.txt"));
        QCOMPARE(special.data(FileTableModel::NameMarkupRole).toString(),
                 QStringLiteral("R&amp;<b>D</b> &lt;b&gt;.txt"));
        table.view()->keyboardSearch(QStringLiteral("r&d <"));
        QCOMPARE(table.view()->currentIndex().row(), 1);
    }

    void dragData()
    {
        FileSearchResults results;
        results.addFolder(QStringLiteral("dir"), QStringLiteral("/p"));
        results.addFile(QStringLiteral("a b.txt"), QStringLiteral("/p"), 0);
        FileTable table;
        table.setResults(nullptr, &results, {});
        FileTableModel *model = table.model();
        QVERIFY(model->mimeTypes().contains(QStringLiteral("text/uri-list")));
        const QModelIndexList cells{model->index(0, 0), model->index(0, 1), model->index(1, 0)};
        std::unique_ptr<QMimeData> data(model->mimeData(cells));
        QCOMPARE(data->urls(), (QList<QUrl>{QUrl::fromLocalFile("/p/dir"), QUrl::fromLocalFile("/p/a b.txt")}));
    }

    void sizesAndTimesArriveLater()
    {
        TempTree tree;
        QVERIFY(tree.add(QStringLiteral("five"), "12345"));
        FileSearchResults results;
        results.addFile(QStringLiteral("five"), tree.path(), 0);
        results.addFile(QStringLiteral("vanished"), tree.path(), 0);
        FileTable table;
        table.setResults(nullptr, &results, {});
        cell(table, 1, SizeColumn);
        QTRY_COMPARE(cell(table, 0, SizeColumn), QStringLiteral("5 B"));
        QVERIFY(!cell(table, 0, ModifiedColumn).isEmpty());
        QCOMPARE(cell(table, 1, SizeColumn), QString());
        QCOMPARE(cell(table, 1, ModifiedColumn), QString());
    }

    // What a search adds is inserted: a folder above the files, files at the end; the shown rows keep their
    // selection, current row and read sizes, and no file is reported as newly selected.
    void arrivingRowsAreInserted()
    {
        TempTree tree({QStringLiteral("d1/"), QStringLiteral("d2/")});
        for (const char *name : {"a", "b", "c"})
            QVERIFY(tree.add(QLatin1String(name), "12345"));
        FileSearchResults results;
        results.addFolder(QStringLiteral("d1"), tree.path());
        results.addFile(QStringLiteral("a"), tree.path(), 0);
        results.addFile(QStringLiteral("b"), tree.path(), 0);
        FileTable table;
        table.setResults(nullptr, &results, {});
        table.view()->selectRow(2);
        cell(table, 2, SizeColumn);
        QTRY_COMPARE(cell(table, 2, SizeColumn), QStringLiteral("5 B"));
        QSignalSpy inserted(table.model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy resets(table.model(), &QAbstractItemModel::modelReset);
        QSignalSpy selected(&table, &FileTable::fileSelected);
        results.addFile(QStringLiteral("c"), tree.path(), 0);
        results.addFolder(QStringLiteral("d2"), tree.path());
        // Until the refresh the rows shown are still the ones the view knows.
        QCOMPARE(names(table), (QStringList{"d1", "a", "b"}));
        table.refresh();
        QCOMPARE(names(table), (QStringList{"d1", "d2", "a", "b", "c"}));
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(inserted.at(0).at(1).toInt(), 1);
        QCOMPARE(inserted.at(1).at(1).toInt(), 4);
        QCOMPARE(resets.size(), 0);
        QCOMPARE(table.view()->selectedPaths(), QStringList{tree.path(QStringLiteral("b"))});
        QCOMPARE(table.view()->currentIndex().row(), 3);
        QCOMPARE(cell(table, 3, SizeColumn), QStringLiteral("5 B"));
        QCOMPARE(selected.size(), 0);
    }

    void sortsBySizeAndTimeOffTheUiThread_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("order");
        // Folders first; files "big" (30 bytes, oldest), "small" (10), "gone" (vanished), "mid" (20, newest).
        QTest::newRow("size up") << int(SizeColumn) << false
                                 << QStringList{"old", "new", "gone", "small", "mid", "big"};
        QTest::newRow("size down") << int(SizeColumn) << true
                                   << QStringList{"old", "new", "big", "mid", "small", "gone"};
        QTest::newRow("modified down") << int(ModifiedColumn) << true
                                       << QStringList{"new", "old", "mid", "small", "big", "gone"};
    }

    void sortsBySizeAndTimeOffTheUiThread()
    {
        QFETCH(int, type);
        QFETCH(bool, descending);
        QFETCH(QStringList, order);
        TempTree tree({QStringLiteral("old/"), QStringLiteral("new/")});
        const QDateTime base = QDateTime::currentDateTime().addDays(-10);
        QVERIFY(setModified(tree.path(QStringLiteral("old")), base));
        QVERIFY(setModified(tree.path(QStringLiteral("new")), base.addDays(1)));
        FileSearchResults results;
        results.addFolder(QStringLiteral("old"), tree.path());
        results.addFolder(QStringLiteral("new"), tree.path());
        const QList<QPair<QString, int>> files{{"big", 30}, {"small", 10}, {"gone", -1}, {"mid", 20}};
        for (int i = 0; i < files.size(); ++i) {
            const QString &name = files.at(i).first;
            if (files.at(i).second >= 0) {
                QVERIFY(tree.add(name, QByteArray(files.at(i).second, 'x')));
                QVERIFY(setModified(tree.path(name), base.addSecs(60 * i)));
            }
            results.addFile(name, tree.path(), 0);
        }
        FileTable table;
        table.setResults(nullptr, &results, {});
        table.sort(type, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        QTRY_COMPARE(names(table), order);
    }

    // Many rows are ordered by name on the sorter's thread, case-insensitively, and the user's row stays selected.
    void sortsManyRowsByNameOffTheUiThread()
    {
        const int count = FileTable::kRowsSortedHere + 500;
        FileSearchResults results;
        QStringList expected;
        for (int i = count - 1; i >= 0; --i)
            results.addFile(QString::asprintf(i % 2 ? "Name-%05d" : "name-%05d", i), QStringLiteral("/nowhere"), 0);
        for (int i = 0; i < count; ++i)
            expected.append(QString::asprintf(i % 2 ? "Name-%05d" : "name-%05d", i));
        FileTable table;
        table.setResults(nullptr, &results, {});
        table.view()->selectRow(2);
        const QStringList chosen = table.view()->selectedPaths();
        table.sort(NameColumn, Qt::AscendingOrder);
        QVERIFY(table.isSorting());
        QCOMPARE(names(table).constFirst(), expected.constLast());
        QTRY_VERIFY(!table.isSorting());
        QCOMPARE(names(table), expected);
        QCOMPARE(table.view()->selectedPaths(), chosen);
        QCOMPARE(table.view()->selectionModel()->selectedRows().constFirst().row(), count - 3);
    }

    // The sorter's thread orders many rows exactly as the results order a few in place, in both directions: names
    // that share long beginnings, differ only in case or beyond ASCII, are short, or are equal (which keep their
    // order).
    void sorterOrdersAsTheResultsDo_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<int>("rows");
        // Enough files for the sorter to share them between two threads (every ninth row is a folder), and fewer
        // right after: the sorter's arrays are kept from one sort to the next and must hold nothing of the last.
        const int many = std::max(FileTable::kRowsSortedHere, FileSorter::kRowsForTwoThreads) * 9 / 8 + 500;
        const int fewer = FileTable::kRowsSortedHere + 777;
        for (const int column : {int(NameColumn), int(PathColumn), int(TypeColumn)}) {
            QTest::addRow("column %d, ascending", column) << column << false << many;
            QTest::addRow("column %d, descending, fewer rows", column) << column << true << fewer;
            QTest::addRow("column %d, descending", column) << column << true << many;
            QTest::addRow("column %d, ascending, fewer rows", column) << column << false << fewer;
        }
    }

    // The sorter orders texts by their first bytes alone wherever it can, on two threads for many rows: names
    // and folders that tie there, differ in case or beyond ASCII, are shorter than that or equal, and folders
    // beside files, must still come out as the results' own sort puts them.
    void sorterOrdersAsTheResultsDo()
    {
        QFETCH(int, column);
        QFETCH(bool, descending);
        QFETCH(int, rows);
        const QStringList stems{"report-2024-quarterly-", "Report-2024-", "a", "B", "\u00c9clair", "\u00e9clair",
                                "stra\u00dfe", "STRASSE", "zz", "Z", "same", "eight.Ab", "eight.ab"};
        const QStringList extensions{"", ".TXT", ".txt", ".\u00e9t\u00e9", ".tar.gz"};
        FileSearchResults sorted;
        FileSearchResults reference;
        for (int i = 0; i < rows; ++i) {
            const QString &stem = stems.at(i % stems.size());
            // Every tenth row repeats a name already given, in another folder.
            const QString name = stem == QLatin1String("same") || i % 10 == 0
                                     ? stem
                                     : stem + QString::number(i % 97) + extensions.at(i % extensions.size());
            const QString folder = QLatin1Char('/') + stems.at((i * 7) % stems.size()) + QString::number(i % 13);
            for (FileSearchResults *results : {&sorted, &reference}) {
                if (i % 9 == 0)
                    results->addFolder(name, folder);
                else
                    results->addFile(name, folder, 0);
            }
        }
        reference.sort(column, descending);
        FileTable table;
        table.setResults(nullptr, &sorted, {});
        table.sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        QVERIFY(table.isSorting());
        QTRY_VERIFY(!table.isSorting());
        QCOMPARE(sorted.count(), rows);
        for (int row = 0; row < reference.count(); ++row)
            QCOMPARE(sorted.fullPath(row), reference.fullPath(row));
    }

    // The cell shows the name itself, on one line however long (never broken at its hyphens), with exactly the
    // marked parts bold: escapes read back to their characters and the tags leave no trace.
    void namesAreDrawnFromTheirMarkup()
    {
        RichTextDelegate delegate;
        const QFont font;
        const QString markup = FileTable::boldMatches(
            QStringLiteral("geronimo-annotation_1.3_api-with-many-more-words-<b>&-\"api\"-in-a-long-name"), nullptr);
        const QTextLayout &plain = delegate.layout(markup, font);
        QCOMPARE(plain.text(), QStringLiteral("geronimo-annotation_1.3_api-with-many-more-words-<b>&-\"api\"-in-a-long-name"));
        QVERIFY(plain.formats().isEmpty());
        QCOMPARE(plain.lineCount(), 1);
        QVERIFY(plain.boundingRect().height() < 1.5 * QFontMetricsF(font).height());

        FileSearchRequest request;
        request.name = QStringLiteral("api");
        ExpressionMatcher matcher(request.name, request.nameMatchOptions());
        const QString name = QStringLiteral("x<api>&api.txt");
        const QTextLayout &marked = delegate.layout(FileTable::boldMatches(name, &matcher), font);
        QCOMPARE(marked.text(), name);
        const QVector<QTextLayout::FormatRange> bold = marked.formats();
        QCOMPARE(bold.size(), 2);
        QCOMPARE(bold[0].start, 2);
        QCOMPARE(bold[0].length, 3);
        QCOMPARE(bold[1].start, 7);
        QCOMPARE(bold[1].length, 3);
        QCOMPARE(bold[1].format.fontWeight(), int(QFont::Bold));
    }

    void rename()
    {
        TempTree tree;
        QVERIFY(tree.add(QStringLiteral("old")));
        QVERIFY(tree.add(QStringLiteral("taken")));
        FileSearchResults results;
        results.addFile(QStringLiteral("old"), tree.path(), 0);
        FileTable table;
        table.setResults(nullptr, &results, {});
        const QModelIndex name = table.model()->index(0, 0);
        QVERIFY(!table.model()->setData(name, QStringLiteral("taken")));
        QCOMPARE(name.data(Qt::EditRole).toString(), QStringLiteral("old"));
        QVERIFY(QFile::exists(tree.path(QStringLiteral("old"))));
        QVERIFY(table.model()->setData(name, QStringLiteral("new")));
        QCOMPARE(name.data(Qt::EditRole).toString(), QStringLiteral("new"));
        QVERIFY(QFile::exists(tree.path(QStringLiteral("new"))));
    }

    void filterBarFiltersTheRows()
    {
        const QList<FileCategory> categories{{QString(), QString(), "All"}, {"f", "txt", "Text"}};
        Settings::instance()->setFileCategories(categories);
        FileSearchResults results;
        results.addFolder(QStringLiteral("dir"), QStringLiteral("/p"));
        results.addFile(QStringLiteral("a.txt"), QStringLiteral("/p"), 0);
        results.addFile(QStringLiteral("b.doc"), QStringLiteral("/p"), 0);
        FileTable table;
        table.view()->setSortIndicatorQuietly(-1, Qt::AscendingOrder);
        table.setFilterBarVisible(true);
        table.filterBar()->rebuild();
        table.setResults(nullptr, &results, categories);
        table.filterBar()->findChildren<QRadioButton *>().at(1)->click();
        QCOMPARE(names(table), QStringList{"a.txt"});
        // Options widen the chosen category: its rows are chosen again at once.
        Settings::instance()->setFileCategories({categories[0], {"f", "txt;doc", "Text"}});
        table.applyCategories();
        QCOMPARE(names(table), (QStringList{"a.txt", "b.doc"}));
        table.setFilterBarVisible(false);
        QCOMPARE(table.currentFilter(), -1);
        QCOMPARE(names(table), (QStringList{"dir", "a.txt", "b.doc"}));
        QSignalSpy removed(&table, &FileTable::fileRemoved);
        emit table.view()->fileRemoved({0, 2});
        QCOMPARE(names(table), QStringList{"a.txt"});
        Settings::instance()->setFileCategories(categories);
        QCOMPARE(removed.size(), 1);
    }

    void filterBarClickSelectsExactlyOne_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<bool>>("states");
        QTest::newRow("another") << QList<int>{2} << QList<bool>{false, false, true};
        QTest::newRow("twice the same") << QList<int>{1, 1} << QList<bool>{false, true, false};
        QTest::newRow("the first again") << QList<int>{0} << QList<bool>{true, false, false};
    }

    void filterBarClickSelectsExactlyOne()
    {
        QFETCH(QList<int>, clicks);
        FilterBar bar;
        bar.rebuild({{QString(), QString(), "All"}, {"d", QString(), "Directory"}, {"f", "txt", "Notes"}});
        QSignalSpy filtered(&bar, &FilterBar::filterClicked);
        for (int index : clicks)
            bar.findChildren<QRadioButton *>().at(index)->click();
        QList<bool> states;
        for (const QRadioButton *box : bar.findChildren<QRadioButton *>())
            states.append(box->isChecked());
        QTEST(states, "states");
        QCOMPARE(filtered.size(), clicks.size());
        QCOMPARE(filtered.last().at(0).toInt(), clicks.last());
        QCOMPARE(bar.currentFilter(), clicks.last());
    }
};

QTEST_MAIN(FileTableTest)
#include "FileTableTest.moc"
