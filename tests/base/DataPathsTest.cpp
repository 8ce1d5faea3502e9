#include "base/DataPaths.h"
#include "platform/linux/SessionUser.h"

#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// Under pkexec or sudo the process is root, but its files are the user's.
class DataPathsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        qunsetenv("PKEXEC_UID");
        qunsetenv("SUDO_UID");
    }

    void invokingUserSelectsTheFolders_data()
    {
        QTest::addColumn<QByteArray>("pkexecUid");
        QTest::addColumn<QByteArray>("sudoUid");
        QTest::addColumn<bool>("nobodysFolders");
        QTest::newRow("own") << QByteArray() << QByteArray() << false;
        QTest::newRow("pkexec") << QByteArray("65534") << QByteArray() << true;
        QTest::newRow("sudo") << QByteArray() << QByteArray("65534") << true;
        QTest::newRow("not a number") << QByteArray("65534x") << QByteArray() << false;
    }

    void invokingUserSelectsTheFolders()
    {
        QFETCH(QByteArray, pkexecUid);
        QFETCH(QByteArray, sudoUid);
        QFETCH(bool, nobodysFolders);
        if (::geteuid() != 0)
            QSKIP("only root acts for another user");
        const passwd *nobody = ::getpwuid(65534);
        QVERIFY(nobody);
        const QString home = QString::fromLocal8Bit(nobody->pw_dir);
        if (!pkexecUid.isEmpty())
            qputenv("PKEXEC_UID", pkexecUid);
        if (!sudoUid.isEmpty())
            qputenv("SUDO_UID", sudoUid);
        const QString data = nobodysFolders ? home + "/.local/share"
                                            : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        const QString config = nobodysFolders ? home + "/.config"
                                              : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QCOMPARE(DataPaths::settingsFilePath(), data + "/Talvenquist/Settings.ini");
        QCOMPARE(DataPaths::configDirectory(), config);
        QCOMPARE(SessionUser::current().uid, nobodysFolders ? uid_t(65534) : uid_t(0));
    }

    void filesAreGivenToTheInvokingUser()
    {
        if (::geteuid() != 0)
            QSKIP("only root acts for another user");
        QTemporaryFile file;
        QVERIFY(file.open());
        qputenv("PKEXEC_UID", "65534");
        QVERIFY(SessionUser::current().adopt(file.fileName()));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(file.fileName()).constData(), &st), 0);
        QCOMPARE(st.st_uid, uid_t(65534));
    }
};

QTEST_GUILESS_MAIN(DataPathsTest)
#include "DataPathsTest.moc"
