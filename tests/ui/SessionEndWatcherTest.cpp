#include "base/DataPaths.h"
#include "support/TestFiles.h"
#include "ui/SessionEndWatcher.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

// A signal reaches the event loop as one request to end; the whole program saves its tabs when killed.
class SessionEndWatcherTest : public QObject
{
    Q_OBJECT

    static QString programLog() { return TestFiles::logLines(DataPaths::logFilePath()).join(QLatin1Char('\n')); }

private slots:
    void signalBecomesOneEndRequest_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void signalBecomesOneEndRequest()
    {
        QFETCH(int, signalNumber);
        SessionEndWatcher watcher;
        QSignalSpy end(&watcher, &SessionEndWatcher::endRequested);
        QCOMPARE(::raise(signalNumber), 0);
        QVERIFY(end.wait());
        QCOMPARE(end.count(), 1);
    }

    void sigtermSavesTheTabsFile()
    {
        const QString tabsFile = DataPaths::dataDirectory() + QStringLiteral("/Tabs.xml");
        QFile::remove(tabsFile);
        // The program's log of an earlier run must not be taken for this one's.
        QFile::remove(DataPaths::logFilePath());
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        // Without the index: the test is about ending, not about indexing volumes.
        program.start(QStringLiteral(TVQ_PROGRAM),
                      {QStringLiteral("-path"), QStringLiteral("/tmp"), QStringLiteral("-no-elevation")});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(programLog().contains(QStringLiteral("end the program as Exit does")), 30000);
        QVERIFY(!QFile::exists(tabsFile));

        QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QByteArray saved = TestFiles::read(tabsFile);
        QVERIFY2(saved.contains("<directoryComboBox value=\"/tmp\"/>"), saved.constData());
        const QString log = programLog();
        QVERIFY(log.contains(QStringLiteral("Exiting with code: 0")));
    }
};

QTEST_MAIN(SessionEndWatcherTest)
#include "SessionEndWatcherTest.moc"
