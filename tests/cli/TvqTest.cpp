#include "support/LoopMount.h"
#include "support/TempTree.h"
#include "support/TestDocuments.h"
#include "support/TestFiles.h"
#include "support/TvqRunner.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QtTest>

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

} // namespace

// The tvq program run as a user would: output, exit status, and the helper installed beside it.
class TvqTest : public QObject
{
    Q_OBJECT
private slots:
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

    // The exit status, and what only the run can find out (folders and files that are not there).
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

    // Names that are not valid UTF-8 or begin with a byte-order mark, and what
    // lies in such a folder: -0 prints bytes that name existing files.
    void oddNamesArePrintedAsTheirBytes()
    {
        TempTree tree;
        const QByteArray base = QFile::encodeName(tree.path()) + '/';
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
        const TvqRunner::Outcome o = m_tvq.run({"--no-index", "--in", tree.path(), "-0", "odd"});
        QCOMPARE(o.status, 0);
        QList<QByteArray> printed = o.out.split('\0');
        QCOMPARE(printed.takeLast(), QByteArray());
        QCOMPARE(QSet<QByteArray>(printed.begin(), printed.end()), QSet<QByteArray>(names.begin(), names.end()));
    }

    // A failure to save is said, never passed over as success.
    void unsavedSettingsAndIndexAreReported()
    {
        TempTree tree({"s1"});
        // A folder cannot take the settings: found all the same, and said so.
        const TvqRunner::Outcome folder = TvqRunner::runProgram(
            m_tvq.program(), {"--settings", tree.path(), "--no-index", "--in", tree.path(), "s1"});
        QCOMPARE(folder.status, 0);
        QVERIFY2(folder.err.contains("settings could not be saved"), qPrintable(folder.err));

        LoopMount mount(QStringLiteral("ext4"));
        if (!mount.isMounted())
            QSKIP(qPrintable(mount.skipReason()));
        // Nothing can be written under /proc, where these settings put the index.
        QVERIFY(tree.add("Settings.ini", "[General]\nDBPath=/proc/tvq-test\n"));
        const TvqRunner::Outcome proc = TvqRunner::runProgram(
            m_tvq.program(), {"--settings", tree.path("Settings.ini"), "--index", mount.mountPoint(), "x"});
        QCOMPARE(proc.status, 2);
        QVERIFY2(proc.err.contains("index could not be saved"), qPrintable(proc.err));
    }

    void interactiveIndexSeesNewFile()
    {
        LoopMount mount(QStringLiteral("ext4"));
        if (!mount.isMounted())
            QSKIP(qPrintable(mount.skipReason()));
        const QString root = mount.mountPoint();
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

    // The words live only in the document's compressed XML: plain reading would find nothing.
    void contentsFindWordsInsideDocuments()
    {
        TempTree documents;
        QVERIFY(TestDocuments::writeZip(
            documents.path("report.docx"),
            {{"word/document.xml",
              "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
              "<w:p><w:r><w:t>First</w:t></w:r></w:p><w:p><w:r><w:t>the Quokka line</w:t></w:r></w:p>"
              "</w:body></w:document>"}}));
        const TvqRunner::Outcome found = m_tvq.run({"--no-index", "--contents", "quokka", "--in", documents.path()});
        QCOMPARE(TvqRunner::lines(found.out), QStringList{documents.path("report.docx")});
        const TvqRunner::Outcome o = m_tvq.run({"--contents", "quokka", "--matches", documents.path("report.docx")});
        QCOMPARE(o.status, 0);
        QCOMPARE(o.out, QByteArray("2\tthe Quokka line\n"));
    }

    // Converted documents are copies of the user's files: they go to a folder of this user alone, made beside the
    // shared name, which here someone else holds (a file in its place); the document is still read.
    void convertedDocumentsGoToAFolderOfTheUser()
    {
        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        QVERIFY(TestFiles::write(temp.filePath(QStringLiteral("Talvenquist")), "another user's"));
        const QByteArray savedTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const auto restore = qScopeGuard([savedTemp] { qputenv("TMPDIR", savedTemp); });
        TempTree documents;
        QVERIFY(TestDocuments::writeZip(
            documents.path("notes.odt"),
            {{"content.xml", "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                             "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:text>"
                             "<text:p>a Numbat here</text:p></office:text></office:body></office:document-content>"}}));
        const TvqRunner::Outcome found = m_tvq.run({"--no-index", "--contents", "numbat", "--in", documents.path()});
        QCOMPARE(TvqRunner::lines(found.out), QStringList{documents.path("notes.odt")});
        const QFileInfo folder(temp.filePath(QStringLiteral("Talvenquist-%1").arg(::getuid())));
        QVERIFY(folder.isDir());
        QCOMPARE(folder.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther), QFile::Permissions());
    }

private:
    TvqRunner m_tvq{QStringLiteral(TVQ_BINARY)};
};

QTEST_GUILESS_MAIN(TvqTest)
#include "TvqTest.moc"
