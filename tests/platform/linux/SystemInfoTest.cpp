#include "platform/linux/SystemInfo.h"

#include <QTest>

class SystemInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void parseKernelRelease_data()
    {
        QTest::addColumn<QByteArray>("release");
        QTest::addColumn<int>("majorVersion");
        QTest::addColumn<int>("minorVersion");
        QTest::newRow("two digits") << QByteArray("5.15.153.1-microsoft-standard-WSL2") << 5 << 15;
        QTest::newRow("no minor") << QByteArray("7") << 7 << 0;
        QTest::newRow("empty") << QByteArray("") << 0 << 0;
    }

    void parseKernelRelease()
    {
        QFETCH(QByteArray, release);
        QFETCH(int, majorVersion);
        QFETCH(int, minorVersion);
        const KernelVersion version = ::parseKernelRelease(release.constData());
        QCOMPARE(version.majorVersion, majorVersion);
        QCOMPARE(version.minorVersion, minorVersion);
    }
};

QTEST_GUILESS_MAIN(SystemInfoTest)
#include "SystemInfoTest.moc"
