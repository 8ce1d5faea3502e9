#include "platform/linux/VolumeClassifier.h"

#include <QtTest>

// Mounts this kernel cannot make for a test (FAT, network shares) are
// classified from the lines the kernel writes for them.
class VolumeClassifierTest : public QObject
{
    Q_OBJECT

private slots:
    void classify_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("volume");
        QTest::addColumn<bool>("indexable");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<bool>("bind");

        QTest::newRow("ext4 root") << QByteArray("26 1 254:0 / / rw - ext4 /dev/vda rw") << true << true << false << false;
        QTest::newRow("xfs") << QByteArray("30 26 7:0 / /data rw - xfs /dev/loop0 rw") << true << true << false << false;
        QTest::newRow("ext2") << QByteArray("30 26 8:1 / /boot rw - ext2 /dev/sda1 rw") << true << true << false << false;
        QTest::newRow("vfat stick")
            << QByteArray("40 26 8:17 / /media/stick rw - vfat /dev/sdb1 rw,fmask=0022") << true << false << false << false;
        QTest::newRow("exfat") << QByteArray("41 26 8:33 / /media/x rw - exfat /dev/sdc1 rw") << true << false << false << false;
        QTest::newRow("ntfs3") << QByteArray("42 26 8:2 / /win rw - ntfs3 /dev/sda2 rw") << true << false << false << false;
        QTest::newRow("nfs4")
            << QByteArray("50 26 0:50 / /net rw - nfs4 server:/export rw,vers=4.2") << true << false << true << false;
        QTest::newRow("nfs subfolder is remote, not subst")
            << QByteArray("51 26 0:51 /export/home /h rw - nfs server:/export/home rw") << true << false << true << false;
        QTest::newRow("cifs") << QByteArray("52 26 0:52 / /share rw - cifs //srv/share rw") << true << false << true << false;
        QTest::newRow("smb3") << QByteArray("53 26 0:53 / /s3 rw - smb3 //srv/s rw") << true << false << true << false;
        QTest::newRow("sshfs")
            << QByteArray("54 26 0:54 / /ssh rw - fuse.sshfs user@host:/ rw,user_id=0") << true << false << true << false;
        QTest::newRow("9p") << QByteArray("55 26 0:55 / /host rw - 9p hostshare rw") << true << false << true << false;
        QTest::newRow("ceph") << QByteArray("56 26 0:56 / /ceph rw - ceph 10.0.0.1:/ rw") << true << false << true << false;
        QTest::newRow("local fuse is not remote")
            << QByteArray("57 26 0:57 / /enc rw - fuse.encfs encfs rw") << false << false << false << false;
        QTest::newRow("tmpfs") << QByteArray("24 23 0:22 / /dev/shm rw - tmpfs tmpfs rw") << false << false << false << false;
        QTest::newRow("proc") << QByteArray("21 26 0:20 / /proc rw - proc proc rw") << false << false << false << false;
        QTest::newRow("overlay") << QByteArray("60 1 0:60 / / rw - overlay overlay rw,lowerdir=/l") << false << false << false << false;
        QTest::newRow("snap squashfs")
            << QByteArray("61 26 7:3 / /snap/core/1 ro - squashfs /dev/loop3 ro") << false << false << false << false;
        QTest::newRow("bind mount of a folder")
            << QByteArray("70 26 254:0 /srv/www /var/www rw - ext4 /dev/vda rw") << true << true << false << true;
        QTest::newRow("btrfs top level")
            << QByteArray("80 26 0:39 / /b rw - btrfs /dev/loop0 rw,subvolid=5,subvol=/") << true << true << false << false;
        QTest::newRow("btrfs subvolume mounted with subvol=")
            << QByteArray("81 26 0:39 /@home /home rw - btrfs /dev/loop0 rw,subvolid=257,subvol=/@home")
            << true << true << false << false;
        QTest::newRow("btrfs bind mount inside a subvolume")
            << QByteArray("82 26 0:39 /@home/me/www /www rw - btrfs /dev/loop0 rw,subvolid=257,subvol=/@home")
            << true << true << false << true;
        QTest::newRow("btrfs without subvol option")
            << QByteArray("83 26 0:39 /dir /d rw - btrfs /dev/loop0 rw") << true << true << false << true;
    }

    void classify()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, volume);
        QFETCH(bool, indexable);
        QFETCH(bool, remote);
        QFETCH(bool, bind);
        const QList<MountTable::Entry> entries = MountTable::parse(line);
        QCOMPARE(entries.size(), 1);
        const MountTable::Entry &entry = entries.at(0);
        QCOMPARE(VolumeClassifier::isVolume(entry), volume);
        QCOMPARE(VolumeClassifier::isIndexableType(entry.fsType), indexable);
        QCOMPARE(VolumeClassifier::isRemoteType(entry.fsType), remote);
        QCOMPARE(VolumeClassifier::isBindMount(entry), bind);
    }
};

QTEST_GUILESS_MAIN(VolumeClassifierTest)
#include "VolumeClassifierTest.moc"
