#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// What an administrator gets: `cmake --install` under a prefix of its own
// and the Debian package cpack makes. Both must carry every program, the
// index service's unit (pointing at the installed service) and the polkit
// action, and the package must declare what it needs and manage the unit.
class InstallTest : public QObject
{
    Q_OBJECT

    // Runs a program to its end; its standard output, or a failure naming
    // the program and what it said.
    static QByteArray run(const QString &program, const QStringList &arguments, const QString &folder = QString())
    {
        QProcess process;
        process.setWorkingDirectory(folder.isEmpty() ? QStringLiteral(TVQ_BUILD_DIR) : folder);
        process.start(program, arguments);
        if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit
            || process.exitCode() != 0) {
            qWarning().noquote() << program << arguments.join(QLatin1Char(' ')) << "failed:"
                                 << process.readAllStandardError();
            return QByteArray("<failed>");
        }
        return process.readAllStandardOutput();
    }

    static QString unitExecStart(const QByteArray &unit)
    {
        for (const QByteArray &line : unit.split('\n')) {
            if (line.startsWith("ExecStart="))
                return QString::fromUtf8(line.mid(int(qstrlen("ExecStart="))));
        }
        return QString();
    }

private slots:
    void installsUnderPrefix()
    {
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        QVERIFY(run(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral("."),
                                              QStringLiteral("--prefix"), prefix.path()})
                != "<failed>");
        for (const char *file : {"bin/talvenquist", "bin/tvq", "bin/talvenquist-helper", "sbin/talvenquist-indexd",
                                 "lib/systemd/system/talvenquist-indexd.service",
                                 "share/polkit-1/actions/org.talvenquist.Talvenquist.run.policy"})
            QVERIFY2(QFile::exists(prefix.filePath(QLatin1String(file))), file);
        QFile unit(prefix.filePath(QStringLiteral("lib/systemd/system/talvenquist-indexd.service")));
        QVERIFY(unit.open(QIODevice::ReadOnly));
        QCOMPARE(unitExecStart(unit.readAll()), prefix.filePath(QStringLiteral("sbin/talvenquist-indexd")));
    }

    void debianPackage()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-deb")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
            QSKIP("dpkg-deb and dpkg-shlibdeps (dpkg-dev) are needed to build and read a package");
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QVERIFY(run(QStringLiteral("cpack"), {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"),
                                              out.path()})
                != "<failed>");
        const QStringList packages = QDir(out.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(packages.size(), 1);
        const QString deb = out.filePath(packages.first());

        const QByteArray contents = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb});
        for (const char *file : {"./usr/bin/talvenquist", "./usr/bin/tvq", "./usr/bin/talvenquist-helper",
                                 "./usr/sbin/talvenquist-indexd", "./usr/lib/systemd/system/talvenquist-indexd.service",
                                 "./usr/share/polkit-1/actions/org.talvenquist.Talvenquist.run.policy"})
            QVERIFY2(contents.contains(file), file);

        // Read from the programs' libraries, not written by hand.
        const QByteArray depends = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb,
                                                                   QStringLiteral("Depends")});
        for (const char *package : {"libqt5core5a", "libqt5widgets5", "libsystemd0", "pkexec"})
            QVERIFY2(depends.contains(package), depends.constData());

        QTemporaryDir control;
        QVERIFY(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-e"), deb, control.path()}) != "<failed>");
        QFile postinst(control.filePath(QStringLiteral("postinst")));
        QVERIFY(postinst.open(QIODevice::ReadOnly));
        const QByteArray script = postinst.readAll();
        QVERIFY(script.contains("deb-systemd-helper enable") && script.contains("deb-systemd-invoke"));
        QFile prerm(control.filePath(QStringLiteral("prerm")));
        QVERIFY(prerm.open(QIODevice::ReadOnly));
        QVERIFY(prerm.readAll().contains("deb-systemd-invoke stop"));

        const QByteArray unit = run(QStringLiteral("sh"), {QStringLiteral("-c"),
            QStringLiteral("dpkg-deb --fsys-tarfile '%1' | tar -xO ./usr/lib/systemd/system/talvenquist-indexd.service")
                .arg(deb)});
        QCOMPARE(unitExecStart(unit), QStringLiteral("/usr/sbin/talvenquist-indexd"));
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "InstallTest.moc"
