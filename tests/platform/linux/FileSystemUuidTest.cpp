#include "platform/linux/FileSystemUuid.h"

#include "platform/linux/SysCall.h"
#include "support/LoopMount.h"

#include <QtTest>

#include <fcntl.h>

class FileSystemUuidTest : public QObject
{
    Q_OBJECT

private slots:
    void matchesBlkid_data()
    {
        QTest::addColumn<QString>("fsType");
        QTest::newRow("ext4") << QStringLiteral("ext4");
        QTest::newRow("xfs") << QStringLiteral("xfs");
        QTest::newRow("btrfs") << QStringLiteral("btrfs");
    }

    void matchesBlkid()
    {
        QFETCH(QString, fsType);
        LoopMount volume(fsType);
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.skipReason()));
        QString expected;
        QVERIFY(LoopMount::run(QStringLiteral("blkid"), {"-p", "-o", "value", "-s", "UUID", volume.device()},
                               &expected));
        expected = expected.trimmed().toLower();
        QCOMPARE(expected.size(), 36);

        const FileDescriptor mount = sysOpenAt(AT_FDCWD, volume.mountPoint().toLocal8Bit().constData(),
                                               O_RDONLY | O_DIRECTORY);
        QVERIFY(mount.isValid());
        QCOMPARE(FileSystemUuid::read(mount.get(), fsType, volume.device()), expected);
        // Without the kernel's help (older kernels) the superblock gives the same.
        QCOMPARE(FileSystemUuid::read(-1, fsType, volume.device()), expected);
    }

    void superblockWithWrongMagic()
    {
        QByteArray block(FileSystemUuid::superblockSize(QStringLiteral("xfs")), '\x11');
        QVERIFY(FileSystemUuid::fromSuperblock(QStringLiteral("xfs"), block).isEmpty());
        block.replace(0, 4, "XFSB");
        QCOMPARE(FileSystemUuid::fromSuperblock(QStringLiteral("xfs"), block),
                 QStringLiteral("11111111-1111-1111-1111-111111111111"));
        QVERIFY(FileSystemUuid::fromSuperblock(QStringLiteral("xfs"), block.left(20)).isEmpty());
        QVERIFY(FileSystemUuid::fromSuperblock(QStringLiteral("vfat"), block).isEmpty());
    }

};

QTEST_GUILESS_MAIN(FileSystemUuidTest)
#include "FileSystemUuidTest.moc"
