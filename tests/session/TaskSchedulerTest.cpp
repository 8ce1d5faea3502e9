#include "platform/linux/Polkit.h"
#include "session/TaskScheduler.h"
#include "support/TestFiles.h"
#include "support/UnprivilegedUser.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <unistd.h>

static QString readText(const QString &path)
{
    return QString::fromUtf8(TestFiles::read(path));
}

class TaskSchedulerTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_record;

    // A stand-in for pkexec: records its arguments one a line, then acts as the mode in TVQ_STAND_IN_MODE says.
    void installStandIn()
    {
        const QString script = m_dir.filePath("bin/pkexec");
        QVERIFY(TestFiles::write(script, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n"
                                                 "case \"$TVQ_STAND_IN_MODE\" in\n"
                                                 "dismiss) exit 126;; finish) exit 0;;\n"
                                                 "esac\nexec \"$@\"\n")
                                      .arg(m_record).toUtf8()));
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        Polkit::setPkexecProgram(script);
    }

    void installActionFor(const QString &program)
    {
        const QString action = "<annotate key=\"org.freedesktop.policykit.exec.path\">" + program + "</annotate>";
        QVERIFY(TestFiles::write(m_dir.filePath("actions/org.talvenquist.Talvenquist.run.policy"), action.toUtf8()));
    }

    QStringList recorded() const
    {
        return readText(m_record).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_record = m_dir.filePath("pkexec-arguments");
        Polkit::setRulesDirectory(m_dir.filePath("rules.d"));
        Polkit::setActionsDirectory(m_dir.filePath("actions"));
        setSystemDataDirectory(m_dir.filePath("share"));
        installStandIn();
    }

    void init()
    {
        QFile::remove(m_record);
        QDir(m_dir.filePath("actions")).removeRecursively();
    }

    void runElevated_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QStringList>("tail");
        const QString uid = QStringLiteral("PKEXEC_UID=%1").arg(::getuid());
        QTest::newRow("build tree") << "exec" << false << true << QStringList{uid, "/bin/true", "-x", "a b"};
        QTest::newRow("installed") << "exec" << true << true << QStringList{"/bin/true", "-x", "a b"};
        QTest::newRow("dismissed") << "dismiss" << true << false << QStringList{"/bin/true", "-x", "a b"};
    }

    void runElevated()
    {
        QFETCH(QString, mode);
        QFETCH(bool, installed);
        QFETCH(bool, started);
        QFETCH(QStringList, tail);
        qputenv("TVQ_STAND_IN_MODE", mode.toUtf8());
        if (installed)
            installActionFor("/bin/true");
        QCOMPARE(::runElevated("/bin/true", "-x \"a b\""), started);
        const QStringList arguments = recorded();
        QCOMPARE(arguments.mid(arguments.size() - tail.size()), tail);
        QCOMPARE(arguments.first(), installed ? QStringLiteral("/bin/true") : QStringLiteral("/usr/bin/env"));
    }

    // Without the rule (or without the installed action it is about) the task does not run: no pkexec, no prompt.
    void runSkipUacTask_data()
    {
        QTest::addColumn<bool>("rule");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("ran");
        QTest::newRow("never created") << false << true << false;
        QTest::newRow("not installed") << true << false << false;
        QTest::newRow("rule and action") << true << true << true;
    }

    void runSkipUacTask()
    {
        QFETCH(bool, rule);
        QFETCH(bool, installed);
        QFETCH(bool, ran);
        qputenv("TVQ_STAND_IN_MODE", "finish");
        if (rule)
            QVERIFY(createSkipUacTask());
        else
            QVERIFY(deleteSkipUacTask());
        if (installed)
            installActionFor(QCoreApplication::applicationFilePath());
        QCOMPARE(::runSkipUacTask(), ran);
        QCOMPARE(recorded(), ran ? QStringList{QCoreApplication::applicationFilePath()} : QStringList{});
    }

    void skipUacRuleNamesTheSessionUser()
    {
        QVERIFY(createSkipUacTask());
        const QString rule = readText(m_dir.filePath("rules.d/49-Talvenquist_SkipUAC.rules"));
        QVERIFY(rule.contains("action.id == \"org.talvenquist.Talvenquist.run\""));
        QVERIFY(rule.contains("subject.user == \"root\"") == (::getuid() == 0));
        QVERIFY(isSkipUacTaskEnabled());
        if (::geteuid() == 0) {
            // Root acting for another user: the rule is not that user's.
            qputenv("PKEXEC_UID", "65534");
            QVERIFY(!isSkipUacTaskEnabled());
            qunsetenv("PKEXEC_UID");
        }
        QVERIFY(deleteSkipUacTask());
        QVERIFY(!isSkipUacTaskEnabled());
    }

    void desktopExecWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("written");
        QTest::newRow("bare") << "/usr/bin/talvenquist" << "/usr/bin/talvenquist";
        QTest::newRow("blank") << "/opt/My Apps/talvenquist" << "\"/opt/My Apps/talvenquist\"";
        QTest::newRow("dollar and quote") << "/opt/a$b\"c" << "\"/opt/a\\\\$b\\\\\"c\"";
        QTest::newRow("percent") << "/opt/100%" << "/opt/100%%";
    }

    void desktopExecWord()
    {
        QFETCH(QString, word);
        QFETCH(QString, written);
        QCOMPARE(::desktopExecWord(word), written);
    }

    void autostartEntry()
    {
        const QString path = qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/Talvenquist.desktop";
        setAutostart(true);
        QVERIFY(isAutostart());
        QVERIFY(readText(path).contains(
            "\nExec=" + ::desktopExecWord(QCoreApplication::applicationFilePath()) + " -minimize\n"));
        QVERIFY(TestFiles::write(path, TestFiles::read(path) + "Hidden=true\n"));
        QVERIFY(!isAutostart());
        setAutostart(false);
        QVERIFY(!QFile::exists(path));
    }

    void folderMenuEntries()
    {
        setShellIntegration(true);
        QVERIFY(isShellIntegrated());
        const QString exec = "Exec=" + ::desktopExecWord(QCoreApplication::applicationFilePath()) + " -path %f\n";
        for (const char *file : {"share/applications/talvenquist-search-folder.desktop",
                                 "share/kio/servicemenus/talvenquist-search-folder.desktop"}) {
            const QString entry = readText(m_dir.filePath(file));
            QVERIFY2(entry.contains(exec) && entry.contains("MimeType=inode/directory;\n"), file);
        }
        setShellIntegration(false);
        QVERIFY(!isShellIntegrated());
        QVERIFY(QDir(m_dir.filePath("share/applications")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TaskSchedulerTest)
#include "TaskSchedulerTest.moc"
