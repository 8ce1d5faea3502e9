#include "support/LoopMount.h"
#include "support/TempTree.h"
#include "support/TestDocuments.h"
#include "support/TvqRunner.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One whole answer of an interactive session: its lines, then an empty one.
QByteArray ask(QProcess &process, const QByteArray &query)
{
    process.write(query);
    QByteArray out;
    while (!(out == "\n" || out.endsWith("\n\n")) && process.waitForReadyRead(10000))
        out += process.readAllStandardOutput();
    return out;
}

// A word-processing document of one paragraph per text.
TestDocuments::ZipEntries docx(const QList<QByteArray> &paragraphs)
{
    QByteArray body;
    for (const QByteArray &paragraph : paragraphs)
        body += "<w:p><w:r><w:t>" + paragraph + "</w:t></w:r></w:p>";
    return {{QStringLiteral("word/document.xml"),
             "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" + body
                 + "</w:body></w:document>"}};
}

} // namespace

// The tvq program run as a user would: options, output, exit status, and
// office documents searched through the helper installed beside it.
class TvqTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(QFile::exists(m_tvq.program()));
        QVERIFY(QFile::exists(QFileInfo(m_tvq.program()).absolutePath() + "/talvenquist-helper"));
        m_mount = std::make_unique<LoopMount>(QStringLiteral("ext4"));
        QVERIFY(TestDocuments::writeZip(m_documents.path("report.docx"), docx({"First", "the Quokka line"})));
        QVERIFY(TestDocuments::writeZip(
            m_documents.path("notes.odt"),
            {{"content.xml", "<office:document-content "
                             "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                             "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:text>"
                             "<text:p>about a quokka</text:p></office:text></office:body></office:document-content>"}}));
    }

    void walkFindsByName()
    {
        TempTree tree({"stdio.h", "include/stdio-ext.h", "include/other.h", "STDIO/"});
        const TvqRunner::Outcome o = m_tvq.run({"--no-index", "--in", tree.path(), "stdio"});
        QCOMPARE(o.status, 0);
        // Folders first, then files.
        QCOMPARE(TvqRunner::lines(o.out).first(), tree.path("STDIO"));
        QCOMPARE(TvqRunner::lineSet(o.out),
                 QSet<QString>({tree.path("STDIO"), tree.path("stdio.h"), tree.path("include/stdio-ext.h")}));
        QVERIFY(QFile::exists(m_tvq.dataPath() + "/tvq.log"));
        const TvqRunner::Outcome none = m_tvq.run({"--no-index", "-d", tree.path(), "zzz"});
        QCOMPARE(none.status, 1);
        QVERIFY(none.out.isEmpty());
    }

    // Option errors themselves are the command line's; here the exit status
    // and what only the run can find out (folders and files that are not there).
    void usageErrorsExitWithTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "bogus";
        // "@" stands for the test's data folder.
        QTest::newRow("--in missing") << QStringList{"--no-index", "--in", "@/missing", "x"} << "No such file";
        QTest::newRow("--matches a folder") << QStringList{"-c", "x", "--matches", "@"} << "Is a directory";
    }

    void usageErrorsExitWithTwo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        arguments.replaceInStrings(QRegularExpression("^@"), m_tvq.dataPath());
        const TvqRunner::Outcome o = m_tvq.run(arguments);
        QCOMPARE(o.status, 2);
        QVERIFY2(o.err.contains(reason), qPrintable(o.err));
        QVERIFY(o.out.isEmpty());
    }

    void withoutRootAndFoldersTheMessageIsClear()
    {
        // As root the check runs as "nobody"; its settings live in a folder it may write.
        QTemporaryDir data;
        QVERIFY(QFile::setPermissions(data.path(), QFile::Permissions(0x7777)));
        const QStringList arguments{"--settings", data.path() + "/Settings.ini", "stdio.h"};
        TvqRunner::Outcome o;
        if (geteuid() == 0) {
            const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (setpriv.isEmpty())
                QSKIP("setpriv is not installed; needed to run tvq as another user");
            o = TvqRunner::runProgram(setpriv, QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                                           m_tvq.program()} + arguments);
        } else {
            o = TvqRunner::runProgram(m_tvq.program(), arguments);
        }
        QCOMPARE(o.status, 2);
        QVERIFY2(o.err.contains("without root there is no index") && o.err.contains("--in"), qPrintable(o.err));
    }

    // Results that cannot be written end the run with 2 and a word, except for a
    // reader that left (EPIPE), which ends it quietly instead of never.
    void outputErrorsEndTheRun_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("full disk") << R"("$0" "$@" > /dev/full)" << 2 << "No space left";
        QTest::newRow("reader left") << R"(yes f | "$0" "$@" --interactive | head -1 > /dev/null)" << 0 << "";
    }

    void outputErrorsEndTheRun()
    {
        QFETCH(QString, shell);
        QFETCH(int, status);
        QFETCH(QString, message);
        TempTree tree({"f1", "f2"});
        const TvqRunner::Outcome o = TvqRunner::runProgram(
            QStringLiteral("sh"), QStringList{"-c", shell, m_tvq.program()} + m_tvq.settingsArguments()
                                      + QStringList{"--no-index", "--in", tree.path(), "f"});
        QCOMPARE(o.status, status);
        QVERIFY2(message.isEmpty() ? !o.err.contains("standard output") : o.err.contains("standard output: " + message),
                 qPrintable(o.err));
    }

    void unsavedSettingsAndIndexAreReported()
    {
        TempTree tree({"s1"});
        // A folder cannot take the settings: found all the same, and said so.
        const TvqRunner::Outcome folder = TvqRunner::runProgram(
            m_tvq.program(), {"--settings", tree.path(), "--no-index", "--in", tree.path(), "s1"});
        QCOMPARE(folder.status, 0);
        QVERIFY2(folder.err.contains("settings could not be saved"), qPrintable(folder.err));

        if (!m_mount->isMounted())
            QSKIP(qPrintable(m_mount->skipReason()));
        // Nothing can be written under /proc, where these settings put the index.
        QVERIFY(tree.add("Settings.ini", "[General]\nDBPath=/proc/tvq-test\n"));
        const TvqRunner::Outcome proc = TvqRunner::runProgram(
            m_tvq.program(), {"--settings", tree.path("Settings.ini"), "--index", m_mount->mountPoint(), "x"});
        QCOMPARE(proc.status, 2);
        QVERIFY2(proc.err.contains("index could not be saved"), qPrintable(proc.err));
    }

    void oddNamesArePrintedAsTheirBytes_data()
    {
        QTest::addColumn<bool>("index");
        QTest::newRow("walk") << false;
        QTest::newRow("index") << true;
    }

    // Names that are not valid UTF-8 or begin with a byte-order mark, and what
    // lies in such a folder: -0 prints bytes that name existing files.
    void oddNamesArePrintedAsTheirBytes()
    {
        QFETCH(bool, index);
        if (index && !m_mount->isMounted())
            QSKIP(qPrintable(m_mount->skipReason()));
        TempTree tree;
        const QString root = index ? m_mount->mountPoint() : tree.path();
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
        const TvqRunner::Outcome o = m_tvq.run(where + QStringList{"-0", "odd"});
        QCOMPARE(o.status, 0);
        QList<QByteArray> printed = o.out.split('\0');
        QCOMPARE(printed.takeLast(), QByteArray());
        QCOMPARE(QSet<QByteArray>(printed.begin(), printed.end()), QSet<QByteArray>(names.begin(), names.end()));
    }

    // A signal in the middle of a PDF conversion: the converted file goes, the status says the signal.
    void terminationRemovesConvertedFiles()
    {
        const int signalNumber = SIGTERM;
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
        process.start(m_tvq.program(),
                      m_tvq.settingsArguments() + QStringList{"--no-index", "--in", tree.path(), "-c", "x"});
        QVERIFY(process.waitForStarted(10000));
        const QDir converted(temp.filePath("Talvenquist"));
        QTRY_VERIFY_WITH_TIMEOUT(!converted.entryList({"pdf*"}, QDir::Files).isEmpty(), 10000);
        QCOMPARE(::kill(pid_t(process.processId()), signalNumber), 0);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 128 + signalNumber);
        QCOMPARE(converted.entryList(QDir::Files), QStringList());
    }

    void volumesAreListed()
    {
        const TvqRunner::Outcome o = m_tvq.run({"--volumes"});
        QCOMPARE(o.status, 0);
        bool rootListed = false;
        for (const QString &line : TvqRunner::lines(o.out)) {
            const QStringList fields = line.split('\t');
            QCOMPARE(fields.size(), 4);
            rootListed = rootListed || fields.at(1) == QLatin1String("/");
        }
        QVERIFY2(rootListed, o.out.constData());
    }

    void interactiveIndexSeesNewFile()
    {
        if (!m_mount->isMounted())
            QSKIP(qPrintable(m_mount->skipReason()));
        const QString root = m_mount->mountPoint();
        QProcess process;
        process.start(m_tvq.program(), m_tvq.settingsArguments() + QStringList{"--index", root, "--interactive"});
        QVERIFY(process.waitForStarted(10000));
        QCOMPARE(ask(process, "fresh-file\n"), QByteArray("\n"));
        QFile created(root + "/fresh-file.txt");
        QVERIFY(created.open(QIODevice::WriteOnly));
        created.close();
        // The monitor applies the change shortly after it happened: ask until it shows.
        QTRY_COMPARE_WITH_TIMEOUT(ask(process, "fresh-file\n"), QFile::encodeName(created.fileName()) + "\n\n", 10000);
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
    }

    // The words live only in the archives' compressed XML: plain reading would find nothing.
    void contentsFindWordsInsideDocuments()
    {
        QCOMPARE(foundInDocuments("quokka"),
                 QSet<QString>({m_documents.path("report.docx"), m_documents.path("notes.odt")}));
        const TvqRunner::Outcome o = m_tvq.run({"--contents", "quokka", "--matches", m_documents.path("report.docx")});
        QCOMPARE(o.status, 0);
        QCOMPARE(o.out, QByteArray("2\tthe Quokka line\n"));
    }

private:
    QSet<QString> foundInDocuments(const QString &word) const
    {
        return TvqRunner::lineSet(m_tvq.run({"--no-index", "--contents", word, "--in", m_documents.path()}).out);
    }

    TvqRunner m_tvq{QStringLiteral(TVQ_BINARY)};
    TempTree m_documents;
    // One volume for every test that needs an index; each uses its own names.
    std::unique_ptr<LoopMount> m_mount;
};

QTEST_GUILESS_MAIN(TvqTest)
#include "TvqTest.moc"
