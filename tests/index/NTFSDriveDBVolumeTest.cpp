#include "platform/linux/TestVolume.h"

#include "app/IndexingSettings.h"
#include "index/NTFSDriveDB.h"
#include "index/StringPool.h"
#include "platform/linux/NTFSUtils.h"
#include "search/FileSearchException.h"
#include "search/FileSearchRequest.h"
#include "search/FileSearchResults.h"
#include "support/LoopMount.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <unistd.h>

namespace {

// What find lists under the volume, as "d path" / "f path" lines: the
// ground truth every index must reproduce.
QStringList findTree(const QString &root)
{
    QString output;
    LoopMount::run(QStringLiteral("find"),
                   {root, QStringLiteral("-xdev"), QStringLiteral("-mindepth"), QStringLiteral("1"),
                    QStringLiteral("-printf"), QStringLiteral("%y %p\\n")},
                   &output);
    QStringList lines;
    for (QString line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // Symbolic links are files to the index.
        if (!line.startsWith(QLatin1String("d ")))
            line.replace(0, 1, QStringLiteral("f"));
        lines << line;
    }
    lines.sort();
    return lines;
}

QStringList indexTree(NTFSDriveDB &db, FileSearchRequest &request)
{
    FileSearchResults results;
    db.search(request, results);
    QStringList lines;
    for (int row = 0; row < results.count(); ++row)
        lines << (results.isFolder(row) ? QStringLiteral("d ") : QStringLiteral("f ")) + results.fullPath(row);
    lines.sort();
    return lines;
}

QStringList indexTree(NTFSDriveDB &db)
{
    FileSearchRequest all;
    return indexTree(db, all);
}

void makeTree(const QString &root)
{
    for (const char *file : {"a/b/c/deep.txt", "a/b/sibling.txt", "a/top.txt", "with space/Grüße 文件.txt",
                             "keep/one.txt", "gone/x/y.txt", "quiet/p/q/r/leaf.txt", "quiet/p/other/file.txt"})
        TestFiles::write(root + QLatin1Char('/') + QString::fromUtf8(file), "x");
    QDir().mkpath(root + QStringLiteral("/empty"));
    QFile::link(root + QStringLiteral("/a"), root + QStringLiteral("/link-to-a"));
}

} // namespace

class NTFSDriveDBVolumeTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dbDir;

    IndexingSettings settings() const
    {
        IndexingSettings s;
        s.dbPath = m_dbDir.path();
        return s;
    }

private slots:
    void initTestCase()
    {
        if (geteuid() != 0)
            QSKIP("needs root: mounts file systems on loop devices and watches them with fanotify");
    }

    void foldersAreResolvedOnTheVolume()
    {
        TestVolume volume(QStringLiteral("ext4"));
        if (!volume.isReady())
            QSKIP(qPrintable(volume.skipReason()));
        makeTree(volume.root());
        NTFSDriveDB db(volume.key(), nullptr, settings());
        db.create(nullptr);
        const QString r = volume.root();

        FileSearchRequest in;
        in.includePaths << r + QStringLiteral("/a");
        QCOMPARE(indexTree(db, in), (QStringList{"d " + r + "/a/b", "d " + r + "/a/b/c", "f " + r + "/a/b/c/deep.txt",
                                                 "f " + r + "/a/b/sibling.txt", "f " + r + "/a/top.txt"}));
        in.includeSubfolders = false;
        QCOMPARE(indexTree(db, in), (QStringList{"d " + r + "/a/b", "f " + r + "/a/top.txt"}));

        FileSearchRequest whole;
        whole.includePaths << r;
        QCOMPARE(indexTree(db, whole), findTree(r));
        whole.includeSubfolders = false;
        const QDir::Filters everything = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System;
        QCOMPARE(indexTree(db, whole).size(), QDir(r).entryList(everything).size());

        FileSearchRequest out;
        out.includePaths << r + QStringLiteral("/a");
        out.excludePaths << r + QStringLiteral("/a/b") << r + QStringLiteral("/a/top.txt") << QStringLiteral("b");
        QCOMPARE(indexTree(db, out), QStringList{});
        out.excludePaths = QStringList{r + QStringLiteral("/a/b/c")};
        QCOMPARE(indexTree(db, out),
                 (QStringList{"d " + r + "/a/b", "f " + r + "/a/b/sibling.txt", "f " + r + "/a/top.txt"}));

        FileSearchRequest elsewhere;
        elsewhere.includePaths << QStringLiteral("/proc");
        QCOMPARE(indexTree(db, elsewhere), QStringList{});
        FileSearchRequest excludeRoot;
        excludeRoot.excludePaths << r;
        QCOMPARE(indexTree(db, excludeRoot), QStringList{});
    }

    // The guarantee that matters most: what changed while the program was
    // not running is in the index once it has loaded.
    void offlineChangesAreReplayedOnLoad_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("aged");
        QTest::newRow("ext4") << "ext4" << false;
        QTest::newRow("xfs") << "xfs" << false;
        QTest::newRow("btrfs") << "btrfs" << false;
        // A tree older than the replay's margin: only the changed folders and
        // those on the way to them are read, the rest is judged by its times.
        QTest::newRow("ext4, aged tree") << "ext4" << true;
    }

    void offlineChangesAreReplayedOnLoad()
    {
        QFETCH(QString, kind);
        QFETCH(bool, aged);
        TestVolume volume(kind);
        if (!volume.isReady())
            QSKIP(qPrintable(volume.skipReason()));
        makeTree(volume.root());
        if (aged)
            QThread::sleep(7);
        {
            NTFSDriveDB db(volume.key(), nullptr, settings());
            db.create(nullptr);
            db.save();
        }
        TestFiles::write(volume.path(QStringLiteral("a/b/c/created.txt")), "x");
        QVERIFY(QFile::rename(volume.path(QStringLiteral("a/top.txt")), volume.path(QStringLiteral("a/renamed.txt"))));
        QVERIFY(QDir().rename(volume.path(QStringLiteral("a/b")), volume.path(QStringLiteral("with space/moved b"))));
        QVERIFY(QDir(volume.path(QStringLiteral("gone"))).removeRecursively());
        QVERIFY(QDir().mkpath(volume.path(QStringLiteral("fresh/sub/deeper"))));
        // Changes deep below folders that did not change themselves.
        TestFiles::write(volume.path(QStringLiteral("quiet/p/q/r/new.txt")), "x");
        QVERIFY(QFile::remove(volume.path(QStringLiteral("quiet/p/other/file.txt"))));
        // A folder replaced by a file of the same name.
        QVERIFY(QDir().rmdir(volume.path(QStringLiteral("empty"))));
        TestFiles::write(volume.path(QStringLiteral("empty")), "x");

        NTFSDriveDB loaded(volume.key(), nullptr, settings());
        QVERIFY(loaded.load(nullptr));
        const QStringList expected = findTree(volume.root());
        QCOMPARE(indexTree(loaded), expected);

        NTFSDriveDB fresh(volume.key(), nullptr, settings());
        QFile::remove(fresh.databaseFilePath());
        fresh.loadOrCreate(nullptr);
        QCOMPARE(indexTree(fresh), expected);
    }

    void loadTakesTheCurrentMountPoint()
    {
        QTemporaryDir elsewhere; // outlives the mount made in it
        LoopMount mount(QStringLiteral("ext4"));
        if (!mount.isMounted())
            QSKIP(qPrintable(mount.skipReason()));
        TestFiles::write(mount.mountPoint() + QStringLiteral("/a/file1.txt"), "x");
        const QChar key = volumeOfPath(mount.mountPoint()).key;
        {
            NTFSDriveDB db(key, nullptr, settings());
            db.create(nullptr);
            db.save();
        }
        QVERIFY(mount.remount(elsewhere.filePath(QStringLiteral("m2"))));
        NTFSDriveDB loaded(key, nullptr, settings());
        QVERIFY(loaded.load(nullptr));
        QCOMPARE(indexTree(loaded), findTree(mount.mountPoint()));
    }

    void fullDiskKeepsThePreviousDatabase()
    {
        TestVolume data(QStringLiteral("ext4"));
        LoopMount dbVolume(QStringLiteral("ext4"), 8);
        if (!data.isReady() || !dbVolume.isMounted())
            QSKIP("cannot mount the test volumes");
        makeTree(data.root());
        IndexingSettings onSmallDisk = settings();
        onSmallDisk.dbPath = dbVolume.mountPoint();
        NTFSDriveDB db(data.key(), nullptr, onSmallDisk);
        db.create(nullptr);
        db.save();
        QFile saved(db.databaseFilePath());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray before = saved.readAll();
        saved.close();

        // Fill the disk, then make the database too big to fit what is left.
        QFile filler(dbVolume.mountPoint() + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1 << 20, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        for (FRN i = 0; i < 50000; ++i)
            db.addFile(1000000 + i, 2, QStringLiteral("padding-name-%1").arg(i), false);
        QVERIFY_EXCEPTION_THROWN(db.save(), FileSearchException);

        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), before);
        NTFSDriveDB reloaded(data.key(), nullptr, onSmallDisk);
        QVERIFY(reloaded.load(nullptr));
        QCOMPARE(indexTree(reloaded), findTree(data.root()));
    }
};

QTEST_GUILESS_MAIN(NTFSDriveDBVolumeTest)
#include "NTFSDriveDBVolumeTest.moc"
