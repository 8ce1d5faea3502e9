#include "search/FileSearchResults.h"
#include "support/TempTree.h"
#include "ui/FileSorter.h"

#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Works for folders too, which cannot be opened as files to set their time.
bool setModified(const QString &path, const QDateTime &time)
{
    const qint64 seconds = time.toSecsSinceEpoch();
    const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

} // namespace

class FileSorterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<std::vector<int>>(); }

    void order_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<std::vector<int>>("order");
        // Rows: folder "old" (older), folder "new", file "big" (30 bytes,
        // oldest), "small" (10), "gone" (vanished), "mid" (20, newest).
        QTest::newRow("size up") << int(FileSearchResults::Size) << false << std::vector<int>{0, 1, 4, 3, 5, 2};
        QTest::newRow("size down") << int(FileSearchResults::Size) << true << std::vector<int>{0, 1, 2, 5, 3, 4};
        QTest::newRow("modified up") << int(FileSearchResults::Modified) << false << std::vector<int>{0, 1, 4, 2, 3, 5};
        QTest::newRow("modified down") << int(FileSearchResults::Modified) << true << std::vector<int>{1, 0, 5, 3, 2, 4};
    }

    void order()
    {
        QFETCH(int, column);
        QFETCH(bool, descending);
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
        FileSorter sorter;
        QSignalSpy sorted(&sorter, &FileSorter::sorted);
        sorter.start(&results, column, descending);
        QVERIFY(sorted.wait());
        QTEST(sorted.first().at(0).value<std::vector<int>>(), "order");
    }

    void cancelledSortNeverAnswers()
    {
        TempTree tree;
        FileSearchResults results;
        for (const char *name : {"b", "a"}) {
            QVERIFY(tree.add(QString::fromLatin1(name), name));
            results.addFile(QString::fromLatin1(name), tree.path(), 0);
        }
        FileSorter sorter;
        QSignalSpy sorted(&sorter, &FileSorter::sorted);
        sorter.start(&results, FileSearchResults::Size, false);
        sorter.cancel();
        QVERIFY(!sorter.isRunning());
        sorter.start(&results, FileSearchResults::Size, true);
        QVERIFY(sorted.wait());
        QCoreApplication::processEvents();
        QCOMPARE(sorted.size(), 1);
        QVERIFY(!sorter.isRunning());
    }
};

QTEST_MAIN(FileSorterTest)
#include "FileSorterTest.moc"
