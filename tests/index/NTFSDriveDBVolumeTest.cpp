#include "VolumeTree.h"

#include "platform/linux/TestVolume.h"

#include "base/FileSearchException.h"
#include "base/IndexingSettings.h"
#include "index/NTFSDriveDB.h"
#include "platform/linux/NTFSUtils.h"
#include "support/LoopMount.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

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
    std::unique_ptr<TestVolume> m_volume;
    QElapsedTimer m_sinceTree;

    IndexingSettings settings() const
    {
        IndexingSettings s;
        s.dbPath = m_dbDir.path();
        return s;
    }

    // A database of the volume as it is now, saved as on exit.
    void saveFresh(QChar key) const
    {
        NTFSDriveDB db(key, nullptr, settings());
        db.create(nullptr);
        db.save();
    }

private slots:
    // The tree ages past the replay's margin while the other tests run.
    void initTestCase()
    {
        if (geteuid() != 0)
            QSKIP("needs root: mounts file systems on loop devices and watches them with fanotify");
        m_volume = std::make_unique<TestVolume>(QStringLiteral("ext4"));
        if (!m_volume->isReady())
            QSKIP(qPrintable(m_volume->skipReason()));
        makeTree(m_volume->root());
        m_sinceTree.start();
    }

    void foldersAreResolvedOnTheVolume()
    {
        NTFSDriveDB db(m_volume->key(), nullptr, settings());
        db.create(nullptr);
        const QString r = m_volume->root();
        FileSearchRequest in;
        in.includePaths << r + QStringLiteral("/a");
        QCOMPARE(indexTree(db, in), (QStringList{"d " + r + "/a/b", "d " + r + "/a/b/c", "f " + r + "/a/b/c/deep.txt",
                                                 "f " + r + "/a/b/sibling.txt", "f " + r + "/a/top.txt"}));
        in.includeSubfolders = false;
        QCOMPARE(indexTree(db, in), (QStringList{"d " + r + "/a/b", "f " + r + "/a/top.txt"}));
        FileSearchRequest out;
        out.includePaths << r + QStringLiteral("/a");
        out.excludePaths << r + QStringLiteral("/a/b") << r + QStringLiteral("/a/top.txt");
        QCOMPARE(indexTree(db, out), QStringList{});
    }

    void loadTakesTheCurrentMountPoint()
    {
        QTemporaryDir elsewhere; // outlives the mount made in it
        LoopMount mount(QStringLiteral("ext4"));
        if (!mount.isMounted())
            QSKIP(qPrintable(mount.skipReason()));
        TestFiles::write(mount.mountPoint() + QStringLiteral("/a/file1.txt"), "x");
        const QChar key = volumeOfPath(mount.mountPoint()).key;
        saveFresh(key);
        QVERIFY(mount.remount(elsewhere.filePath(QStringLiteral("m2"))));
        NTFSDriveDB loaded(key, nullptr, settings());
        QVERIFY(loaded.load(nullptr));
        QCOMPARE(indexTree(loaded), findTree(mount.mountPoint()));
    }

    void fullDiskKeepsThePreviousDatabase()
    {
        LoopMount dbVolume(QStringLiteral("ext4"), 8);
        if (!dbVolume.isMounted())
            QSKIP(qPrintable(dbVolume.skipReason()));
        IndexingSettings onSmallDisk = settings();
        onSmallDisk.dbPath = dbVolume.mountPoint();
        NTFSDriveDB db(m_volume->key(), nullptr, onSmallDisk);
        db.create(nullptr);
        db.save();
        const QByteArray before = TestFiles::read(db.databaseFilePath());
        QVERIFY(!before.isEmpty());
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
        QCOMPARE(TestFiles::read(db.databaseFilePath()), before);
    }

    // What changed while the program was not running is in the index once it
    // has loaded: only the changed folders and those on the way to them are
    // read, the rest of the aged tree is judged by its times.
    void offlineChangesAreReplayedOnLoad()
    {
        const TestVolume &volume = *m_volume;
        if (m_sinceTree.elapsed() < 7000)
            QTest::qSleep(int(7000 - m_sinceTree.elapsed()));
        saveFresh(volume.key());
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
        QCOMPARE(indexTree(loaded), findTree(volume.root()));
    }
};

QTEST_GUILESS_MAIN(NTFSDriveDBVolumeTest)
#include "NTFSDriveDBVolumeTest.moc"
