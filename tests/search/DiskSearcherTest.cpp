#include "platform/linux/NTFSUtils.h"
#include "search/DiskSearcher.h"
#include "search/FileSearchRequest.h"
#include "search/FileSearchResults.h"
#include "support/TempTree.h"

#include <QSet>
#include <QtTest>

static QStringList allPaths(const FileSearchResults &results, QStringList *folders = nullptr)
{
    QStringList paths;
    for (int row = 0; row < results.count(); ++row) {
        paths.append(results.fullPath(row));
        if (folders && results.isFolder(row))
            folders->append(results.fullPath(row));
    }
    return paths;
}

class DiskSearcherTest : public QObject
{
    Q_OBJECT
private slots:
    void matchingNamesAreAddedFoldersFirst();
    void withoutFoldersNothingIsWalked();
    void pathsOnIndexedVolumesAreLeftToTheIndex();
    void walkedExcludesApplyToDeeperFolders();
    void canceledRequestAddsNothing();
};

void DiskSearcherTest::matchingNamesAreAddedFoldersFirst()
{
    TempTree tree({"report/", "docs/report.txt", "docs/other.txt", "Report.md"});
    FileSearchRequest request;
    request.name = QStringLiteral("report");
    request.includePaths = QStringList{tree.path()};
    FileSearchResults results;
    DiskSearcher().search(request, results, {});
    QStringList folders;
    const QStringList paths = allPaths(results, &folders);
    QCOMPARE(folders, QStringList{tree.path("report")});
    QCOMPARE(paths.first(), tree.path("report"));
    QCOMPARE(QSet<QString>(paths.begin(), paths.end()),
             QSet<QString>({tree.path("report"), tree.path("docs/report.txt"), tree.path("Report.md")}));
}

void DiskSearcherTest::withoutFoldersNothingIsWalked()
{
    FileSearchRequest request;
    FileSearchResults results;
    DiskSearcher().search(request, results, {});
    QCOMPARE(results.count(), 0);
}

void DiskSearcherTest::pathsOnIndexedVolumesAreLeftToTheIndex()
{
    TempTree tree({"a.txt"});
    const QChar key = volumeOfPath(tree.path()).key;
    if (key.isNull())
        QSKIP("the temporary folder is on no keyed volume here");
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path(), QStringLiteral("/proc/self")};
    QCOMPARE(DiskSearcher::walkRoots(request, {key}), QStringList{"/proc/self"});
    QCOMPARE(DiskSearcher::walkRoots(request, {}), request.includePaths);
    FileSearchResults results;
    request.includePaths = QStringList{tree.path()};
    DiskSearcher().search(request, results, {key});
    QCOMPARE(results.count(), 0);
}

void DiskSearcherTest::walkedExcludesApplyToDeeperFolders()
{
    TempTree tree({"src/Build-Temp/x.o", "src/main.c", "TEMPLATES/t.txt"});
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path()};
    request.excludePaths = QStringList{QStringLiteral("temp")};
    FileSearchResults results;
    DiskSearcher().search(request, results, {});
    QStringList paths = allPaths(results);
    paths.sort();
    QCOMPARE(paths, QStringList({tree.path("src"), tree.path("src/main.c")}));
}

void DiskSearcherTest::canceledRequestAddsNothing()
{
    TempTree tree({"a.txt", "b/"});
    FileSearchRequest request;
    request.includePaths = QStringList{tree.path()};
    request.canceled = true;
    FileSearchResults results;
    DiskSearcher().search(request, results, {});
    QCOMPARE(results.count(), 0);
}

QTEST_GUILESS_MAIN(DiskSearcherTest)
#include "DiskSearcherTest.moc"
