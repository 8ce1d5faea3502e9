#include "app/MetaTypes.h"
#include "content/ContentMatches.h"
#include "platform/linux/NTFSUtils.h"
#include "search/FileSearchCancelException.h"
#include "search/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "search/NTFSFileSearcher.h"
#include "support/LoopMount.h"
#include "support/TempTree.h"
#include "support/TestFiles.h"

#include <QSet>
#include <QSignalSpy>
#include <QtTest>

namespace {

QSet<QString> pathSet(const FileSearchResults &results)
{
    QSet<QString> paths;
    for (int row = 0; row < results.count(); ++row)
        paths.insert(results.fullPath(row));
    return paths;
}

// The rows relative to 'base', sorted, folders with a trailing "/"; a row
// of a folder after one of a file is reported instead.
QStringList relativeRows(const FileSearchResults &results, const QString &base)
{
    QStringList rows;
    for (int row = 0; row < results.count(); ++row) {
        if (results.isFolder(row) && row > 0 && !results.isFolder(row - 1))
            return {QStringLiteral("folder after a file: ") + results.fullPath(row)};
        rows << results.fullPath(row).mid(base.size() + 1) + (results.isFolder(row) ? "/" : "");
    }
    rows.sort();
    return rows;
}

// A searcher without index, ready, and the means to run one request to its end.
class WalkSearch
{
public:
    WalkSearch() : searcher(temp.path(), 0) { searcher.init(IndexingSettings(), ContentSearchSettings()); }

    bool run(FileSearchRequest &request, FileSearchResults &results)
    {
        QSignalSpy finished(&searcher, &FileSearcher::findFinished);
        searcher.find(request, results);
        return finished.wait(10000) && finished.first().first().toInt() == request.id;
    }

    QTemporaryDir temp;
    FileSearcher searcher;
};

IndexingSettings onlyVolume(QChar key, const QString &dbPath)
{
    IndexingSettings settings;
    settings.autoAddFixed = false;
    settings.autoAddRemovable = false;
    settings.indexDrives = {key};
    settings.dbPath = dbPath;
    return settings;
}

} // namespace

class FileSearcherTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerMetaTypes();
        for (const char *entry : {"names/Report/", "names/docs/notes.txt", "names/a/b/c/deep_REPORT", "flat/x1.txt",
                                  "flat/sub/x2.txt", "flat/xdir/", "excl/keep/a.log", "excl/keep/Old-TEMP-files/b.log",
                                  "excl/TempData/c.log", "excl/d.log", "text/needle-folder/", "sizes/empty-folder/",
                                  "sizes/zero.bin", "dates/before", "dates/first", "dates/last", "dates/after",
                                  "dates/folder/"})
            QVERIFY(m_tree.add(entry));
        QVERIFY(m_tree.add("names/docs/report-2024.txt", "first line\nthe Needle is here\n"));
        QVERIFY(m_tree.add("count/three.txt", "needle needle\nno\nneedle\n"));
        QVERIFY(m_tree.add("text/has.txt", "first line\nthe Needle is here\n"));
        QVERIFY(m_tree.add("text/needle-name-only.txt", "nothing to see\n"));
        QVERIFY(m_tree.add("text/sub/deeper.txt", "needle\n"));
        QVERIFY(m_tree.add("sizes/sub/ten.bin", QByteArray(10, 'x')));
        QVERIFY(m_tree.add("sizes/big.bin", QByteArray(3000, 'x')));
        const QDate day(2021, 6, 15);
        QVERIFY(m_tree.setModified("dates/before", QDateTime(day.addDays(-1), QTime(23, 59, 59))));
        QVERIFY(m_tree.setModified("dates/first", QDateTime(day, QTime(0, 0, 0))));
        QVERIFY(m_tree.setModified("dates/last", QDateTime(day, QTime(23, 59, 59))));
        QVERIFY(m_tree.setModified("dates/after", QDateTime(day.addDays(1), QTime(0, 0, 0))));
        // Enough folders that a walk is still running when a cancel comes.
        for (int i = 0; i < 3000; ++i)
            QVERIFY(m_manyFolders.add(QStringLiteral("d%1/e%1/").arg(i)));
        m_mount = std::make_unique<LoopMount>(QStringLiteral("ext4"));
    }

    void walk_data()
    {
        QTest::addColumn<QString>("folder"); // of the shared tree; empty: no folder at all
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("excluded");
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<qint64>("minSize");
        QTest::addColumn<qint64>("maxSize");
        QTest::addColumn<QDate>("day"); // modified on that day
        QTest::addColumn<QStringList>("expected");
        const QString none;
        QTest::newRow("name in any case at any depth")
            << "names" << "report" << none << none << true << qint64(-1) << qint64(-1) << QDate()
            << QStringList{"Report/", "a/b/c/deep_REPORT", "docs/report-2024.txt"};
        QTest::newRow("without subfolders only direct entries")
            << "flat" << "x" << none << none << false << qint64(-1) << qint64(-1) << QDate()
            << QStringList{"x1.txt", "xdir/"};
        QTest::newRow("exclusion by substring in any case, also deeper")
            << "excl" << ".log" << none << "temp" << true << qint64(-1) << qint64(-1) << QDate()
            << QStringList{"d.log", "keep/a.log"};
        QTest::newRow("contents reject folders") << "text" << none << "needle" << none << true << qint64(-1)
                                                 << qint64(-1) << QDate() << QStringList{"has.txt", "sub/deeper.txt"};
        QTest::newRow("contents without folders and index find nothing")
            << none << none << "needle" << none << true << qint64(-1) << qint64(-1) << QDate() << QStringList();
        QTest::newRow("any size: files only") << "sizes" << none << none << none << true << qint64(0) << qint64(-1)
                                              << QDate() << QStringList{"big.bin", "sub/ten.bin", "zero.bin"};
        QTest::newRow("size bounds are inclusive") << "sizes" << none << none << none << true << qint64(10)
                                                   << qint64(10) << QDate() << QStringList{"sub/ten.bin"};
        QTest::newRow("date bounds of one day") << "dates" << none << none << none << true << qint64(-1) << qint64(-1)
                                                << QDate(2021, 6, 15) << QStringList{"first", "last"};
    }

    void walk()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, excluded);
        QFETCH(bool, subfolders);
        QFETCH(qint64, minSize);
        QFETCH(qint64, maxSize);
        QFETCH(QDate, day);
        QFETCH(QStringList, expected);
        WalkSearch s;
        FileSearchRequest request;
        request.name = name;
        request.text = text;
        if (!folder.isEmpty())
            request.includePaths = QStringList{m_tree.path(folder)};
        if (!excluded.isEmpty())
            request.excludePaths = QStringList{excluded};
        request.includeSubfolders = subfolders;
        request.minSize = minSize;
        request.maxSize = maxSize;
        request.modifiedFrom = day;
        request.modifiedTo = day;
        FileSearchResults results;
        QVERIFY(s.run(request, results));
        QCOMPARE(relativeRows(results, m_tree.path(folder)), expected);
        QVERIFY(!s.searcher.isSearching());
    }

    void countMatchesFillsTheCount()
    {
        WalkSearch s;
        FileSearchRequest request;
        request.includePaths = QStringList{m_tree.path("count")};
        request.text = QStringLiteral("needle");
        request.countMatches = true;
        FileSearchResults results;
        QVERIFY(s.run(request, results));
        QCOMPARE(results.count(), 1);
        QCOMPARE(results.item(0).matches, 3);
    }

    void findBeforeInitWaitsForIt()
    {
        QTemporaryDir temp;
        FileSearcher searcher(temp.path(), 0);
        QSignalSpy finished(&searcher, &FileSearcher::findFinished);
        FileSearchRequest request;
        request.includePaths = QStringList{m_tree.path("flat")};
        request.includeSubfolders = false;
        FileSearchResults results;
        searcher.find(request, results);
        QVERIFY(!finished.wait(300));
        QVERIFY(searcher.isSearching());
        searcher.init(IndexingSettings(), ContentSearchSettings());
        QVERIFY(finished.wait(5000));
        QCOMPARE(relativeRows(results, m_tree.path("flat")), (QStringList{"sub/", "x1.txt", "xdir/"}));
    }

    void cancelDuringCandidatePhaseEmitsNoFinished()
    {
        WalkSearch s;
        QSignalSpy finished(&s.searcher, &FileSearcher::findFinished);
        FileSearchRequest request;
        request.includePaths = QStringList{m_manyFolders.path()};
        request.text = QStringLiteral("never there");
        FileSearchResults results;
        s.searcher.find(request, results);
        int examined = -1;
        int total = -1;
        s.searcher.progress(request, examined, total);
        QCOMPARE(examined, 0);
        s.searcher.cancel(request);
        QVERIFY(request.canceled);
        QVERIFY(!s.searcher.isSearching());
        QVERIFY(!finished.wait(500));
        // The request is gone: progress leaves its arguments alone.
        examined = total = -1;
        s.searcher.progress(request, examined, total);
        QCOMPARE(examined, -1);
    }

    void cancelDuringCheckPhaseStopsQueuing()
    {
        TempTree tree;
        const QByteArray text = QByteArray("a line without it\n").repeated(200) + "needle\n";
        const int kFiles = 4000;
        for (int i = 0; i < kFiles; ++i)
            QVERIFY(tree.add(QStringLiteral("f%1.txt").arg(i), text));
        WalkSearch s;
        QSignalSpy finished(&s.searcher, &FileSearcher::findFinished);
        FileSearchRequest request;
        request.includePaths = QStringList{tree.path()};
        // An alternation names no text that every match holds and counting reads
        // every line, so no file is decided on its raw bytes: the check phase
        // lasts long enough to be caught running.
        request.text = QStringLiteral("needle|zzz");
        request.textExpressionType = 2;
        request.countMatches = true;
        FileSearchResults results;
        s.searcher.find(request, results);
        int examined = 0;
        int total = 0;
        QTRY_VERIFY_WITH_TIMEOUT((s.searcher.progress(request, examined, total), examined > 0), 10000);
        QCOMPARE(total, kFiles);
        s.searcher.cancel(request);
        // Running checks end before cancel() returns; nothing is added after it.
        const int count = results.count();
        QVERIFY2(count < kFiles, qPrintable(QString::number(count)));
        QVERIFY(!finished.wait(500));
        QCOMPARE(results.count(), count);
        QVERIFY(!s.searcher.isSearching());
    }

    void cancelAllReturnsToNotReady()
    {
        WalkSearch s;
        FileSearchRequest unknown;
        s.searcher.cancel(unknown);
        QVERIFY(!unknown.canceled);
        FileSearchRequest request;
        request.includePaths = QStringList{m_manyFolders.path()};
        FileSearchResults results;
        s.searcher.find(request, results);
        s.searcher.cancel();
        QVERIFY(!s.searcher.isSearching());
        QVERIFY(!s.searcher.isReady());
        QVERIFY(request.canceled);
    }

    void canceledMatchSearchStillFinishes()
    {
        TempTree tree;
        QVERIFY(tree.add("big.txt", QByteArray("filler line\n").repeated(400000)));
        QVERIFY(tree.add("small.txt", "needle\n"));
        WalkSearch s;
        FileSearchRequest request;
        request.text = QStringLiteral("needle");
        FileSearchRequest first = request.copyWithNewId();
        FileSearchRequest second = request.copyWithNewId();
        ContentMatches firstMatches;
        ContentMatches secondMatches;
        QSignalSpy finished(&s.searcher, &FileSearcher::findMatchesFinished);
        s.searcher.findMatches(first, tree.path("big.txt"), &firstMatches);
        s.searcher.cancelMatches(first);
        QVERIFY(first.canceled);
        s.searcher.findMatches(second, tree.path("small.txt"), &secondMatches);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 5000);
        QCOMPARE(finished.at(0).first().toInt(), first.id);
        QCOMPARE(finished.at(1).first().toInt(), second.id);
        QCOMPARE(secondMatches.lines.size(), 1);
        QVERIFY(firstMatches.linesRead < 400000);
    }

    void contentSettingsWaitForRunningSearches()
    {
        TempTree tree;
        QByteArray binary("needle\n");
        for (int i = 0; i < 256; ++i)
            binary.append(char(i * 37));
        QVERIFY(tree.add("data.bin", binary));
        QTemporaryDir temp;
        FileSearchRequest request;
        request.includePaths = QStringList{tree.path()};
        request.text = QStringLiteral("needle");
        // Handed over while a search is waiting for the index; used by the next one.
        FileSearcher waiting(temp.path(), 0);
        FileSearchRequest first = request;
        first.id = FileSearchRequest().id;
        FileSearchResults firstResults;
        waiting.find(first, firstResults);
        ContentSearchSettings skipBinary;
        skipBinary.skipBinary = true;
        waiting.setContentSearchSettings(skipBinary);
        QSignalSpy finished(&waiting, &FileSearcher::findFinished);
        waiting.init(IndexingSettings(), ContentSearchSettings());
        QVERIFY(finished.wait(10000));
        QCOMPARE(firstResults.count(), 1);
        FileSearchRequest second = request;
        second.id = FileSearchRequest().id;
        FileSearchResults secondResults;
        waiting.find(second, secondResults);
        QVERIFY(finished.wait(10000));
        QCOMPARE(secondResults.count(), 0);
    }

    // The index leaves out folders named "secret" (an excluded name); a walk
    // would find what is in them, so their absence shows the index answered.
    void indexAnswersWhatItCoversAndTheWalkTheRest()
    {
        if (!m_mount->isMounted())
            QSKIP(qPrintable(m_mount->skipReason()));
        const QString root = m_mount->mountPoint();
        QVERIFY(TestFiles::write(root + "/data/report.txt", "a needle\n"));
        QVERIFY(TestFiles::write(root + "/data/secret/report-hidden.txt", "needle\n"));
        QVERIFY(TestFiles::write(root + "/other/report.md", "needle\n"));
        QVERIFY(TestFiles::write(root + "/other/no-match.txt", "needle\n"));
        TempTree outside;
        QVERIFY(outside.add("report-outside.txt", "needle\n"));
        QTemporaryDir temp;
        QTemporaryDir db;
        IndexingSettings indexing = onlyVolume(volumeOfPath(root).key, db.path());
        indexing.excludePaths = QStringList{"secret"};
        FileSearcher searcher(temp.path(), FileSearcher::UseIndex);
        QSignalSpy init(&searcher, &FileSearcher::initFinished);
        searcher.init(indexing, ContentSearchSettings());
        QVERIFY(searcher.isBusy());
        QVERIFY(init.wait(60000));
        QVERIFY(!searcher.isBusy());
        QSignalSpy finished(&searcher, &FileSearcher::findFinished);
        const auto run = [&](const QStringList &folders, const QString &text) {
            FileSearchRequest request;
            request.name = QStringLiteral("report");
            request.includePaths = folders;
            request.text = text;
            FileSearchResults results;
            searcher.find(request, results);
            return finished.wait(10000) ? pathSet(results) : QSet<QString>{"no finished"};
        };
        const QSet<QString> indexed{root + "/data/report.txt", root + "/other/report.md"};
        QCOMPARE(run({}, QString()), indexed);
        QCOMPARE(run({outside.path()}, QString()), QSet<QString>({outside.path("report-outside.txt")}));
        QCOMPARE(run({root + "/data", outside.path()}, QString()),
                 QSet<QString>({root + "/data/report.txt", outside.path("report-outside.txt")}));
        // Contents without folders: the indexed files whose names match, nothing else.
        QCOMPARE(run({}, QStringLiteral("needle")), indexed);
    }

    void updateWaitsForTheFirstLoading()
    {
        if (!m_mount->isMounted())
            QSKIP(qPrintable(m_mount->skipReason()));
        QTemporaryDir temp;
        QTemporaryDir db;
        const IndexingSettings indexing = onlyVolume(volumeOfPath(m_mount->mountPoint()).key, db.path());
        FileSearcher searcher(temp.path(), FileSearcher::UseIndex);
        QStringList events;
        connect(&searcher, &FileSearcher::initFinished, this, [&] { events << "init"; });
        connect(&searcher, &FileSearcher::updateFinished, this, [&] { events << "update"; });
        searcher.init(indexing, ContentSearchSettings());
        // A rebuild asked for during the first loading runs after it.
        searcher.update();
        QTRY_VERIFY_WITH_TIMEOUT(events.contains("init") && !searcher.isBusy(), 60000);
        // The loading itself reports the volumes it adds as an update; the
        // rebuild's end comes after the loading's, never before it.
        QCOMPARE(events, QStringList({"update", "init", "update"}));
        QMap<QChar, int> counts;
        searcher.objectCounts(counts);
        QVERIFY(counts.value(indexing.indexDrives.first()) >= 2);
    }

    void stopFlagSetBeforeInitIndexesNothing()
    {
        if (!m_mount->isMounted())
            QSKIP(qPrintable(m_mount->skipReason()));
        const QChar key = volumeOfPath(m_mount->mountPoint()).key;
        QTemporaryDir db;
        NTFSFileSearcher searcher;
        const CancelFlag stop{true};
        try {
            searcher.init(&stop, onlyVolume(key, db.path()));
        } catch (const FileSearchCancelException &) {
            // Raised by the build it stopped; the worker thread catches it.
        }
        QVERIFY(!searcher.isIndexed(key));
    }

private:
    TempTree m_tree;
    TempTree m_manyFolders;
    // One volume for every test of the index; each uses its own names.
    std::unique_ptr<LoopMount> m_mount;
};

QTEST_GUILESS_MAIN(FileSearcherTest)
#include "FileSearcherTest.moc"
