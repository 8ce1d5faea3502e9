#include "support/LoopMount.h"
#include "support/TempTree.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Outcome
{
    int status = -1;
    QByteArray out;
    QString err;
};

QStringList lines(const QByteArray &out)
{
    QStringList list = QString::fromLocal8Bit(out).split(QLatin1Char('\n'));
    if (!list.isEmpty() && list.last().isEmpty())
        list.removeLast();
    return list;
}

QSet<QString> lineSet(const QByteArray &out)
{
    const QStringList list = lines(out);
    return QSet<QString>(list.begin(), list.end());
}

// One whole answer of an interactive session: its lines, then an empty one.
bool isAnswer(const QByteArray &out)
{
    return out == "\n" || out.endsWith("\n\n");
}

} // namespace

// The tvq program run as a user would: options, output, exit status. Every
// run names a settings file in a temporary folder, so nothing of the real
// user's is read or written.
class TvqTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void walkFindsByName();
    void nothingFoundExitsWithOne();
    void usageAndExpressionErrorsExitWithTwo_data();
    void usageAndExpressionErrorsExitWithTwo();
    void withoutRootAndFoldersTheMessageIsClear();
    void outputErrorsEndTheRun_data();
    void outputErrorsEndTheRun();
    void unsavedSettingsAndIndexAreReported();
    void oddNamesArePrintedAsTheirBytes_data();
    void oddNamesArePrintedAsTheirBytes();
    void terminationRemovesConvertedFiles_data();
    void terminationRemovesConvertedFiles();
    void noSubfolders();
    void print0SeparatesWithNul();
    void csvEscaping();
    void contentsAndSizes();
    void matchesPrintsNumberedLines();
    void interactiveWalkSeesNewFile();
    void volumesAreListed();
    void indexAnswersFromALoopVolume();
    void interactiveIndexSeesNewFile();

private:
    Outcome run(const QStringList &arguments, const QByteArray &input = QByteArray(),
                const QString &program = QString());
    QStringList settingsArguments() const { return {"--settings", m_data.path() + "/Settings.ini"}; }

    QTemporaryDir m_data;
};

void TvqTest::initTestCase()
{
    QVERIFY(m_data.isValid());
    QVERIFY(QFile::exists(QStringLiteral(TVQ_BINARY)));
    QFile plain(m_data.filePath(QStringLiteral("plain.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
}

Outcome TvqTest::run(const QStringList &arguments, const QByteArray &input, const QString &program)
{
    QProcess process;
    if (program.isEmpty())
        process.start(QStringLiteral(TVQ_BINARY), settingsArguments() + arguments);
    else
        process.start(program, arguments);
    Outcome outcome;
    if (!process.waitForStarted(10000))
        return outcome;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        process.kill();
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = process.readAllStandardOutput();
    outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
    return outcome;
}

void TvqTest::walkFindsByName()
{
    TempTree tree({"stdio.h", "include/stdio-ext.h", "include/other.h", "STDIO/"});
    const Outcome o = run({"--no-index", "--in", tree.path(), "stdio"});
    QCOMPARE(o.status, 0);
    // Folders first, then files.
    QCOMPARE(lines(o.out).first(), tree.path("STDIO"));
    QCOMPARE(lineSet(o.out), QSet<QString>({tree.path("STDIO"), tree.path("stdio.h"), tree.path("include/stdio-ext.h")}));
    QVERIFY(QFile::exists(m_data.path() + "/tvq.log"));
}

void TvqTest::nothingFoundExitsWithOne()
{
    TempTree tree({"a.txt"});
    const Outcome o = run({"--no-index", "-d", tree.path(), "zzz"});
    QCOMPARE(o.status, 1);
    QVERIFY(o.out.isEmpty());
}

void TvqTest::usageAndExpressionErrorsExitWithTwo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("bad regex") << QStringList{"--no-index", "-d", "/tmp", "-t", "regex", "a(b"}
                               << "regular expression";
    QTest::newRow("bad boolean") << QStringList{"--no-index", "-d", "/tmp", "-t", "boolean", "a or"}
                                 << "not a valid expression";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << "bogus";
    QTest::newRow("walk without folders") << QStringList{"--no-index", "x"} << "--in";
    QTest::newRow("bad date") << QStringList{"--no-index", "-d", "/tmp", "--modified-from", "yesterday"}
                              << "YYYY-MM-DD";
    QTest::newRow("date with a tail") << QStringList{"--no-index", "-d", "/tmp", "--modified-from", "2023-01-01garbage"}
                                      << "YYYY-MM-DD";
    QTest::newRow("empty --index") << QStringList{"--index", "", "x"} << "--index needs";
    // "@" stands for the test's data folder, which holds plain.txt.
    QTest::newRow("--in missing") << QStringList{"--no-index", "--in", "@/missing", "x"} << "No such file";
    QTest::newRow("--in a file") << QStringList{"--no-index", "--in", "@/plain.txt", "x"} << "Not a directory";
    QTest::newRow("--matches missing") << QStringList{"-c", "x", "--matches", "@/missing"} << "No such file";
    QTest::newRow("--matches a folder") << QStringList{"-c", "x", "--matches", "@"} << "Is a directory";
}

void TvqTest::usageAndExpressionErrorsExitWithTwo()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    arguments.replaceInStrings(QRegularExpression("^@"), m_data.path());
    const Outcome o = run(arguments);
    QCOMPARE(o.status, 2);
    QVERIFY2(o.err.contains(reason), qPrintable(o.err));
    QVERIFY(o.out.isEmpty());
}

void TvqTest::withoutRootAndFoldersTheMessageIsClear()
{
    // As root the check runs as "nobody"; its settings live in a folder it may write.
    QTemporaryDir data;
    QVERIFY(QFile::setPermissions(data.path(), QFile::Permissions(0x7777)));
    const QStringList arguments{"--settings", data.path() + "/Settings.ini", "stdio.h"};
    Outcome o;
    if (geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            QSKIP("setpriv is not installed; needed to run tvq as another user");
        o = run(QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", TVQ_BINARY} + arguments, {},
                setpriv);
    } else {
        o = run(arguments, {}, TVQ_BINARY);
    }
    QCOMPARE(o.status, 2);
    QVERIFY2(o.err.contains("without root there is no index") && o.err.contains("--in"), qPrintable(o.err));
}

// Results that cannot be written end the run with 2 and a word, except for a
// reader that left (EPIPE), which ends it quietly instead of never.
void TvqTest::outputErrorsEndTheRun_data()
{
    QTest::addColumn<QString>("shell");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("full disk") << R"("$0" "$@" > /dev/full)" << 2 << "No space left";
    QTest::newRow("closed") << R"("$0" "$@" >&-)" << 2 << "Bad file descriptor";
    QTest::newRow("reader left") << R"(yes f | "$0" "$@" --interactive | head -1 > /dev/null)" << 0 << "";
}

void TvqTest::outputErrorsEndTheRun()
{
    QFETCH(QString, shell);
    QFETCH(int, status);
    QFETCH(QString, message);
    TempTree tree({"f1", "f2"});
    const Outcome o = run(QStringList{"-c", shell, TVQ_BINARY} + settingsArguments()
                              + QStringList{"--no-index", "--in", tree.path(), "f"},
                          {}, QStringLiteral("sh"));
    QCOMPARE(o.status, status);
    QVERIFY2(message.isEmpty() ? !o.err.contains("standard output") : o.err.contains("standard output: " + message),
             qPrintable(o.err));
}

void TvqTest::unsavedSettingsAndIndexAreReported()
{
    TempTree tree({"s1"});
    // A folder cannot take the settings: found all the same, and said so.
    const Outcome folder = run({"--settings", tree.path(), "--no-index", "--in", tree.path(), "s1"}, {}, TVQ_BINARY);
    QCOMPARE(folder.status, 0);
    QVERIFY2(folder.err.contains("settings could not be saved"), qPrintable(folder.err));

    LoopMount mount(QStringLiteral("ext4"));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.skipReason()));
    // Nothing can be written under /proc, where these settings put the index.
    QVERIFY(tree.add("Settings.ini", "[General]\nDBPath=/proc/tvq-test\n"));
    const Outcome proc = run({"--settings", tree.path("Settings.ini"), "--index", mount.mountPoint(), "x"}, {},
                             TVQ_BINARY);
    QCOMPARE(proc.status, 2);
    QVERIFY2(proc.err.contains("index could not be saved"), qPrintable(proc.err));
}

void TvqTest::oddNamesArePrintedAsTheirBytes_data()
{
    QTest::addColumn<bool>("index");
    QTest::newRow("walk") << false;
    QTest::newRow("index") << true;
}

// Names that are not valid UTF-8 or begin with a byte-order mark, and what
// lies in such a folder: -0 prints bytes that name existing files.
void TvqTest::oddNamesArePrintedAsTheirBytes()
{
    QFETCH(bool, index);
    std::unique_ptr<LoopMount> mount;
    QString root;
    std::unique_ptr<TempTree> tree;
    if (index) {
        mount = std::make_unique<LoopMount>(QStringLiteral("ext4"));
        if (!mount->isMounted())
            QSKIP(qPrintable(mount->skipReason()));
        root = mount->mountPoint();
    } else {
        tree = std::make_unique<TempTree>();
        root = tree->path();
    }
    const QByteArray base = QFile::encodeName(root) + '/';
    const QList<QByteArray> names{base + "odd-lat\xe9", base + "odd-dir\xff", base + "odd-dir\xff/odd-inner",
                                  base + "\xef\xbb\xbfodd-bom"};
    // The test's own QDir cannot remove names that are not valid UTF-8.
    const auto removeNames = qScopeGuard([&names] {
        for (auto name = names.crbegin(); name != names.crend(); ++name)
            std::remove(name->constData());
    });
    QVERIFY(::mkdir(names.at(1).constData(), 0700) == 0);
    for (const QByteArray &name : {names.at(0), names.at(2), names.at(3)})
        QVERIFY(::close(::open(name.constData(), O_CREAT | O_WRONLY, 0600)) == 0);
    const QStringList where = index ? QStringList{"--index", root} : QStringList{"--no-index", "--in", root};
    const Outcome o = run(where + QStringList{"-0", "odd"});
    QCOMPARE(o.status, 0);
    QList<QByteArray> printed = o.out.split('\0');
    QCOMPARE(printed.takeLast(), QByteArray());
    QCOMPARE(QSet<QByteArray>(printed.begin(), printed.end()), QSet<QByteArray>(names.begin(), names.end()));
}

void TvqTest::terminationRemovesConvertedFiles_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("Ctrl+C") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
}

// A signal in the middle of a PDF conversion: the search is canceled, the
// converted file removed, and tvq ends as the signal says.
void TvqTest::terminationRemovesConvertedFiles()
{
    QFETCH(int, signalNumber);
    TempTree tree;
    QVERIFY(tree.add("slow.pdf", "%PDF-1.4\n"));
    // A stand-in pdftotext that converts for a minute.
    QVERIFY(tree.add("bin/pdftotext", "#!/bin/sh\n[ \"$1\" = -listenc ] && { echo UTF-16; exit 0; }\n"
                                      "exec /bin/sleep 60\n"));
    QVERIFY(QFile::setPermissions(tree.path("bin/pdftotext"), QFile::ReadOwner | QFile::ExeOwner));
    QTemporaryDir temp;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", tree.path("bin") + ":/usr/bin:/bin");
    environment.insert("TMPDIR", temp.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(TVQ_BINARY, settingsArguments() + QStringList{"--no-index", "--in", tree.path(), "-c", "x"});
    QVERIFY(process.waitForStarted(10000));
    const QDir converted(temp.filePath("Talvenquist"));
    QTRY_VERIFY_WITH_TIMEOUT(!converted.entryList({"pdf*"}, QDir::Files).isEmpty(), 10000);
    QCOMPARE(::kill(pid_t(process.processId()), signalNumber), 0);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 128 + signalNumber);
    QCOMPARE(converted.entryList(QDir::Files), QStringList());
}

void TvqTest::noSubfolders()
{
    TempTree tree({"n1", "deeper/n2"});
    const Outcome o = run({"--no-index", "--in", tree.path(), "--no-subfolders", "n"});
    QCOMPARE(o.status, 0);
    QCOMPARE(lineSet(o.out), QSet<QString>({tree.path("n1")}));
}

void TvqTest::print0SeparatesWithNul()
{
    TempTree tree({"p1/", "p2"});
    const Outcome o = run({"--no-index", "--in", tree.path(), "-0", "p"});
    QCOMPARE(o.status, 0);
    QCOMPARE(o.out, QFile::encodeName(tree.path("p1")) + '\0' + QFile::encodeName(tree.path("p2")) + '\0');
}

void TvqTest::csvEscaping()
{
    TempTree tree;
    QVERIFY(tree.add("a,\"b\".txt", QByteArray(2048, 'x')));
    const Outcome o = run({"--no-index", "--in", tree.path(), "--csv", "txt"});
    QCOMPARE(o.status, 0);
    const QString text = QString::fromLocal8Bit(o.out);
    QVERIFY2(text.startsWith("Name,Path,File Size,Created,Accessed,Modified\r\n\"a,\"\"b\"\".txt\"," + tree.path()
                             + ",2 KB,"),
             qPrintable(text));
    QVERIFY(text.endsWith("\r\n"));
    QCOMPARE(text.count("\r\n"), 2);
}

void TvqTest::contentsAndSizes()
{
    TempTree tree({"folder-with-needle/"});
    QVERIFY(tree.add("hit.txt", "x\nNeedle\n"));
    QVERIFY(tree.add("miss.txt", "nothing\n"));
    QVERIFY(tree.add("big-hit.txt", QByteArray(3 * 1024, ' ') + "\nneedle\n"));
    const Outcome contents = run({"--no-index", "--in", tree.path(), "-c", "needle"});
    QCOMPARE(contents.status, 0);
    QCOMPARE(lineSet(contents.out), QSet<QString>({tree.path("hit.txt"), tree.path("big-hit.txt")}));
    const Outcome sized = run({"--no-index", "--in", tree.path(), "-c", "needle", "--min-size", "2KB"});
    QCOMPARE(lineSet(sized.out), QSet<QString>({tree.path("big-hit.txt")}));
    const Outcome caseSensitive = run({"--no-index", "--in", tree.path(), "-c", "Needle", "--contents-case"});
    QCOMPARE(lineSet(caseSensitive.out), QSet<QString>({tree.path("hit.txt")}));
}

void TvqTest::matchesPrintsNumberedLines()
{
    TempTree tree;
    QVERIFY(tree.add("m.txt", "zero\nthe needle\nnone\nneedle again\n"));
    const Outcome o = run({"-c", "needle", "--matches", tree.path("m.txt")});
    QCOMPARE(o.status, 0);
    QCOMPARE(o.out, QByteArray("2\tthe needle\n4\tneedle again\n"));
    const Outcome none = run({"-c", "absent", "--matches", tree.path("m.txt")});
    QCOMPARE(none.status, 1);
    QVERIFY(none.out.isEmpty());
}

void TvqTest::interactiveWalkSeesNewFile()
{
    TempTree tree({"old-item"});
    QProcess process;
    process.start(TVQ_BINARY, settingsArguments() + QStringList{"--no-index", "--in", tree.path(), "--interactive"});
    QVERIFY(process.waitForStarted(10000));
    process.write("item\n");
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += process.readAllStandardOutput(), out.endsWith("\n\n")), 10000);
    QCOMPARE(out, QFile::encodeName(tree.path("old-item")) + "\n\n");
    QVERIFY(tree.add("new-item"));
    process.write("new-item\n");
    out.clear();
    QTRY_VERIFY_WITH_TIMEOUT((out += process.readAllStandardOutput(), out.endsWith("\n\n")), 10000);
    QCOMPARE(out, QFile::encodeName(tree.path("new-item")) + "\n\n");
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
}

void TvqTest::volumesAreListed()
{
    const Outcome o = run({"--volumes"});
    QCOMPARE(o.status, 0);
    bool rootListed = false;
    for (const QString &line : lines(o.out)) {
        const QStringList fields = line.split('\t');
        QCOMPARE(fields.size(), 4);
        rootListed = rootListed || fields.at(1) == QLatin1String("/");
    }
    QVERIFY2(rootListed, o.out.constData());
}

void TvqTest::indexAnswersFromALoopVolume()
{
    LoopMount mount(QStringLiteral("ext4"));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.skipReason()));
    const QString root = mount.mountPoint();
    QVERIFY(QDir().mkpath(root + "/data/sub") && QDir().mkpath(root + "/elsewhere"));
    for (const char *file : {"/data/sub/indexed-report.txt", "/elsewhere/report.md"}) {
        QFile f(root + QLatin1String(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    TempTree outside({"report-outside.txt"});
    const Outcome all = run({"--index", root, "report"});
    QCOMPARE(all.status, 0);
    // Without folders only the index answers: nothing of the temporary tree.
    QCOMPARE(lineSet(all.out), QSet<QString>({root + "/data/sub/indexed-report.txt", root + "/elsewhere/report.md"}));
    const Outcome inFolder = run({"--index", root, "-d", root + "/data", "report"});
    QCOMPARE(lineSet(inFolder.out), QSet<QString>({root + "/data/sub/indexed-report.txt"}));
    const Outcome walked = run({"--index", root, "-d", outside.path(), "report"});
    QCOMPARE(lineSet(walked.out), QSet<QString>({outside.path("report-outside.txt")}));
}

void TvqTest::interactiveIndexSeesNewFile()
{
    LoopMount mount(QStringLiteral("ext4"));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.skipReason()));
    const QString root = mount.mountPoint();
    QProcess process;
    process.start(TVQ_BINARY, settingsArguments() + QStringList{"--index", root, "--interactive"});
    QVERIFY(process.waitForStarted(10000));
    process.write("fresh-file\n");
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += process.readAllStandardOutput(), isAnswer(out)), 30000);
    QCOMPARE(out, QByteArray("\n"));
    QFile created(root + "/fresh-file.txt");
    QVERIFY(created.open(QIODevice::WriteOnly));
    created.close();
    // The monitor applies the change shortly after it happened: ask until it shows.
    const QByteArray expected = QFile::encodeName(created.fileName()) + "\n\n";
    bool seen = false;
    for (int attempt = 0; attempt < 50 && !seen; ++attempt) {
        out.clear();
        process.write("fresh-file\n");
        QTRY_VERIFY_WITH_TIMEOUT((out += process.readAllStandardOutput(), isAnswer(out)), 10000);
        seen = out == expected;
        if (!seen)
            QTest::qWait(100);
    }
    QVERIFY2(seen, out.constData());
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TvqTest)
#include "TvqTest.moc"
