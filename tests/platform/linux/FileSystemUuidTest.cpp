#include "platform/linux/FileSystemUuid.h"

#include "platform/linux/SysCall.h"
#include "support/LoopMount.h"

#include <QtTest>

#include <fcntl.h>

// The UUID must be the one the file system was made with (blkid reads it
// from the device independently), by both ways this code finds it.
class FileSystemUuidTest : public QObject
{
    Q_OBJECT

private slots:
    void matchesBlkid_data();
    void matchesBlkid();
    void chosenUuidIsRead();
    void superblockWithWrongMagic();
    void format();
};

void FileSystemUuidTest::matchesBlkid_data()
{
    QTest::addColumn<QString>("fsType");
    QTest::newRow("ext4") << QStringLiteral("ext4");
    QTest::newRow("xfs") << QStringLiteral("xfs");
    QTest::newRow("btrfs") << QStringLiteral("btrfs");
}

void FileSystemUuidTest::matchesBlkid()
{
    QFETCH(QString, fsType);
    LoopMount volume(fsType);
    if (!volume.isMounted())
        QSKIP(qPrintable(volume.skipReason()));
    QString expected;
    QVERIFY(LoopMount::run(QStringLiteral("blkid"),
                           {QStringLiteral("-p"), QStringLiteral("-o"), QStringLiteral("value"), QStringLiteral("-s"),
                            QStringLiteral("UUID"), volume.device()},
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

void FileSystemUuidTest::chosenUuidIsRead()
{
    const QString chosen = QStringLiteral("0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0");
    LoopMount volume(QStringLiteral("ext4"), 0, {QStringLiteral("-U"), chosen});
    if (!volume.isMounted())
        QSKIP(qPrintable(volume.skipReason()));
    const FileDescriptor mount = sysOpenAt(AT_FDCWD, volume.mountPoint().toLocal8Bit().constData(),
                                           O_RDONLY | O_DIRECTORY);
    QCOMPARE(FileSystemUuid::read(mount.get(), QStringLiteral("ext4"), volume.device()), chosen);
}

void FileSystemUuidTest::superblockWithWrongMagic()
{
    QByteArray block(FileSystemUuid::superblockSize(QStringLiteral("xfs")), '\x11');
    QVERIFY(FileSystemUuid::fromSuperblock(QStringLiteral("xfs"), block).isEmpty());
    block.replace(0, 4, "XFSB");
    QCOMPARE(FileSystemUuid::fromSuperblock(QStringLiteral("xfs"), block),
             QStringLiteral("11111111-1111-1111-1111-111111111111"));
    QVERIFY(FileSystemUuid::fromSuperblock(QStringLiteral("xfs"), block.left(20)).isEmpty());
    QVERIFY(FileSystemUuid::fromSuperblock(QStringLiteral("vfat"), block).isEmpty());
}

void FileSystemUuidTest::format()
{
    const unsigned char bytes[16] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                                     0x08, 0x09, 0xaa, 0xbb, 0xcc, 0xdd, 0xee, 0xff};
    QCOMPARE(FileSystemUuid::format(bytes), QStringLiteral("00010203-0405-0607-0809-aabbccddeeff"));
}

QTEST_GUILESS_MAIN(FileSystemUuidTest)
#include "FileSystemUuidTest.moc"
