#include "base/MetaTypes.h"
#include "platform/linux/NTFSUtils.h"
#include "query/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "support/LoopMount.h"
#include "support/TempTree.h"
#include "support/TestFiles.h"

#include <QScopeGuard>
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

// The rows relative to 'base', sorted, folders with a trailing "/"; a folder after a file is reported instead.
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

    bool run(const std::shared_ptr<FileSearchRequest> &request, const std::shared_ptr<FileSearchResults> &results)
    {
        QSignalSpy finished(&searcher, &FileSearcher::findFinished);
        searcher.find(request, results);
        return finished.wait(10000) && finished.first().first().toInt() == request->id;
    }

    QTemporaryDir temp;
    FileSearcher searcher;
};

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
    }

    void walk_data()
    {
        QTest::addColumn<QString>("folder"); // of the shared tree
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
        auto request = std::make_shared<FileSearchRequest>();
        request->name = name;
        request->text = text;
        request->includePaths = QStringList{m_tree.path(folder)};
        if (!excluded.isEmpty())
            request->excludePaths = QStringList{excluded};
        request->includeSubfolders = subfolders;
        request->minSize = minSize;
        request->maxSize = maxSize;
        request->modifiedFrom = day;
        request->modifiedTo = day;
        auto results = std::make_shared<FileSearchResults>();
        QVERIFY(s.run(request, results));
        QCOMPARE(relativeRows(*results, m_tree.path(folder)), expected);
        QVERIFY(!s.searcher.isSearching());
    }

    void countMatchesFillsTheCount()
    {
        WalkSearch s;
        auto request = std::make_shared<FileSearchRequest>();
        request->includePaths = QStringList{m_tree.path("count")};
        request->text = QStringLiteral("needle");
        request->countMatches = true;
        auto results = std::make_shared<FileSearchResults>();
        QVERIFY(s.run(request, results));
        QCOMPARE(results->count(), 1);
        QCOMPARE(results->item(0).matches, 3);
    }

    // The checks follow the walk in runs of files, and documents that a converter reads go to a task of their own:
    // each file is checked once, whether the walk found it early or late.
    void checksFollowTheWalk()
    {
        TempTree tree;
        QStringList expected;
        auto add = [&](const QString &name, bool match, const char *matching, const char *other) {
            if (match)
                expected << name;
            return tree.add(name, match ? matching : other);
        };
        for (int i = 0; i < 300; ++i)
            QVERIFY(add(QStringLiteral("d%1/f%2.txt").arg(i % 5).arg(i), i % 7 == 0, "a needle here\n", "nothing\n"));
        for (int i = 0; i < 6; ++i) {
            QVERIFY(add(QStringLiteral("d%1/book%2.fb2").arg(i % 3).arg(i), i % 2 == 0,
                        "<html><body><p>the needle</p></body></html>", "<html><p>none</p></html>"));
        }
        expected.sort();
        WalkSearch s;
        auto request = std::make_shared<FileSearchRequest>();
        request->includePaths = QStringList{tree.path()};
        request->text = QStringLiteral("needle");
        auto results = std::make_shared<FileSearchResults>();
        QVERIFY(s.run(request, results));
        QCOMPARE(relativeRows(*results, tree.path()), expected);
    }

    // Documents wait for their converting programs side by side, and the plain files are checked meanwhile: a
    // converter slow to answer holds neither the other documents nor the pool's threads.
    void slowConvertersHoldNeitherEachOtherNorThePlainFiles()
    {
        TempTree tree;
        const int kPlain = 300;
        // The plain files lie between the two documents in the walk, which finds them in separate batches.
        QVERIFY(tree.add("one/a.pdf", "%PDF-1.4\n"));
        for (int i = 0; i < kPlain; ++i)
            QVERIFY(tree.add(QStringLiteral("plain/f%1.txt").arg(i), i % 3 == 0 ? "a needle\n" : "nothing\n"));
        QVERIFY(tree.add("two/b.pdf", "%PDF-1.4\n"));
        // A stand-in "pdftotext": each conversion leaves a mark that it started, waits for the gate (20 s at
        // most), then writes "needle" as UTF-16BE to the output file named last.
        QTemporaryDir tools;
        const QString gate = tools.filePath(QStringLiteral("gate"));
        const QByteArray script = "#!/bin/sh\nPATH=/usr/bin:/bin\n"
                                  "if [ \"$1\" = -listenc ]; then printf 'UTF-16\\n'; exit 0; fi\n"
                                  "touch \"$0.started.$$\"\n"
                                  "i=0; while [ ! -e '" + gate.toUtf8() + "' ] && [ $i -lt 2000 ]; do\n"
                                  "    sleep 0.01; i=$((i + 1)); done\n"
                                  "printf '\\000n\\000e\\000e\\000d\\000l\\000e' > \"$4\"\n";
        const QString program = tools.filePath(QStringLiteral("pdftotext"));
        QVERIFY(TestFiles::write(program, script));
        QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(tools.path()) + ':' + path);
        const auto restorePath = qScopeGuard([path] { qputenv("PATH", path); });

        QTemporaryDir temp;
        FileSearcher searcher(temp.path(), 0);
        ContentSearchSettings settings;
        settings.useBuiltInPDF = true;
        searcher.init(IndexingSettings(), settings);
        auto request = std::make_shared<FileSearchRequest>();
        request->includePaths = QStringList{tree.path("one"), tree.path("plain"), tree.path("two")};
        request->text = QStringLiteral("needle");
        auto results = std::make_shared<FileSearchResults>();
        QSignalSpy finished(&searcher, &FileSearcher::findFinished);
        searcher.find(request, results);
        const auto started = [&tools] {
            return QDir(tools.path()).entryList({QStringLiteral("pdftotext.started.*")}, QDir::Files).size();
        };
        QTRY_COMPARE_WITH_TIMEOUT(started(), 2, 10000);
        int examined = 0;
        int total = 0;
        QTRY_VERIFY_WITH_TIMEOUT((searcher.progress(*request, examined, total), examined == kPlain), 10000);
        QCOMPARE(finished.size(), 0);
        QVERIFY(TestFiles::write(gate, QByteArray()));
        QVERIFY(finished.wait(10000));
        QCOMPARE(results->count(), kPlain / 3 + 2);
    }

    // Two searches check the same files at once; canceling one neither drops nor waits for the other's checks.
    void cancelDuringCheckPhaseLeavesOtherSearchesWhole()
    {
        TempTree tree;
        const QByteArray text = QByteArray("a line without it\n").repeated(200) + "needle\n";
        const int kFiles = 4000;
        for (int i = 0; i < kFiles; ++i)
            QVERIFY(tree.add(QStringLiteral("f%1.txt").arg(i), text));
        WalkSearch s;
        QSignalSpy finished(&s.searcher, &FileSearcher::findFinished);
        auto makeRequest = [&] {
            auto request = std::make_shared<FileSearchRequest>();
            request->includePaths = QStringList{tree.path()};
            // Neither an alternation nor counting can be decided on raw bytes: the check phase is caught running.
            request->text = QStringLiteral("needle|zzz");
            request->textExpressionType = 2;
            request->countMatches = true;
            return request;
        };
        const auto kept = makeRequest();
        const auto canceled = makeRequest();
        auto keptResults = std::make_shared<FileSearchResults>();
        auto results = std::make_shared<FileSearchResults>();
        s.searcher.find(kept, keptResults);
        s.searcher.find(canceled, results);
        int examined = 0;
        int total = 0;
        // The checks begin while the walk still finds files: caught once the walk has found them all.
        QTRY_VERIFY_WITH_TIMEOUT((s.searcher.progress(*canceled, examined, total), examined > 0 && total == kFiles),
                                 10000);
        s.searcher.progress(*kept, examined, total);
        QVERIFY2(examined < kFiles, "the other search ended before the cancel: nothing was tested");
        s.searcher.cancel(*canceled);
        // cancel() returns at once, and no check adds a result after it.
        const int count = results->count();
        QVERIFY2(count < kFiles, qPrintable(QString::number(count)));
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), kept->id);
        QCOMPARE(keptResults->count(), kFiles);
        QCOMPARE(results->count(), count);
        QVERIFY(!s.searcher.isSearching());
    }

    // Only the index leaves out the excluded name "secret": its absence shows the index answered.
    void indexAnswersWhatItCoversAndTheWalkTheRest()
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
        indexing.autoAddFixed = false;
        indexing.autoAddRemovable = false;
        indexing.indexDrives = {volumeOfPath(root).key};
        indexing.dbPath = db.path();
        indexing.excludePaths = QStringList{"secret"};
        FileSearcher searcher(temp.path(), FileSearcher::UseIndex);
        QSignalSpy init(&searcher, &FileSearcher::initFinished);
        searcher.init(indexing, ContentSearchSettings());
        QVERIFY(init.wait(60000));
        QSignalSpy finished(&searcher, &FileSearcher::findFinished);
        const auto run = [&](const QStringList &folders, const QString &text) {
            auto request = std::make_shared<FileSearchRequest>();
            request->name = QStringLiteral("report");
            request->includePaths = folders;
            request->text = text;
            auto results = std::make_shared<FileSearchResults>();
            searcher.find(request, results);
            return finished.wait(10000) ? pathSet(*results) : QSet<QString>{"no finished"};
        };
        const QSet<QString> indexed{root + "/data/report.txt", root + "/other/report.md"};
        QCOMPARE(run({}, QString()), indexed);
        QCOMPARE(run({outside.path()}, QString()), QSet<QString>({outside.path("report-outside.txt")}));
        // Contents without folders: the indexed files whose names match, nothing else.
        QCOMPARE(run({}, QStringLiteral("needle")), indexed);
    }

private:
    TempTree m_tree;
};

QTEST_GUILESS_MAIN(FileSearcherTest)
#include "FileSearcherTest.moc"
