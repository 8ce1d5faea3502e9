#include "session/WaitAdminProcessThread.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

// The companion exits with 0 when the elevated process ends, with 1 when it cannot be waited on.
class WaitAdminProcessThreadTest : public QObject
{
    Q_OBJECT

private slots:
    void endsWithTheProcess()
    {
        QProcess process;
        process.start("cat", QStringList());
        QVERIFY(process.waitForStarted());
        WaitAdminProcessThread waiter(process.processId());
        waiter.start();
        // cat ends when its input does; the thread must see that from a process it merely names by id.
        QMetaObject::invokeMethod(&process, [&] { process.closeWriteChannel(); }, Qt::QueuedConnection);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(waiter.wait());
    }

    void missingProcessEndsWithOne()
    {
        // Beyond the largest pid the kernel hands out (2^22), so no process has it.
        WaitAdminProcessThread waiter((1 << 22) + 17);
        waiter.start();
        QCOMPARE(QCoreApplication::exec(), 1);
        QVERIFY(waiter.wait());
    }
};

QTEST_GUILESS_MAIN(WaitAdminProcessThreadTest)
#include "WaitAdminProcessThreadTest.moc"
