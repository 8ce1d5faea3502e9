#include "VolumeTree.h"

#include "platform/linux/TestVolume.h"

#include "base/IndexingSettings.h"
#include "base/Logger.h"
#include "index/NTFSDB.h"
#include "index/NTFSDriveDB.h"
#include "platform/linux/NTFSUtils.h"
#include "support/DataFolder.h"
#include "support/LoopMount.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <thread>
#include <unistd.h>

namespace {

QStringList treeUnder(NTFSDB &db, const QString &root)
{
    FileSearchRequest request;
    request.includePaths << root;
    return indexTree(db, request);
}

} // namespace

class NTFSDBTest : public QObject
{
    Q_OBJECT

    DataFolder m_data;
    QString m_logPath;

    int logCount(const QString &text) const
    {
        const QStringList lines = TestFiles::logLines(m_logPath);
        return int(std::count_if(lines.begin(), lines.end(), [&](const QString &l) { return l.endsWith(text); }));
    }

    // Only the test's own volumes take part: everything mounted before the test is on the never-indexed list.
    IndexingSettings settings() const
    {
        IndexingSettings s;
        s.dbPath = m_data.filePath(QStringLiteral("db"));
        for (const VolumeInfo &volume : mountedVolumes())
            if (!volume.key.isNull() && !volume.mountPoint.startsWith(QDir::tempPath()))
                s.noIndexDrives << volume.key;
        return s;
    }

private slots:
    void initTestCase()
    {
        if (geteuid() != 0)
            QSKIP("needs root: mounts file systems on loop devices and watches them with fanotify");
        m_logPath = m_data.filePath(QStringLiteral("Talvenquist.log"));
        Logger::instance(m_logPath);
        setVolumeSettings(m_data.settings());
    }

    void cleanupTestCase() { setVolumeSettings(nullptr); }

    void fixedVolumesAreAddedAndNeverIndexedOnesLeftOut()
    {
        TestVolume volume(QStringLiteral("ext4"));
        if (!volume.isReady())
            QSKIP(qPrintable(volume.skipReason()));
        TestFiles::write(volume.path(QStringLiteral("a/b.txt")), "x");
        IndexingSettings s = settings();
        const QChar never = s.noIndexDrives.value(0);
        QVERIFY(!never.isNull());
        NTFSDB db;
        db.init(s, nullptr);
        QVERIFY(db.isIndexed(volume.key().toLower()) && !db.isIndexed(never));
        QVERIFY(db.indexingSettings().indexDrives.contains(volume.key()));
        QCOMPARE(treeUnder(db, volume.root()), findTree(volume.root()));
        QCOMPARE(db.driveFileCounts().value(volume.key()), findTree(volume.root()).size() + 1);
    }

    // A volume mounted while the manager runs joins the index; unmounted (the
    // index must not keep it busy), it is saved and dropped; mounted again,
    // its saved file is loaded.
    void volumesComeAndGo()
    {
        NTFSDB db;
        QSignalSpy started(&db, &NTFSDB::updateStarted);
        QSignalSpy finished(&db, &NTFSDB::updateFinished);
        db.init(settings(), nullptr);
        const int startsBefore = started.count();

        LoopMount mount(QStringLiteral("ext4"));
        if (!mount.isMounted())
            QSKIP(qPrintable(mount.skipReason()));
        const QString root = mount.mountPoint();
        TestFiles::write(root + QStringLiteral("/docs/report.txt"), "x");
        const QChar key = volumeOfPath(root).key;
        QTRY_VERIFY_WITH_TIMEOUT(db.isIndexed(key), 10000);
        // Other volumes mounted meanwhile (by other programs) may add updates.
        QVERIFY(started.count() > startsBefore);
        QCOMPARE(finished.count(), started.count());
        QCOMPARE(treeUnder(db, root), findTree(root));
        QCOMPARE(logCount(QStringLiteral("Create DB for %1:").arg(key)), 1);

        QVERIFY2(mount.unmount(/*lazyIfBusy=*/false), "umount refused: the volume is busy");
        QTRY_VERIFY_WITH_TIMEOUT(!db.isIndexed(key), 10000);
        QVERIFY(QFile::exists(NTFSDriveDB::databaseFilePath(db.indexingSettings().dbPath, key)));

        QVERIFY(mount.mount());
        TestFiles::write(root + QStringLiteral("/docs/while-away.txt"), "x");
        QTRY_VERIFY_WITH_TIMEOUT(db.isIndexed(key), 10000);
        QCOMPARE(logCount(QStringLiteral("Create DB for %1:").arg(key)), 1);
        QTRY_COMPARE_WITH_TIMEOUT(treeUnder(db, root), findTree(root), 5000);
    }

    void searchDuringAnUpdateSeesTheVolumesAsTheyStand()
    {
        TestVolume volume(QStringLiteral("ext4"));
        if (!volume.isReady())
            QSKIP(qPrintable(volume.skipReason()));
        for (int i = 0; i < 2000; ++i)
            TestFiles::write(volume.path(QStringLiteral("d%1/f%2").arg(i % 40).arg(i)), "x");
        NTFSDB db;
        db.init(settings(), nullptr);
        const QStringList expected = findTree(volume.root());
        std::thread rebuild([&db] { db.rebuild(nullptr); });
        for (int i = 0; i < 20; ++i)
            QCOMPARE(treeUnder(db, volume.root()), expected);
        rebuild.join();
        QCOMPARE(treeUnder(db, volume.root()), expected);
    }
};

QTEST_GUILESS_MAIN(NTFSDBTest)
#include "NTFSDBTest.moc"
