#include "app/MetaTypes.h"
#include "platform/linux/NTFSUtils.h"
#include "search/FileSearchCancelException.h"
#include "search/FileSearchRequest.h"
#include "search/FileSearchResults.h"
#include "search/NTFSFileSearcher.h"
#include "support/LoopMount.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

class NTFSFileSearcherTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerMetaTypes(); }
    void withoutIndexedDrivesSearchAddsNothing();
    void indexedLoopVolume();
    void stopFlagSetBeforeInitIndexesNothing();

private:
    IndexingSettings onlyDrive(QChar key) const;
    QTemporaryDir m_db;
};

IndexingSettings NTFSFileSearcherTest::onlyDrive(QChar key) const
{
    IndexingSettings settings;
    settings.autoAddFixed = false;
    settings.autoAddRemovable = false;
    if (!key.isNull())
        settings.indexDrives = {key};
    settings.dbPath = m_db.path();
    return settings;
}

void NTFSFileSearcherTest::withoutIndexedDrivesSearchAddsNothing()
{
    NTFSFileSearcher searcher;
    const CancelFlag stop{false};
    searcher.init(&stop, onlyDrive(QChar()));
    FileSearchRequest request;
    FileSearchResults results;
    searcher.search(request, results);
    QCOMPARE(results.count(), 0);
    QVERIFY(!searcher.isIndexed(QLatin1Char('C')));
    QMap<QChar, int> counts;
    searcher.objectCounts(counts);
    QVERIFY(counts.isEmpty());
    QCOMPARE(searcher.indexingSettings().dbPath, m_db.path());
}

void NTFSFileSearcherTest::indexedLoopVolume()
{
    LoopMount mount(QStringLiteral("ext4"));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.skipReason()));
    QVERIFY(QDir().mkpath(mount.mountPoint() + "/dir"));
    QFile file(mount.mountPoint() + "/dir/Needle.txt");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QChar key = volumeOfPath(mount.mountPoint()).key;
    QVERIFY(!key.isNull());
    NTFSFileSearcher searcher;
    QSignalSpy started(&searcher, &NTFSFileSearcher::updateStarted);
    QSignalSpy finished(&searcher, &NTFSFileSearcher::updateFinished);
    const CancelFlag stop{false};
    searcher.init(&stop, onlyDrive(key));
    QCOMPARE(started.count(), 1);
    QCOMPARE(finished.count(), 1);
    QVERIFY(searcher.isIndexed(key));
    QVERIFY(searcher.isIndexed(key.toLower()));
    QMap<QChar, int> counts;
    searcher.objectCounts(counts);
    // The root, lost+found, dir and the file at least.
    QVERIFY2(counts.value(key) >= 4, qPrintable(QString::number(counts.value(key))));
    FileSearchRequest request;
    request.name = QStringLiteral("needle");
    FileSearchResults results;
    searcher.search(request, results);
    QCOMPARE(results.count(), 1);
    QCOMPARE(results.fullPath(0), file.fileName());
    request.canceled = true;
    FileSearchResults none;
    QVERIFY_EXCEPTION_THROWN(searcher.search(request, none), FileSearchCancelException);
}

void NTFSFileSearcherTest::stopFlagSetBeforeInitIndexesNothing()
{
    LoopMount mount(QStringLiteral("ext4"));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.skipReason()));
    const QChar key = volumeOfPath(mount.mountPoint()).key;
    NTFSFileSearcher searcher;
    const CancelFlag stop{true};
    try {
        searcher.init(&stop, onlyDrive(key));
    } catch (const FileSearchCancelException &) {
        // Raised by the build it stopped; the worker thread catches it.
    }
    QVERIFY(!searcher.isIndexed(key));
}

QTEST_GUILESS_MAIN(NTFSFileSearcherTest)
#include "NTFSFileSearcherTest.moc"
