#include "app/MetaTypes.h"
#include "content/ContentMatches.h"
#include "search/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "platform/linux/NTFSUtils.h"
#include "support/LoopMount.h"
#include "support/TempTree.h"
#include "support/TestFiles.h"

#include <QSet>
#include <QSignalSpy>
#include <QtTest>

namespace {

QSet<QString> pathSet(const FileSearchResults &results, bool foldersOnly = false)
{
    QSet<QString> paths;
    for (int row = 0; row < results.count(); ++row) {
        if (!foldersOnly || results.isFolder(row))
            paths.insert(results.fullPath(row));
    }
    return paths;
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

} // namespace

class FileSearcherTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerMetaTypes(); }
    void nameOnlyFromTheWalk();
    void withoutSubfoldersOnlyDirectEntries();
    void walkExcludesBySubstringInAnyCase();
    void contentsWithFoldersRejectsFolders();
    void contentsWithoutFoldersAndWithoutIndexFindsNothing();
    void dateBoundsOfOneDay();
    void sizeBoundsExcludeFolders();
    void findBeforeInitWaitsForIt();
    void withoutIndexInitFinishesAtOnce();
    void cancelDuringCandidatePhaseEmitsNoFinished();
    void cancelDuringCheckPhaseStopsQueuing();
    void cancelOfUnknownIdDoesNothing();
    void cancelAllReturnsToNotReady();
    void matchSearchIdsAndResults();
    void canceledMatchSearchStillFinishes();
    void countMatchesFillsTheCount();
    void indexAnswersWhatItCoversAndTheWalkTheRest();
    void updateWaitsForTheFirstLoading();
    void contentSettingsWaitForRunningSearches();
};

void FileSearcherTest::nameOnlyFromTheWalk()
{
    TempTree tree({"Report/", "docs/report-2024.txt", "docs/notes.txt", "a/b/c/deep_REPORT"});
    WalkSearch s;
    FileSearchRequest request;
    request.name = QStringLiteral("report");
    request.includePaths = QStringList{tree.path()};
    FileSearchResults results;
    QVERIFY(s.run(request, results));
    QCOMPARE(pathSet(results), QSet<QString>({tree.path("Report"), tree.path("docs/report-2024.txt"),
                                              tree.path("a/b/c/deep_REPORT")}));
    QCOMPARE(pathSet(results, true), QSet<QString>({tree.path("Report")}));
    QVERIFY(results.isFolder(0));
    QVERIFY(!s.searcher.isSearching());
}

void FileSearcherTest::withoutSubfoldersOnlyDirectEntries()
{
    TempTree tree({"x1.txt", "sub/x2.txt", "xdir/"});
    WalkSearch s;
    FileSearchRequest request;
    request.name = QStringLiteral("x");
    request.includePaths = QStringList{tree.path()};
    request.includeSubfolders = false;
    FileSearchResults results;
    QVERIFY(s.run(request, results));
    QCOMPARE(pathSet(results), QSet<QString>({tree.path("x1.txt"), tree.path("xdir")}));
}

void FileSearcherTest::walkExcludesBySubstringInAnyCase()
{
    TempTree tree({"keep/a.log", "keep/Old-TEMP-files/b.log", "TempData/c.log", "d.log"});
    WalkSearch s;
    FileSearchRequest request;
    request.name = QStringLiteral(".log");
    request.includePaths = QStringList{tree.path()};
    request.excludePaths = QStringList{"temp"};
    FileSearchResults results;
    QVERIFY(s.run(request, results));
    QCOMPARE(pathSet(results), QSet<QString>({tree.path("keep/a.log"), tree.path("d.log")}));
}

void FileSearcherTest::contentsWithFoldersRejectsFolders()
{
    TempTree tree({"needle-folder/"});
    QVERIFY(tree.add("has.txt", "first line\nthe Needle is here\n"));
    QVERIFY(tree.add("needle-name-only.txt", "nothing to see\n"));
    QVERIFY(tree.add("sub/deeper.txt", "needle\n"));
    WalkSearch s;
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path()};
    request.text = QStringLiteral("needle");
    FileSearchResults results;
    QVERIFY(s.run(request, results));
    QCOMPARE(pathSet(results), QSet<QString>({tree.path("has.txt"), tree.path("sub/deeper.txt")}));
}

void FileSearcherTest::contentsWithoutFoldersAndWithoutIndexFindsNothing()
{
    WalkSearch s;
    FileSearchRequest request;
    request.text = QStringLiteral("needle");
    FileSearchResults results;
    QVERIFY(s.run(request, results));
    QCOMPARE(results.count(), 0);
}

void FileSearcherTest::dateBoundsOfOneDay()
{
    TempTree tree({"before", "first", "last", "after", "folder/"});
    const QDate day(2021, 6, 15);
    QVERIFY(tree.setModified("before", QDateTime(day.addDays(-1), QTime(23, 59, 59))));
    QVERIFY(tree.setModified("first", QDateTime(day, QTime(0, 0, 0))));
    QVERIFY(tree.setModified("last", QDateTime(day, QTime(23, 59, 59))));
    QVERIFY(tree.setModified("after", QDateTime(day.addDays(1), QTime(0, 0, 0))));
    WalkSearch s;
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path()};
    request.modifiedFrom = day;
    request.modifiedTo = day;
    FileSearchResults results;
    QVERIFY(s.run(request, results));
    QCOMPARE(pathSet(results), QSet<QString>({tree.path("first"), tree.path("last")}));
}

void FileSearcherTest::sizeBoundsExcludeFolders()
{
    TempTree tree({"empty-folder/", "sub/"});
    QVERIFY(tree.add("zero.bin"));
    QVERIFY(tree.add("sub/ten.bin", QByteArray(10, 'x')));
    QVERIFY(tree.add("big.bin", QByteArray(3000, 'x')));
    WalkSearch s;
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path()};
    request.minSize = 0;
    FileSearchResults all;
    QVERIFY(s.run(request, all));
    QCOMPARE(pathSet(all), QSet<QString>({tree.path("zero.bin"), tree.path("sub/ten.bin"), tree.path("big.bin")}));
    FileSearchRequest bounded;
    bounded.includePaths = QStringList{tree.path()};
    bounded.minSize = 10;
    bounded.maxSize = 2999;
    FileSearchResults some;
    QVERIFY(s.run(bounded, some));
    QCOMPARE(pathSet(some), QSet<QString>({tree.path("sub/ten.bin")}));
}

void FileSearcherTest::findBeforeInitWaitsForIt()
{
    TempTree tree({"early.txt"});
    QTemporaryDir temp;
    FileSearcher searcher(temp.path(), 0);
    QSignalSpy finished(&searcher, &FileSearcher::findFinished);
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path()};
    FileSearchResults results;
    searcher.find(request, results);
    QVERIFY(!finished.wait(300));
    QVERIFY(searcher.isSearching());
    searcher.init(IndexingSettings(), ContentSearchSettings());
    QVERIFY(finished.wait(5000));
    QCOMPARE(pathSet(results), QSet<QString>({tree.path("early.txt")}));
}

void FileSearcherTest::withoutIndexInitFinishesAtOnce()
{
    QTemporaryDir temp;
    FileSearcher searcher(temp.path(), 0);
    QSignalSpy init(&searcher, &FileSearcher::initFinished);
    searcher.init(IndexingSettings(), ContentSearchSettings());
    QCOMPARE(init.count(), 1);
    QVERIFY(searcher.isReady());
    QVERIFY(!searcher.isBusy());
    QCOMPARE(searcher.indexingSettings().dbPath, QString());
    QMap<QChar, int> counts;
    searcher.objectCounts(counts);
    QVERIFY(counts.isEmpty());
}

void FileSearcherTest::cancelDuringCandidatePhaseEmitsNoFinished()
{
    // Enough folders that the walk is still running when the cancel comes.
    TempTree tree;
    for (int i = 0; i < 3000; ++i)
        QVERIFY(tree.add(QStringLiteral("d%1/e%1/").arg(i)));
    WalkSearch s;
    QSignalSpy finished(&s.searcher, &FileSearcher::findFinished);
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path()};
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

void FileSearcherTest::cancelDuringCheckPhaseStopsQueuing()
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

void FileSearcherTest::cancelOfUnknownIdDoesNothing()
{
    WalkSearch s;
    FileSearchRequest request;
    s.searcher.cancel(request);
    QVERIFY(!request.canceled);
    QVERIFY(s.searcher.isReady());
}

void FileSearcherTest::cancelAllReturnsToNotReady()
{
    TempTree tree;
    for (int i = 0; i < 500; ++i)
        QVERIFY(tree.add(QStringLiteral("d%1/").arg(i)));
    WalkSearch s;
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path()};
    FileSearchResults results;
    s.searcher.find(request, results);
    s.searcher.cancel();
    QVERIFY(!s.searcher.isSearching());
    QVERIFY(!s.searcher.isReady());
    QVERIFY(request.canceled);
}

void FileSearcherTest::matchSearchIdsAndResults()
{
    TempTree tree;
    QVERIFY(tree.add("m.txt", "one\ntwo needle\nthree\nneedle and needle\n"));
    WalkSearch s;
    FileSearchRequest request;
    request.text = QStringLiteral("needle");
    FileSearchRequest copy = request.copyWithNewId();
    QVERIFY(copy.id >= 1000);
    QVERIFY(copy.id != request.id);
    ContentMatches matches;
    QSignalSpy finished(&s.searcher, &FileSearcher::findMatchesFinished);
    s.searcher.findMatches(copy, tree.path("m.txt"), &matches);
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().first().toInt(), copy.id);
    QCOMPARE(matches.lines.size(), 2);
    QCOMPARE(matches.lines.at(0).lineNumber, 1);
    QCOMPARE(matches.lines.at(1).lineNumber, 3);
    QCOMPARE(matches.lines.at(1).positions.size(), 2);
}

void FileSearcherTest::canceledMatchSearchStillFinishes()
{
    TempTree tree;
    QVERIFY(tree.add("big.txt", QByteArray("filler line\n").repeated(400000)));
    QVERIFY(tree.add("small.txt", "needle\n"));
    WalkSearch s;
    FileSearchRequest request;
    request.text = QStringLiteral("needle");
    FileSearchRequest first = request.copyWithNewId();
    FileSearchRequest second = request.copyWithNewId();
    QCOMPARE(second.id, first.id + 1);
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

void FileSearcherTest::countMatchesFillsTheCount()
{
    TempTree tree;
    QVERIFY(tree.add("three.txt", "needle needle\nno\nneedle\n"));
    WalkSearch s;
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path()};
    request.text = QStringLiteral("needle");
    request.countMatches = true;
    FileSearchResults results;
    QVERIFY(s.run(request, results));
    QCOMPARE(results.count(), 1);
    QCOMPARE(results.item(0).matches, 3);
}

// The index leaves out folders named "secret" (an excluded name); a walk
// would find what is in them, so their absence shows the index answered.
void FileSearcherTest::indexAnswersWhatItCoversAndTheWalkTheRest()
{
    LoopMount mount(QStringLiteral("ext4"));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.skipReason()));
    const QString root = mount.mountPoint();
    QVERIFY(TestFiles::write(root + "/data/report.txt", "a needle\n"));
    QVERIFY(TestFiles::write(root + "/data/secret/report-hidden.txt", "needle\n"));
    QVERIFY(TestFiles::write(root + "/other/report.md", "needle\n"));
    QVERIFY(TestFiles::write(root + "/other/no-match.txt", "needle\n"));
    TempTree outside;
    QVERIFY(outside.add("report-outside.txt", "needle\n"));
    QTemporaryDir temp;
    QTemporaryDir db;
    IndexingSettings indexing;
    indexing.indexDrives = {volumeOfPath(root).key};
    indexing.autoAddFixed = false;
    indexing.dbPath = db.path();
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
    QCOMPARE(run({root + "/data"}, QString()), QSet<QString>({root + "/data/report.txt"}));
    QCOMPARE(run({outside.path()}, QString()), QSet<QString>({outside.path("report-outside.txt")}));
    QCOMPARE(run({root + "/data", outside.path()}, QString()),
             QSet<QString>({root + "/data/report.txt", outside.path("report-outside.txt")}));
    // Contents without folders: the indexed files whose names match, nothing else.
    QCOMPARE(run({}, QStringLiteral("needle")), indexed);
}

void FileSearcherTest::updateWaitsForTheFirstLoading()
{
    LoopMount mount(QStringLiteral("ext4"));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.skipReason()));
    QTemporaryDir temp;
    QTemporaryDir db;
    IndexingSettings indexing;
    indexing.indexDrives = {volumeOfPath(mount.mountPoint()).key};
    indexing.autoAddFixed = false;
    indexing.dbPath = db.path();
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

void FileSearcherTest::contentSettingsWaitForRunningSearches()
{
    TempTree tree;
    QByteArray binary("needle\n");
    for (int i = 0; i < 256; ++i)
        binary.append(char(i * 37));
    QVERIFY(tree.add("data.bin", binary));
    WalkSearch s;
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path()};
    request.text = QStringLiteral("needle");
    FileSearchResults found;
    QVERIFY(s.run(request, found));
    QCOMPARE(found.count(), 1);

    // Handed over while a search is waiting for the index; used by the next one.
    FileSearcher waiting(s.temp.path(), 0);
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

QTEST_GUILESS_MAIN(FileSearcherTest)
#include "FileSearcherTest.moc"
