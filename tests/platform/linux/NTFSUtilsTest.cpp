#include "platform/linux/NTFSUtils.h"

#include "support/BindMount.h"
#include "support/DataFolder.h"
#include "support/LoopMount.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class NTFSUtilsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        setVolumeSettings(m_data.reopenSettings(/*fresh=*/true));
    }

    void cleanup() { setVolumeSettings(nullptr); }

    void loopExt4IsIndexableAndFixed()
    {
        LoopMount volume(QStringLiteral("ext4"));
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.skipReason()));
        const VolumeInfo info = mountedAt(volume.mountPoint());
        QVERIFY(info.isValid() && !info.key.isNull());
        QCOMPARE(info.blockDevice, QFileInfo(volume.device()).fileName());

        QVERIFY(isNtfsVolume(info.key) && isFixedDrive(info.key));
        QVERIFY(!isRemoteDrive(info.key) && !isSubstDrive(info.key));
        QVERIFY(localNtfsDrives().contains(info.key));
        QCOMPARE(volumeInfo(info.key.toLower()).mountPoint, volume.mountPoint());
    }

    void rootFileSystemGetsC()
    {
        const VolumeInfo root = mountedAt(QStringLiteral("/"));
        if (!root.isValid())
            QSKIP("the root file system here is not a volume (overlay or tmpfs)");
        QCOMPARE(root.key, QChar('C'));
    }

    void bindMountIsSubst()
    {
        LoopMount volume(QStringLiteral("ext4"));
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.skipReason()));
        QVERIFY(QDir(volume.mountPoint()).mkpath(QStringLiteral("folder/deeper")));
        const QChar key = mountedAt(volume.mountPoint()).key;
        BindMount bind(volume.mountPoint() + QStringLiteral("/folder"), m_data.filePath(QStringLiteral("bound")));
        QVERIFY(bind.isMounted());
        // While the whole file system is mounted too, the key names that mount.
        QVERIFY(!isSubstDrive(key));
        const VolumeInfo inBind = volumeOfPath(bind.target() + QStringLiteral("/deeper"));
        QVERIFY(inBind.bindMount);
        QCOMPARE(inBind.key, key);
        QCOMPARE(inBind.mountPoint, bind.target());

        QVERIFY(volume.unmount());
        QVERIFY(isSubstDrive(key));
        QCOMPARE(volumeInfo(key).mountPoint, bind.target());
        QVERIFY(isNtfsVolume(key));
        QVERIFY(!localNtfsDrives().contains(key));
    }

    void keyStaysAcrossRemounts()
    {
        LoopMount volume(QStringLiteral("ext4"));
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.skipReason()));
        const QChar key = mountedAt(volume.mountPoint()).key;
        QVERIFY(!key.isNull());
        QVERIFY(volume.remount(m_data.filePath(QStringLiteral("elsewhere"))));
        QCOMPARE(volumeInfo(key).mountPoint, volume.mountPoint());
    }

    void volumeOfPathTakesTheLongestMountPoint()
    {
        LoopMount outer(QStringLiteral("ext4"));
        LoopMount inner(QStringLiteral("ext4"));
        if (!outer.isMounted() || !inner.isMounted())
            QSKIP(qPrintable(outer.skipReason() + inner.skipReason()));
        QVERIFY(QDir(outer.mountPoint()).mkpath(QStringLiteral("innerx")));
        QVERIFY(inner.remount(outer.mountPoint() + QStringLiteral("/inner")));
        QDir(inner.mountPoint()).mkpath(QStringLiteral("x"));

        QCOMPARE(volumeOfPath(inner.mountPoint() + QStringLiteral("/x")).mountPoint, inner.mountPoint());
        QCOMPARE(volumeOfPath(inner.mountPoint() + QStringLiteral("/")).mountPoint, inner.mountPoint());
        QCOMPARE(volumeOfPath(outer.mountPoint() + QStringLiteral("/innerx/y")).mountPoint, outer.mountPoint());
        QCOMPARE(volumeOfPath(outer.mountPoint() + QStringLiteral("/inner/../innerx")).mountPoint, outer.mountPoint());
        QVERIFY(!volumeOfPath(QStringLiteral("relative/path")).isValid());
        QVERIFY(!volumeOfPath(QStringLiteral("/proc/self")).isValid());
    }

private:
    static VolumeInfo mountedAt(const QString &mountPoint);
    DataFolder m_data;
};

VolumeInfo NTFSUtilsTest::mountedAt(const QString &mountPoint)
{
    for (const VolumeInfo &volume : mountedVolumes()) {
        if (volume.mountPoint == mountPoint)
            return volume;
    }
    return VolumeInfo();
}

QTEST_GUILESS_MAIN(NTFSUtilsTest)
#include "NTFSUtilsTest.moc"
