#include "platform/linux/MountTable.h"

#include <QtTest>

// An entry written back as a line without the optional fields.
static QString line(const MountTable::Entry &e)
{
    return QStringLiteral("%1 %2 %3:%4 %5 %6 %7 - %8 %9 %10")
        .arg(e.mountId).arg(e.parentId).arg(e.major).arg(e.minor)
        .arg(e.root, e.mountPoint, e.mountOptions, e.fsType, e.source)
        .arg(e.superOptions);
}

class MountTableTest : public QObject
{
    Q_OBJECT

private slots:
    // Optional fields (shared:7) may stand before the separator without shifting the rest.
    void parsesFields()
    {
        const QList<MountTable::Entry> entries = MountTable::parse(
            "26 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard\n"
            "45 26 0:39 /sub /mnt/my\\040data rw - btrfs /dev/loop0 rw,subvolid=256,subvol=/sub\n"
            "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 shared:7 - ext3 /dev/root rw,errors=1");
        QCOMPARE(entries.size(), 3);
        QCOMPARE(line(entries.at(0)), QStringLiteral("26 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard"));
        QCOMPARE(line(entries.at(1)), "45 26 0:39 /sub /mnt/my data rw - btrfs /dev/loop0 rw,subvolid=256,subvol=/sub");
        QCOMPARE(line(entries.at(2)), QStringLiteral("36 35 98:0 /mnt1 /mnt2 rw,noatime - ext3 /dev/root rw,errors=1"));
    }

    void unescape_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tab and newline") << QByteArray("/a\\011b\\012c") << QStringLiteral("/a\tb\nc");
        QTest::newRow("escape at end") << QByteArray("/x\\040") << QStringLiteral("/x ");
        QTest::newRow("cut short") << QByteArray("/a\\04") << QStringLiteral("/a\\04");
        QTest::newRow("not octal") << QByteArray("/a\\9zz") << QStringLiteral("/a\\9zz");
        QTest::newRow("utf-8") << QByteArray("/m\xc3\xbcnchen\\040x") << QStringLiteral("/m\u00fcnchen x");
    }

    void unescape()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, expected);
        QCOMPARE(MountTable::unescape(field), expected);
    }

    void skipsMalformedLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("no separator") << QByteArray("26 1 254:0 / / rw ext4 /dev/vda rw");
        QTest::newRow("bad id") << QByteArray("x 1 254:0 / / rw - ext4 /dev/vda rw");
        QTest::newRow("bad device") << QByteArray("26 1 2540 / / rw - ext4 /dev/vda rw");
    }

    void skipsMalformedLines()
    {
        QFETCH(QByteArray, line);
        const QList<MountTable::Entry> entries =
            MountTable::parse(line + "\n27 1 8:1 / /boot rw - ext4 /dev/sda1 rw\n");
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.at(0).mountPoint, QStringLiteral("/boot"));
    }
};

QTEST_GUILESS_MAIN(MountTableTest)
#include "MountTableTest.moc"
