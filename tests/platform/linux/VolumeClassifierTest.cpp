#include "platform/linux/VolumeClassifier.h"

#include <QtTest>

// Mounts a test cannot make (FAT, network shares) are classified from the kernel's lines for them.
class VolumeClassifierTest : public QObject
{
    Q_OBJECT

private slots:
    void classify_data()
    {
        QTest::addColumn<QByteArray>("line");
        // V a volume, I an indexable type, R a remote type, B a bind mount; "." for no.
        QTest::addColumn<QString>("flags");

        QTest::newRow("ext4 root") << QByteArray("26 1 254:0 / / rw - ext4 /dev/vda rw") << "VI..";
        QTest::newRow("vfat stick")
            << QByteArray("40 26 8:17 / /media/stick rw - vfat /dev/sdb1 rw,fmask=0022") << "V...";
        QTest::newRow("nfs subfolder is remote, not subst")
            << QByteArray("51 26 0:51 /export/home /h rw - nfs server:/export/home rw") << "V.R.";
        QTest::newRow("sshfs") << QByteArray("54 26 0:54 / /ssh rw - fuse.sshfs user@host:/ rw,user_id=0") << "V.R.";
        QTest::newRow("local fuse is not remote") << QByteArray("57 26 0:57 / /enc rw - fuse.encfs encfs rw") << "....";
        QTest::newRow("overlay") << QByteArray("60 1 0:60 / / rw - overlay overlay rw,lowerdir=/l") << "....";
        QTest::newRow("bind mount of a folder")
            << QByteArray("70 26 254:0 /srv/www /var/www rw - ext4 /dev/vda rw") << "VI.B";
        QTest::newRow("btrfs top level")
            << QByteArray("80 26 0:39 / /b rw - btrfs /dev/loop0 rw,subvolid=5,subvol=/") << "VI..";
        QTest::newRow("btrfs subvolume mounted with subvol=")
            << QByteArray("81 26 0:39 /@home /home rw - btrfs /dev/loop0 rw,subvolid=257,subvol=/@home") << "VI..";
        QTest::newRow("btrfs bind mount inside a subvolume")
            << QByteArray("82 26 0:39 /@home/me/www /www rw - btrfs /dev/loop0 rw,subvolid=257,subvol=/@home")
            << "VI.B";
        QTest::newRow("btrfs without subvol option")
            << QByteArray("83 26 0:39 /dir /d rw - btrfs /dev/loop0 rw") << "VI.B";
    }

    void classify()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, flags);
        const QList<MountTable::Entry> entries = MountTable::parse(line);
        QCOMPARE(entries.size(), 1);
        const MountTable::Entry &entry = entries.at(0);
        QString actual;
        actual += VolumeClassifier::isVolume(entry) ? 'V' : '.';
        actual += VolumeClassifier::isIndexableType(entry.fsType) ? 'I' : '.';
        actual += VolumeClassifier::isRemoteType(entry.fsType) ? 'R' : '.';
        actual += VolumeClassifier::isBindMount(entry) ? 'B' : '.';
        QCOMPARE(actual, flags);
    }
};

QTEST_GUILESS_MAIN(VolumeClassifierTest)
#include "VolumeClassifierTest.moc"
