#include "platform/linux/TestVolume.h"

#include "app/IndexingSettings.h"
#include "app/Logger.h"
#include "index/NTFSDB.h"
#include "index/NTFSDriveDB.h"
#include "platform/linux/NTFSUtils.h"
#include "search/FileSearchRequest.h"
#include "search/FileSearchResults.h"
#include "support/DataFolder.h"
#include "support/TestFiles.h"
#include "support/LoopMount.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <unistd.h>

namespace {

QStringList namesUnder(NTFSDB &db, const QString &root)
{
    FileSearchRequest request;
    request.includePaths << root;
    FileSearchResults results;
    db.search(request, results);
    QStringList paths;
    for (int row = 0; row < results.count(); ++row)
        paths << results.fullPath(row);
    paths.sort();
    return paths;
}

QStringList findUnder(const QString &root)
{
    QString output;
    LoopMount::run(QStringLiteral("find"), {root, "-xdev", "-mindepth", "1"},
                   &output);
    QStringList paths = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    paths.sort();
    return paths;
}

// Allows no new fanotify groups for as long as it lives, so that monitoring
// a new volume fails as on a system out of notification groups.
class NoFanotifyGroups
{
public:
    NoFanotifyGroups() : m_saved(TestFiles::read(kPath).trimmed()) { TestFiles::write(kPath, "0"); }
    ~NoFanotifyGroups() { TestFiles::write(kPath, m_saved); }

private:
    static constexpr const char *kPath = "/proc/sys/fs/fanotify/max_user_groups";
    const QByteArray m_saved;
};

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

    void fixedVolumesAreAddedAndNeverIndexedOnesForgotten()
    {
        TestVolume volume(QStringLiteral("ext4"));
        if (!volume.isReady())
            QSKIP(qPrintable(volume.skipReason()));
        TestFiles::write(volume.path(QStringLiteral("a/b.txt")), "x");
        IndexingSettings s = settings();
        const QChar never = s.noIndexDrives.value(0);
        QVERIFY(!never.isNull());
        const QString staleFile = NTFSDriveDB::databaseFilePath(s.dbPath, never);
        TestFiles::write(staleFile, "x");

        NTFSDB db;
        db.init(s, nullptr);
        QCOMPARE(logCount(QStringLiteral("Adding drive %1 to index").arg(volume.key())), 1);
        QVERIFY(db.isIndexed(volume.key().toLower()) && !db.isIndexed(never));
        QVERIFY(db.indexingSettings().indexDrives.contains(volume.key()));
        QVERIFY(!QFile::exists(staleFile));
        QCOMPARE(namesUnder(db, volume.root()), findUnder(volume.root()));
        QCOMPARE(db.driveFileCounts().value(volume.key()), findUnder(volume.root()).size() + 1);
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
        QCOMPARE(namesUnder(db, root), findUnder(root));
        QCOMPARE(logCount(QStringLiteral("Create DB for %1:").arg(key)), 1);

        QVERIFY2(mount.unmount(/*lazyIfBusy=*/false), "umount refused: the volume is busy");
        QTRY_VERIFY_WITH_TIMEOUT(!db.isIndexed(key), 10000);
        QVERIFY(QFile::exists(NTFSDriveDB::databaseFilePath(db.indexingSettings().dbPath, key)));

        QVERIFY(mount.mount());
        TestFiles::write(root + QStringLiteral("/docs/while-away.txt"), "x");
        QTRY_VERIFY_WITH_TIMEOUT(db.isIndexed(key), 10000);
        QCOMPARE(logCount(QStringLiteral("Create DB for %1:").arg(key)), 1);
        QVERIFY(logCount(QStringLiteral("Loading disk %1 done in 0 seconds").arg(key)) >= 1);
        QTRY_COMPARE_WITH_TIMEOUT(namesUnder(db, root), findUnder(root), 5000);
    }

    void volumeThatCannotBeMonitoredLeavesOthersWorking()
    {
        TestVolume first(QStringLiteral("ext4"));
        if (!first.isReady())
            QSKIP(qPrintable(first.skipReason()));
        NTFSDB db;
        db.init(settings(), nullptr);
        QVERIFY(db.isIndexed(first.key()));

        QChar secondKey;
        {
            NoFanotifyGroups noMoreGroups;
            LoopMount second(QStringLiteral("ext4"));
            if (!second.isMounted())
                QSKIP(qPrintable(second.skipReason()));
            secondKey = volumeOfPath(second.mountPoint()).key;
            QTRY_VERIFY_WITH_TIMEOUT(logCount(QStringLiteral("Drive %1 connected").arg(secondKey)) == 1, 10000);
            QVERIFY(!db.isIndexed(secondKey));
            const QString error = QStringLiteral("\tERROR\tNTFSDB\tDrive %1 can't be indexed").arg(secondKey);
            QVERIFY2(!TestFiles::logLines(m_logPath).filter(error).isEmpty(), qPrintable(error));
        }
        TestFiles::write(first.path(QStringLiteral("after.txt")), "x");
        QTRY_VERIFY_WITH_TIMEOUT(namesUnder(db, first.root()).contains(first.path(QStringLiteral("after.txt"))), 5000);
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
        const QStringList expected = findUnder(volume.root());
        std::thread rebuild([&db] { db.rebuild(nullptr); });
        for (int i = 0; i < 20; ++i)
            QCOMPARE(namesUnder(db, volume.root()), expected);
        rebuild.join();
        QCOMPARE(namesUnder(db, volume.root()), expected);
    }
};

QTEST_GUILESS_MAIN(NTFSDBTest)
#include "NTFSDBTest.moc"
