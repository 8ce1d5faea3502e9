// The index service as its users meet it: started on a socket and state
// folder of its own over a loop-mounted volume, asked by tvq and by raw
// clients as several users. Needs root (users, mounts, the service's
// credential switching); skipped otherwise.

#include "base/FileNameCodec.h"
#include "base/IndexingSettings.h"
#include "indexproto/FrameReader.h"
#include "indexproto/IndexProtocol.h"
#include "indexproto/IndexServiceClient.h"
#include "indexproto/MessageReader.h"
#include "indexproto/SearchQuery.h"
#include "platform/linux/LocalStream.h"
#include "platform/linux/NTFSUtils.h"
#include "support/LoopMount.h"
#include "support/TestFiles.h"
#include "indexproto/ServiceState.h"
#include "support/UnprivilegedUser.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

const QString kGroup = QStringLiteral("tvqsvc");
const QString kGroupUser = QStringLiteral("tvqsvc-grp");
const QString kAclUser = QStringLiteral("tvqsvc-acl");
// How long a file change may take to reach the service's answers: the
// change monitor is quick, but a machine busy with other tests is not.
const int kChangeSeenMs = 30000;

bool run(const QString &program, const QStringList &arguments, QByteArray *out = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return false;
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// setpriv in front of a command: the user's own ids and groups, as a login would give.
QStringList asUser(const QString &user)
{
    if (user == QLatin1String("root"))
        return {};
    return {QStringLiteral("setpriv"), QStringLiteral("--reuid=") + user, QStringLiteral("--regid=nogroup"),
            QStringLiteral("--init-groups"), QStringLiteral("--")};
}

// Whatever came first (a greeting), the service then closed the connection.
bool closedByService(int fd)
{
    char buffer[4096];
    for (;;) {
        const qint64 got = LocalStream::receive(fd, buffer, sizeof buffer, 5000);
        if (got <= 0)
            return got == 0;
    }
}

QStringList sortedLines(const QByteArray &out)
{
    QStringList lines = QFile::decodeName(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

} // namespace

class IndexServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void eachUserSeesWhatFindLists_data();
    void eachUserSeesWhatFindLists();
    void foldersWithoutReadOrSearchHideTheirContents();
    void hiddenMatchesAreNeitherSentNorCounted();
    void changesAreSeenByTheNextQuery();
    void badClientsLeaveOthersAnswered();
    void anotherProtocolVersionIsRefused();
    void rootOnlyRequestsAreRefusedToOthers();
    void newSettingsAreStoredThenTakenUp();
    void tvqAsNobodyPrintsRootsAnswerMinusHidden();
    void stopSavesAndCrashReplays();

private:
    bool startService();
    int stopService(int signalNumber);
    QByteArray tvq(const QString &user, const QStringList &arguments, int *status = nullptr) const;
    QStringList findAs(const QString &user) const;
    QString path(const QString &relative) const { return m_volume->mountPoint() + QLatin1Char('/') + relative; }
    QString serviceLog() const;

    std::unique_ptr<LoopMount> m_volume;
    QTemporaryDir m_dir;
    QString m_socket;
    QString m_stateDir;
    QString m_userDir; // writable by every user: their settings and temporary files
    QProcess m_service;
    bool m_usersMade = false;
};

void IndexServiceTest::initTestCase()
{
    if (::geteuid() != 0)
        QSKIP("needs root: the service switches credentials, the test makes users and mounts a volume");
    if (QStandardPaths::findExecutable(QStringLiteral("setfacl")).isEmpty())
        QSKIP("setfacl is missing (package acl)");
    m_volume = std::make_unique<LoopMount>(QStringLiteral("ext4"));
    if (!m_volume->isMounted())
        QSKIP(qPrintable(m_volume->skipReason()));
    // Every folder above the volume must let the users through.
    const QFile::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    const QString top = QDir(QDir::tempPath()).canonicalPath();
    for (QString dir = QFileInfo(m_volume->mountPoint()).path(); dir.startsWith(top + '/'); dir = QFileInfo(dir).path())
        QVERIFY(QFile::setPermissions(dir, open));
    for (const QString &user : {kGroupUser, kAclUser})
        run(QStringLiteral("userdel"), {user});
    run(QStringLiteral("groupdel"), {kGroup});
    QVERIFY(run(QStringLiteral("groupadd"), {kGroup}));
    QVERIFY(run(QStringLiteral("useradd"), {"-M", "-N", "-g", "nogroup", "-G", kGroup, "-s", "/usr/sbin/nologin", kGroupUser}));
    QVERIFY(run(QStringLiteral("useradd"), {"-M", "-N", "-g", "nogroup", "-s", "/usr/sbin/nologin", kAclUser}));
    m_usersMade = true;

    const QStringList files{"pub/readme-pub.txt", "pub/deep/readme-deep.md", "grp/readme-grp.txt",
                            "acl/readme-acl.txt", "acl/inner/readme-acl-inner", "priv/readme-priv.txt",
                            "priv/secretword-1", "pub/shut/secretword-2", "xonly/readme-x.txt", "ronly/readme-r.txt"};
    for (const QString &file : files) {
        QVERIFY(QDir().mkpath(QFileInfo(path(file)).path()));
        QVERIFY(TestFiles::write(path(file), QByteArray("x")));
    }
    QVERIFY(run("chgrp", {kGroup, path("grp")}));
    QVERIFY(run("chmod", {"0750", path("grp")}));
    QVERIFY(run("chmod", {"0700", path("acl"), path("priv"), path("pub/shut")}));
    QVERIFY(run("setfacl", {"-m", "u:" + kAclUser + ":rx", path("acl")}));
    QVERIFY(run("chmod", {"0711", path("xonly")}));
    QVERIFY(run("chmod", {"0744", path("ronly")}));

    QVERIFY(m_dir.isValid());
    m_socket = m_dir.filePath("run/index.socket");
    m_stateDir = m_dir.filePath("state");
    m_userDir = m_dir.filePath("users");
    QVERIFY(QDir().mkpath(m_userDir));
    QVERIFY(QFile::setPermissions(m_dir.path(), open));
    QVERIFY(QFile::setPermissions(m_userDir, open | QFile::WriteGroup | QFile::WriteOther));
    // The service's volume keys are given here first, so its settings can
    // name the test volume alone.
    {
        QDir().mkpath(m_stateDir);
        QSettings keys(m_stateDir + "/volumes.ini", QSettings::IniFormat);
        setVolumeSettings(&keys);
        const QChar key = volumeOfPath(m_volume->mountPoint()).key;
        setVolumeSettings(nullptr);
        QVERIFY(!key.isNull());
        QSettings config(m_dir.filePath("indexing.ini"), QSettings::IniFormat);
        config.setValue("IndexDrives", QString(key));
        config.setValue("AutoAddFixed", false);
    }
    QVERIFY(startService());
}

void IndexServiceTest::cleanupTestCase()
{
    if (m_service.state() != QProcess::NotRunning)
        stopService(SIGTERM);
    if (m_usersMade) {
        run(QStringLiteral("userdel"), {kGroupUser});
        run(QStringLiteral("userdel"), {kAclUser});
        run(QStringLiteral("groupdel"), {kGroup});
    }
}

bool IndexServiceTest::startService()
{
    m_service.setProgram(QStringLiteral(TVQ_INDEXD_BINARY));
    m_service.setArguments({"--socket", m_socket, "--state-dir", m_stateDir, "--config", m_dir.filePath("indexing.ini")});
    m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_service.start();
    if (!m_service.waitForStarted())
        return false;
    // Ready once a client is answered with the index loaded.
    for (int attempt = 0; attempt < 200; ++attempt) {
        IndexServiceClient client;
        ServiceState state;
        if (client.open(m_socket) && client.state(&state) && state.phase == ServiceState::Ready)
            return true;
        QThread::msleep(50);
    }
    return false;
}

int IndexServiceTest::stopService(int signalNumber)
{
    ::kill(pid_t(m_service.processId()), signalNumber);
    if (!m_service.waitForFinished(30000))
        return -2;
    return m_service.exitStatus() == QProcess::NormalExit ? m_service.exitCode() : -1;
}

QString IndexServiceTest::serviceLog() const
{
    return TestFiles::fromUtf16LE(TestFiles::read(m_stateDir + "/indexd.log"));
}

QByteArray IndexServiceTest::tvq(const QString &user, const QStringList &arguments, int *status) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TALVENQUIST_INDEX_SOCKET", m_socket);
    environment.insert("HOME", m_userDir);
    environment.insert("TMPDIR", m_userDir);
    environment.insert("XDG_RUNTIME_DIR", m_userDir);
    process.setProcessEnvironment(environment);
    const QString settings = m_userDir + "/" + (user.isEmpty() ? "root" : user) + ".ini";
    QStringList command = asUser(user) + QStringList{QStringLiteral(TVQ_BINARY), "--settings", settings} + arguments;
    process.start(command.takeFirst(), command);
    process.waitForFinished(60000);
    if (status)
        *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    const QByteArray err = process.readAllStandardError();
    if (!err.isEmpty())
        qWarning().noquote() << "tvq as" << user << "said:" << err;
    return process.readAllStandardOutput();
}

QStringList IndexServiceTest::findAs(const QString &user) const
{
    QStringList command = asUser(user) + QStringList{"find", m_volume->mountPoint(), "-mindepth", "1"};
    QProcess process;
    process.start(command.takeFirst(), command);
    process.waitForFinished(60000);
    // find lists the names inside a folder it may read but not enter; the
    // service shows nothing there, as nothing there can be opened.
    QStringList listed;
    for (const QString &line : sortedLines(process.readAllStandardOutput())) {
        if (user == QLatin1String("root") || !line.startsWith(path("ronly/")))
            listed << line;
    }
    return listed;
}

void IndexServiceTest::eachUserSeesWhatFindLists_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("mustSee");
    QTest::addColumn<QString>("mustNotSee");
    QTest::newRow("nobody") << "nobody" << "pub/deep/readme-deep.md" << "grp/readme-grp.txt";
    QTest::newRow("member of the folder's group") << kGroupUser << "grp/readme-grp.txt" << "acl/readme-acl.txt";
    QTest::newRow("given r and x by an ACL") << kAclUser << "acl/inner/readme-acl-inner" << "grp/readme-grp.txt";
    QTest::newRow("root") << "root" << "priv/secretword-1" << "";
}

void IndexServiceTest::eachUserSeesWhatFindLists()
{
    QFETCH(QString, user);
    QFETCH(QString, mustSee);
    QFETCH(QString, mustNotSee);
    const QStringList seen = sortedLines(tvq(user, {"--in", m_volume->mountPoint(), ""}));
    QCOMPARE(seen, findAs(user));
    QVERIFY(seen.contains(path(mustSee)));
    if (!mustNotSee.isEmpty())
        QVERIFY(!seen.contains(path(mustNotSee)));
}

void IndexServiceTest::foldersWithoutReadOrSearchHideTheirContents()
{
    const QStringList seen = sortedLines(tvq("nobody", {"readme-"}));
    QVERIFY(seen.contains(path("pub/readme-pub.txt")));
    QVERIFY(!seen.contains(path("xonly/readme-x.txt")));
    QVERIFY(!seen.contains(path("ronly/readme-r.txt")));
    // The folders themselves lie in a readable folder and are listed.
    QVERIFY(sortedLines(tvq("nobody", {"only"})).contains(path("xonly")));
}

void IndexServiceTest::hiddenMatchesAreNeitherSentNorCounted()
{
    int status = 0;
    QVERIFY(tvq("nobody", {"secretword"}, &status).isEmpty());
    QCOMPARE(status, 1);
    // The count at the end of the answer is of what was sent.
    UnprivilegedUser nobody;
    QVERIFY(nobody.ok());
    IndexServiceClient client;
    QVERIFY2(client.open(m_socket), qPrintable(client.errorText()));
    SearchQuery query;
    query.requestId = 7;
    query.name = "secretword";
    int entries = 0;
    quint64 count = 99;
    QVERIFY(client.search(query, [&entries](const ResultBatch::Entry &) { ++entries; }, {}, &count));
    QCOMPARE(entries, 0);
    QCOMPARE(count, quint64(0));
}

void IndexServiceTest::changesAreSeenByTheNextQuery()
{
    QVERIFY(TestFiles::write(path("pub/fresh-note.txt"), "x"));
    QTRY_VERIFY_WITH_TIMEOUT(tvq("nobody", {"fresh-note"}).contains("pub/fresh-note.txt"), kChangeSeenMs);
    QVERIFY(QFile::rename(path("pub/fresh-note.txt"), path("pub/fresh-renamed.txt")));
    QTRY_VERIFY_WITH_TIMEOUT(tvq("nobody", {"fresh-"}).contains("pub/fresh-renamed.txt"), kChangeSeenMs);
    QVERIFY(!tvq("nobody", {"fresh-"}).contains("fresh-note"));
    QVERIFY(QFile::remove(path("pub/fresh-renamed.txt")));
    QTRY_VERIFY_WITH_TIMEOUT(tvq("nobody", {"fresh-"}).isEmpty(), kChangeSeenMs);
}

void IndexServiceTest::badClientsLeaveOthersAnswered()
{
    // Results too many for any socket buffer: a parent path near the longest
    // a path may be, in front of every one of 600 names.
    QString deep = path("pub/long");
    while (deep.size() < 3600)
        deep += "/" + QString(200, QLatin1Char('d'));
    QVERIFY(QDir().mkpath(deep));
    for (int i = 0; i < 600; ++i)
        QVERIFY(TestFiles::write(deep + QStringLiteral("/bulky-%1").arg(i), "x"));
    QTRY_VERIFY_WITH_TIMEOUT(tvq("root", {"bulky-599"}).contains("bulky-599"), kChangeSeenMs);

    auto rawConnection = [this](const QByteArray &bytes) {
        FileDescriptor fd = LocalStream::connect(m_socket);
        if (fd.isValid() && !bytes.isEmpty())
            LocalStream::sendAll(fd.get(), bytes.constData(), bytes.size());
        return fd;
    };
    const QByteArray hello = IndexProtocol::frame(IndexProtocol::Hello, IndexProtocol::helloBody());
    QByteArray oversized(4, '\0');
    oversized[2] = 0x20; // 2 MiB announced
    FileDescriptor garbage = rawConnection("GET / HTTP/1.0\r\n\r\n");
    FileDescriptor tooLarge = rawConnection(hello + oversized);
    FileDescriptor half = rawConnection(hello.left(hello.size() - 2));
    FileDescriptor silent = rawConnection(QByteArray());
    SearchQuery everything;
    everything.requestId = 1;
    everything.name = "bulky";
    FileDescriptor neverReads = rawConnection(hello + IndexProtocol::frame(IndexProtocol::Search, everything.encode()));
    QVERIFY(garbage.isValid() && tooLarge.isValid() && half.isValid() && silent.isValid() && neverReads.isValid());

    // Liars are cut off at once.
    QVERIFY(closedByService(garbage.get()));
    QVERIFY(closedByService(tooLarge.get()));
    // Everyone else is answered in full meanwhile.
    IndexServiceClient other;
    QVERIFY2(other.open(m_socket), qPrintable(other.errorText()));
    SearchQuery query;
    query.requestId = 2;
    query.name = "readme-pub";
    QStringList names;
    quint64 count = 0;
    QVERIFY2(other.search(query, [&names](const ResultBatch::Entry &e) { names << QString::fromUtf8(e.name, e.nameSize); },
                          {}, &count),
             qPrintable(other.errorText()));
    QCOMPARE(names, QStringList{"readme-pub.txt"});
    QCOMPARE(count, quint64(1));
    QVERIFY(serviceLog().contains("dropped"));
    QVERIFY(QDir(path("pub/long")).removeRecursively());
}

void IndexServiceTest::anotherProtocolVersionIsRefused()
{
    const FileDescriptor fd = LocalStream::connect(m_socket);
    const QByteArray hello = IndexProtocol::frame(IndexProtocol::Hello, IndexProtocol::helloBody(IndexProtocol::kMagic, 99));
    QVERIFY(LocalStream::sendAll(fd.get(), hello.constData(), hello.size()));
    FrameReader reader;
    QByteArray payload;
    char buffer[4096];
    while (reader.next(&payload) == FrameReader::NeedMore) {
        const qint64 got = LocalStream::receive(fd.get(), buffer, sizeof buffer, 5000);
        QVERIFY(got > 0);
        reader.append(buffer, int(got));
    }
    QCOMPARE(quint8(payload.at(0)), quint8(IndexProtocol::Error));
    const QByteArray body = payload.mid(1);
    MessageReader in(body);
    in.u32();
    QCOMPARE(in.u8(), quint8(IndexProtocol::VersionMismatch));
    QCOMPARE(QString::fromUtf8(in.bytes()),
             QStringLiteral("the index service speaks protocol version %1, the client version 99").arg(IndexProtocol::kVersion));
    QVERIFY(closedByService(fd.get()));
}

void IndexServiceTest::rootOnlyRequestsAreRefusedToOthers()
{
    UnprivilegedUser nobody;
    QVERIFY(nobody.ok());
    IndexServiceClient client;
    QVERIFY(client.open(m_socket));
    QVERIFY(!client.rebuild());
    QCOMPARE(client.failure(), IndexServiceClient::Refused);
    QVERIFY(client.errorText().contains("only root"));
}

// Accepted means stored (a restart keeps them), and settings sent while the
// index is still busy with the ones before are taken up once it is free.
void IndexServiceTest::newSettingsAreStoredThenTakenUp()
{
    IndexingSettings first;
    first.indexDrives = {volumeOfPath(m_volume->mountPoint()).key};
    first.autoAddFixed = false;
    first.excludePaths = QStringList{path("first-excluded")};
    IndexingSettings second = first;
    second.excludePaths = QStringList{path("second-excluded")};
    IndexServiceClient client;
    QVERIFY(client.open(m_socket));
    QVERIFY(client.setSettings(first));
    QVERIFY(client.setSettings(second));
    QCOMPARE(QSettings(m_dir.filePath("indexing.ini"), QSettings::IniFormat).value("ExcludePaths/1/path").toString(),
             path("second-excluded"));
    QVERIFY(QTest::qWaitFor([&] {
        IndexServiceClient asker;
        ServiceState state;
        return asker.open(m_socket, 500) && asker.state(&state) && state.phase == ServiceState::Ready
            && state.settings.excludePaths == second.excludePaths;
    }, 30000));
    // Back to the settings the other tests expect.
    IndexingSettings none = first;
    none.excludePaths.clear();
    QVERIFY(client.setSettings(none));
    QVERIFY(QTest::qWaitFor([&] {
        IndexServiceClient asker;
        ServiceState state;
        return asker.open(m_socket, 500) && asker.state(&state) && state.phase == ServiceState::Ready
            && state.settings.excludePaths.isEmpty();
    }, 30000));
}

void IndexServiceTest::tvqAsNobodyPrintsRootsAnswerMinusHidden()
{
    const QStringList visible = findAs("nobody");
    int status = -1;
    const QByteArray rootOut = tvq("root", {"--no-service", "--index", m_volume->mountPoint(), "readme"}, &status);
    QCOMPARE(status, 0);
    QStringList expected;
    for (const QString &line : QFile::decodeName(rootOut).split('\n', Qt::SkipEmptyParts)) {
        if (visible.contains(line))
            expected << line;
    }
    QVERIFY(expected.size() >= 2);
    QVERIFY(expected.size() < QFile::decodeName(rootOut).count('\n'));
    const QStringList nobodyOut = QFile::decodeName(tvq("nobody", {"readme"}, &status)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(status, 0);
    QCOMPARE(nobodyOut, expected);
}

void IndexServiceTest::stopSavesAndCrashReplays()
{
    QCOMPARE(stopService(SIGTERM), 0);
    QVERIFY(!QDir(m_stateDir + "/DB").entryList(QDir::Files).isEmpty());
    QVERIFY(startService());
    QVERIFY(TestFiles::write(path("pub/made-while-running"), "x"));
    QTRY_VERIFY_WITH_TIMEOUT(tvq("root", {"made-while-running"}).contains("made-while"), kChangeSeenMs);
    QCOMPARE(stopService(SIGKILL), -1);
    QVERIFY(TestFiles::write(path("pub/made-while-down"), "x"));
    QVERIFY(QFile::remove(path("pub/readme-pub.txt")));
    QVERIFY(startService());
    const QStringList seen = sortedLines(tvq("nobody", {"made-while"}));
    QCOMPARE(seen, (QStringList{path("pub/made-while-down"), path("pub/made-while-running")}));
    QVERIFY(tvq("nobody", {"readme-pub"}).isEmpty());
    // The log is whole once the service has ended: it loaded and replayed,
    // and built nothing anew.
    QCOMPARE(stopService(SIGTERM), 0);
    QVERIFY(serviceLog().contains("Loading disk"));
    QVERIFY(!serviceLog().contains("Create DB"));
}

QTEST_GUILESS_MAIN(IndexServiceTest)
#include "IndexServiceTest.moc"
