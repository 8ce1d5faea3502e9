#include "base/DataPaths.h"
#include "platform/linux/Polkit.h"
#include "session/MessageListenWidget.h"
#include "session/StartupRoles.h"
#include "session/TaskScheduler.h"
#include "support/PrivateRuntimeDir.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <unistd.h>

// Every file under `folder`, relative to it, sorted.
static QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

class StartupRolesTest : public QObject
{
    Q_OBJECT

private:
    PrivateRuntimeDir m_runtime;
    QTemporaryDir m_system;
    const QString mainTitle = QLatin1String(kMainInstanceWindowTitle);

    // Runs the program with `arguments` while this process serves messages.
    static int runProgram(const QStringList &arguments, const QStringList &prefix = {})
    {
        QProcess process;
        QSignalSpy finished(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
        if (prefix.isEmpty())
            process.start(QStringLiteral(TVQ_PROGRAM), arguments);
        else
            process.start(prefix.first(), prefix.mid(1) + QStringList{QStringLiteral(TVQ_PROGRAM)} + arguments);
        if (!finished.wait(30000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        QVERIFY(m_system.isValid());
        Polkit::setRulesDirectory(m_system.filePath("rules.d"));
        setSystemDataDirectory(m_system.filePath("share"));
    }

    void secondStartHandsOver_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("searches");
        QTest::addColumn<QByteArray>("token");
        QTest::newRow("path first, token") << QStringList{"-path", "/srv/a b"} << QStringList{"/srv/a b"}
                                            << QByteArray("tok_1");
        QTest::newRow("path later") << QStringList{"-minimize", "-path", "/srv"} << QStringList{} << QByteArray();
        QTest::newRow("path without folder") << QStringList{"-path"} << QStringList{} << QByteArray();
    }

    // A second start hands over to the running instance and ends with 0; only "-path" as argument 1 searches.
    void secondStartHandsOver()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, searches);
        QFETCH(QByteArray, token);
        MessageListenWidget running(mainTitle);
        QSignalSpy activations(&running, &MessageListenWidget::activationRequested);
        QSignalSpy requested(&running, &MessageListenWidget::newSearchRequested);
        QSignalSpy tokens(&running, &MessageListenWidget::activationTokenReceived);
        // The running instance's log must survive the second start.
        const QByteArray runningLog = QByteArray("\xff\xfe") + QByteArray("l\0o\0g\0\r\0\n\0", 10);
        QVERIFY(TestFiles::write(DataPaths::logFilePath(), runningLog));
        qputenv("XDG_ACTIVATION_TOKEN", token);
        const int code = runProgram(arguments);
        qunsetenv("XDG_ACTIVATION_TOKEN");
        QCOMPARE(code, 0);
        QCOMPARE(tokens.count(), token.isEmpty() ? 0 : 1);
        if (!token.isEmpty())
            QCOMPARE(tokens.at(0).at(0).toString(), QString::fromLatin1(token));
        QStringList received;
        for (const QList<QVariant> &call : requested)
            received << call.at(0).toString();
        QCOMPARE(received, searches);
        QCOMPARE(activations.count(), 1);
        const QByteArray after = TestFiles::read(DataPaths::logFilePath());
        QVERIFY2(after.startsWith(runningLog), "the second start wiped the running instance's log");
        QVERIFY(after.size() > runningLog.size());
    }

    void adminSwitches_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("files");
        const QStringList rule{"rules.d/49-Talvenquist_SkipUAC.rules"};
        const QStringList menus{"share/applications/talvenquist-search-folder.desktop",
                                "share/kio/servicemenus/talvenquist-search-folder.desktop"};
        QTest::newRow("none") << QStringList{"-minimize"} << -1 << QStringList{};
        QTest::newRow("both skip-uac: enabling only")
            << QStringList{"-disable-skip-uac", "-enable-skip-uac"} << 0 << rule;
        QTest::newRow("enable shell") << QStringList{"-enable-shell-integration"} << 0 << menus;
        QTest::newRow("enable, then disable shell") << QStringList{"-disable-shell-integration"} << 0 << QStringList{};
    }

    // Rows run in order on one temporary system folder.
    void adminSwitches()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, files);
        if (geteuid() != 0)
            QSKIP("the switches act only as root");
        if (QTest::currentDataTag() == QLatin1String("enable, then disable shell"))
            setShellIntegration(true);
        QDir(m_system.filePath("rules.d")).removeRecursively();
        QCOMPARE(performAdminSwitch(QStringList{"talvenquist"} + arguments), exitCode);
        QCOMPARE(filesUnder(m_system.path()), files);
        setShellIntegration(false);
    }

    // The real program ends at once with 5 when a switch needs root it lacks.
    void switchExitsFiveAsNobody()
    {
        const QStringList asNobody{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
        QCOMPARE(runProgram({"-disable-shell-integration"}, geteuid() == 0 ? asNobody : QStringList()), 5);
    }

    void unelevatedParameters_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("parameters");
        QTest::newRow("none") << QStringList{"/opt/tq"} << "-no-elevation";
        QTest::newRow("bare") << QStringList{"/opt/tq", "-path", "/srv"} << "-path /srv -no-elevation";
        QTest::newRow("blank quoted") << QStringList{"/opt/tq", "-path", "/srv/My Files"}
                                      << "-path \"/srv/My Files\" -no-elevation";
    }

    void unelevatedParameters()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, parameters);
        QCOMPARE(::unelevatedParameters(arguments), parameters);
        // How the companion starts it: the words come back whole.
        QCOMPARE(QProcess::splitCommand(parameters), arguments.mid(1) + QStringList{"-no-elevation"});
    }

    // The elevated instance tells the companion its pid and takes the companion's command line as its own.
    void initAdminInstanceTakesTheCompanionsArguments()
    {
        // The companion answers with a blocking send, so it runs on a thread of its own, as in its own process.
        QThread thread;
        auto *companion = new MessageListenWidget(QLatin1String(kUserInstanceWindowTitle));
        std::atomic<qint64> pid{0};
        connect(companion, &MessageListenWidget::pidReceived, companion, [&pid](int value) { pid = value; });
        companion->moveToThread(&thread);
        connect(&thread, &QThread::finished, companion, &QObject::deleteLater);
        thread.start();
        MessageListenWidget listener(mainTitle);
        QStringList arguments;
        QCOMPARE(initAdminInstance(&listener, &arguments), -1);
        QTRY_COMPARE(pid.load(), QCoreApplication::applicationPid());
        thread.quit();
        QVERIFY(thread.wait());
        QCOMPARE(arguments, QCoreApplication::arguments());
    }

    void initAdminInstanceWithoutCompanion()
    {
        MessageListenWidget listener(mainTitle);
        QStringList arguments{"stale"};
        QCOMPARE(initAdminInstance(&listener, &arguments), -1);
        QVERIFY(arguments.isEmpty());
    }
};

QTEST_GUILESS_MAIN(StartupRolesTest)
#include "StartupRolesTest.moc"
