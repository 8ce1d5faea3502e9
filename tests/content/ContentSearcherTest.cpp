#include "app/Logger.h"
#include "content/ContentSearchWorker.h"
#include "content/ContentSearcher.h"
#include "content/TextLineReader.h"
#include "content/EPUBConverter.h"
#include "content/HtmlConverter.h"
#include "content/MobiConverter.h"
#include "content/PDFConverter.h"
#include "search/FileSearchCancelException.h"
#include "search/FileSearchRequest.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <QThreadPool>

#include <sys/stat.h>

namespace {

// Stands in for an IFilter converter: writes a UTF-16LE file with a BOM (its
// encoding is empty, so the reader detects it), fails, or raises.
class FakeConverter : public ToPlainTextConverter
{
public:
    enum Behaviour { WriteFile, Fail, FailAfterNamingAFile, RaiseAfterNamingAFile };

    explicit FakeConverter(Behaviour behaviour, const QString &text = QString())
        : m_behaviour(behaviour)
        , m_text(text)
    {
    }

    bool convert(const QString &, QIODevice *, QString *outputFile, QIODevice *, const QString &,
                 const CancelFlag *) override
    {
        ++calls;
        if (m_behaviour == Fail)
            return false;
        auto file = createUtf16OutputFile(tempFolder() + QStringLiteral("/fake"), "FakeConverter", outputFile);
        if (!file)
            return false;
        lastOutput = *outputFile;
        file->write(TestFiles::toUtf16LE(m_text));
        if (m_behaviour == RaiseAfterNamingAFile)
            throw FileSearchCancelException(QStringLiteral("FakeConverter"), __LINE__,
                                            QStringLiteral("Convert canceled"));
        return m_behaviour == WriteFile;
    }
    QString encoding() const override { return QString(); }

    int calls = 0;
    QString lastOutput;

private:
    Behaviour m_behaviour;
    QString m_text;
};

IFilterInfo filter(const QString &clsid, const QStringList &extensions)
{
    IFilterInfo info;
    info.clsid = clsid;
    info.name = clsid;
    info.extensions = extensions;
    return info;
}

} // namespace

class ContentSearcherTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_logPath;
    QString m_temp;
    int m_files = 0;

    QString writeFile(const QByteArray &bytes, const QString &suffix = QStringLiteral("txt"))
    {
        const QString path = m_dir.filePath(QStringLiteral("files/f%1.%2").arg(++m_files).arg(suffix));
        return TestFiles::write(path, bytes) ? path : QString();
    }

    static FileSearchRequest request(const QString &text, int type = 0, bool lineScope = false)
    {
        FileSearchRequest r;
        r.text = text;
        r.textExpressionType = type;
        r.lineScope = lineScope;
        return r;
    }

    static ContentSearchSettings settings(bool autoDetect, bool skipBinary, bool builtInPdf = false)
    {
        ContentSearchSettings s;
        s.autoDetectEncoding = autoDetect;
        s.skipBinary = skipBinary;
        s.useBuiltInPDF = builtInPdf;
        return s;
    }

    std::unique_ptr<ContentSearcher> searcherWith(const ContentSearchSettings &s) const
    {
        auto searcher = std::make_unique<ContentSearcher>(m_temp);
        searcher->setSettings(s);
        return searcher;
    }

    QStringList tempEntries() const
    {
        QStringList entries = QDir(m_temp).entryList(QDir::Files);
        // The HTML converter's files sit beside the folder, named after it.
        for (const QString &name : QDir(m_dir.path()).entryList({QStringLiteral("Talvenquist?*")}, QDir::Files))
            entries.append(name);
        return entries;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_logPath = TestFiles::startLog(m_dir);
        m_temp = m_dir.filePath(QStringLiteral("Talvenquist"));
        QVERIFY(QDir().mkpath(m_temp));
    }

    void extension_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("last dot") << "/docs/a.tar.gz" << "gz";
        QTest::newRow("dot only in a folder") << "/docs.old/README" << "";
        QTest::newRow("backslash separator") << "C:\\docs\\a.txt" << "txt";
        QTest::newRow("hidden file") << "/home/u/.profile" << "profile";
    }

    void extension()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(ContentSearcher::extension(path), expected);
    }

    void converterTable()
    {
        ContentSearcher searcher(m_temp);
        QVERIFY(searcher.converters(QStringLiteral("epub")).isEmpty()); // before the first setSettings
        searcher.setSettings(settings(false, false));
        QVERIFY(dynamic_cast<EPUBConverter *>(searcher.converters(QStringLiteral("epub")).value(0)));
        QVERIFY(dynamic_cast<HtmlConverter *>(searcher.converters(QStringLiteral("fb2")).value(0)));
        QVERIFY(dynamic_cast<MobiConverter *>(searcher.converters(QStringLiteral("mobi")).value(0)));
        QVERIFY(searcher.converters(QStringLiteral("pdf")).isEmpty());
        searcher.setSettings(settings(false, false, /*builtInPdf=*/true));
        QVERIFY(dynamic_cast<PDFConverter *>(searcher.converters(QStringLiteral("pdf")).value(0)));
        QVERIFY(searcher.converters(QStringLiteral("PDF")).isEmpty()); // keys are case-sensitive
    }

    void filterConverterOrder()
    {
        auto *if32 = new FakeConverter(FakeConverter::Fail);
        auto *if64 = new FakeConverter(FakeConverter::Fail);
        ContentSearcher searcher(m_temp, std::unique_ptr<ToPlainTextConverter>(if32),
                                 std::unique_ptr<ToPlainTextConverter>(if64));
        ContentSearchSettings s = settings(false, false, /*builtInPdf=*/true);
        s.filters32 = {filter(QStringLiteral("{a}"), {QStringLiteral("pdf"), QStringLiteral("doc")}),
                       filter(QStringLiteral("{b}"), {QStringLiteral("xls")})};
        s.filters64 = {filter(QStringLiteral("{c}"), {QStringLiteral(".pdf"), QStringLiteral("doc"),
                                                      QStringLiteral("odt")})};
        s.disabledFilters = QStringList{QStringLiteral("{b}")};
        s.disabledExtensions = QStringList{QStringLiteral("doc")};
        s.disabledExtensions64 = QStringList{QStringLiteral("odt")};
        searcher.setSettings(s);
        const QVector<ToPlainTextConverter *> pdf = searcher.converters(QStringLiteral("pdf"));
        QCOMPARE(pdf.size(), 3);
        QVERIFY(dynamic_cast<PDFConverter *>(pdf.at(0)));
        QCOMPARE(pdf.at(1), if32);
        QCOMPARE(pdf.at(2), if64);
        QCOMPARE(searcher.converters(QStringLiteral("doc")), QVector<ToPlainTextConverter *>{if64});
        QVERIFY(searcher.converters(QStringLiteral("xls")).isEmpty());
        QVERIFY(searcher.converters(QStringLiteral("odt")).isEmpty());
        // Converters receive the temporary folder.
        QCOMPARE(if32->tempFolder(), m_temp);
    }

    void findAllLinesAndPositions()
    {
        const QString path = writeFile("no match\nfoo and FOO\nx\r\nfoo");
        const auto searcher = searcherWith(settings(true, true));
        ContentMatches matches;
        searcher->findAll(request(QStringLiteral("foo")), path, &matches);
        QVERIFY(!matches.converted);
        QCOMPARE(matches.linesRead, 4);
        QCOMPARE(matches.lines.size(), 2);
        QCOMPARE(matches.lines.at(0).lineNumber, 1);
        QCOMPARE(matches.lines.at(0).text, QStringLiteral("foo and FOO"));
        QCOMPARE(matches.lines.at(0).positions, (MatchPositions{{0, 3}, {8, 3}}));
        QCOMPARE(matches.lines.at(1).lineNumber, 3);
        QCOMPARE(matches.lines.at(1).positions, (MatchPositions{{0, 3}}));
    }

    void cancellationBetweenLines()
    {
        const QString path = writeFile("one\ntwo\n");
        const auto searcher = searcherWith(settings(true, true));
        FileSearchRequest r = request(QStringLiteral("two"));
        r.canceled = 1;
        QVERIFY_EXCEPTION_THROWN(searcher->find(r, path), FileSearchCancelException);
        ContentMatches matches;
        QVERIFY_EXCEPTION_THROWN(searcher->findAll(r, path, &matches), FileSearchCancelException);
        QVERIFY(matches.lines.isEmpty());
    }

    void encodingDetection_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("autoDetect");
        QTest::addColumn<bool>("skipBinary");
        QTest::addColumn<bool>("found");
        const QString text = QStringLiteral("first line here\nh\u00e9llo w\u00f6rld again\n");
        const QByteArray le = TestFiles::toUtf16LE(text);
        QTest::newRow("UTF-16LE detected") << le << true << false << true;
        QTest::newRow("UTF-16LE not detected") << le << false << false << false;
        QTest::newRow("UTF-16LE, only the BINARY verdict used") << le << false << true << false;
        QTest::newRow("BOM with detection off: Qt still reads the mark")
            << QByteArray("\xFF\xFE") + le << false << true << true;
        QTest::newRow("UTF-16BE detected") << TestFiles::toUtf16BE(text) << true << false << true;
        QTest::newRow("binary skipped") << QByteArray("\x7f" "ELF\0\0\xff w\xc3\xb6rld", 14) << true << true << false;
        QTest::newRow("binary searched when not skipped")
            << QByteArray("\x7f" "ELF\0\0\xff w\xc3\xb6rld", 14) << false << false << true;
    }

    void encodingDetection()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, autoDetect);
        QFETCH(bool, skipBinary);
        QFETCH(bool, found);
        const QString path = writeFile(content);
        const auto searcher = searcherWith(settings(autoDetect, skipBinary));
        const LogMark log(m_logPath);
        QCOMPARE(searcher->find(request(QStringLiteral("w\u00f6rld")), path), found);
        const bool skipped = log.has("INFO", "ContentSearcher", QStringLiteral("skip BINARY, file = %1").arg(path));
        QCOMPARE(skipped, QByteArray(QTest::currentDataTag()) == "binary skipped");
    }

    void missingFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("files/missing.txt"));
        const auto searcher = searcherWith(settings(true, true));
        const LogMark log(m_logPath);
        QVERIFY(!searcher->find(request(QStringLiteral("x")), path));
        ContentMatches matches;
        searcher->findAll(request(QStringLiteral("x")), path, &matches);
        QVERIFY(log.has("WARNING", "ContentSearcher", QStringLiteral("find - Failed to open %1").arg(path)));
        QVERIFY(log.has("WARNING", "ContentSearcher", QStringLiteral("findAll - Failed to open %1").arg(path)));
    }

    // A FIFO never written to would block a reader for ever.
    void onlyRegularFilesAreRead_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("text") << "txt";
        QTest::newRow("converted") << "fb2";
    }

    void onlyRegularFilesAreRead()
    {
        QFETCH(QString, suffix);
        const QString path = m_dir.filePath(QStringLiteral("files/fifo.") + suffix);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const auto searcher = searcherWith(settings(false, false));
        QVERIFY(!searcher->find(request(QStringLiteral("x")), path));
        ContentMatches matches;
        searcher->findAll(request(QStringLiteral("x")), path, &matches);
        QCOMPARE(matches.linesRead, 0);
        QVERIFY(QFile::remove(path));
    }

    // A match across a window's end or inside the part two windows share counts once.
    void longLineCountsEveryMatchOnce()
    {
        constexpr int w = TextLineReader::kDefaultWindow;
        constexpr int o = TextLineReader::kDefaultOverlap;
        QByteArray line(9000000, 'x');
        for (const int at : {100, w - o - 3, w - o + 10, w - 3, 2 * w - 2 * o - 2, 9000000 - 10})
            line.replace(at, 6, "needle");
        const QString path = writeFile(line);
        const auto searcher = searcherWith(settings(false, false));
        int count = 0;
        QVERIFY(searcher->find(request(QStringLiteral("needle")), path, &count));
        QCOMPARE(count, 6);
        ContentMatches matches;
        searcher->findAll(request(QStringLiteral("needle")), path, &matches);
        int positions = 0;
        for (const MatchLine &match : qAsConst(matches.lines)) {
            QCOMPARE(match.lineNumber, 0);
            positions += match.positions.size();
        }
        QCOMPARE(positions, 6);
        QCOMPARE(matches.linesRead, 1);
    }

    void htmlBookTextLivesOnlyForTheSearch()
    {
        const QString path = writeFile("<html><body><p>intro</p><p>caf&eacute; cr&egrave;me</p></body></html>",
                                       QStringLiteral("fb2"));
        const auto searcher = searcherWith(settings(true, true));
        const QStringList before = tempEntries();
        QVERIFY(searcher->find(request(QStringLiteral("caf\u00e9 cr\u00e8me")), path));
        // The entity form exists only in the source, not in the text.
        QVERIFY(!searcher->find(request(QStringLiteral("eacute")), path));
        QCOMPARE(tempEntries(), before);

        ContentMatches matches;
        searcher->findAll(request(QStringLiteral("cr\u00e8me")), path, &matches);
        QVERIFY(matches.converted);
        QVERIFY(matches.filePath.startsWith(m_temp + QStringLiteral("xhtml")));
        QCOMPARE(matches.lines.size(), 1);
        QCOMPARE(matches.lines.at(0).text, QStringLiteral("caf\u00e9 cr\u00e8me"));
        // The preview reads the converted file again later: it stays.
        QVERIFY(QFile::exists(matches.filePath));
        QVERIFY(QFile::remove(matches.filePath));
    }

    void fallsBackToTheNextConverterThenToTheFile()
    {
        auto *failing = new FakeConverter(FakeConverter::FailAfterNamingAFile, QStringLiteral("left over"));
        auto *working = new FakeConverter(FakeConverter::WriteFile, QStringLiteral("converted text"));
        auto searcher = std::make_unique<ContentSearcher>(m_temp, std::unique_ptr<ToPlainTextConverter>(failing),
                                                        std::unique_ptr<ToPlainTextConverter>(working));
        ContentSearchSettings s = settings(true, true);
        s.filters32 = {filter(QStringLiteral("{a}"), {QStringLiteral("doc"), QStringLiteral("rtf")})};
        s.filters64 = {filter(QStringLiteral("{b}"), {QStringLiteral("doc")})};
        searcher->setSettings(s);
        const QStringList before = tempEntries();
        const QString doc = writeFile("raw bytes", QStringLiteral("doc"));
        QVERIFY(searcher->find(request(QStringLiteral("converted")), doc));
        QVERIFY(!searcher->find(request(QStringLiteral("raw")), doc));
        QCOMPARE(failing->calls, 2);
        QCOMPARE(working->calls, 2);
        QCOMPARE(tempEntries(), before);
        // Every converter fails: the file itself is read.
        const QString rtf = writeFile("raw bytes", QStringLiteral("rtf"));
        QVERIFY(searcher->find(request(QStringLiteral("raw")), rtf));
        QCOMPARE(tempEntries(), before);

        ContentMatches matches;
        searcher->findAll(request(QStringLiteral("converted")), doc, &matches);
        QVERIFY(matches.converted);
        QCOMPARE(matches.filePath, working->lastOutput);
        QCOMPARE(matches.lines.size(), 1);
        QVERIFY(QFile::remove(matches.filePath));
    }

    void convertedFileRemovedWhenRaising()
    {
        auto *raising = new FakeConverter(FakeConverter::RaiseAfterNamingAFile, QStringLiteral("x"));
        auto *working = new FakeConverter(FakeConverter::WriteFile, QStringLiteral("one\ntwo\n"));
        auto searcher = std::make_unique<ContentSearcher>(m_temp, std::unique_ptr<ToPlainTextConverter>(raising),
                                                        std::unique_ptr<ToPlainTextConverter>(working));
        ContentSearchSettings s = settings(true, true);
        s.filters32 = {filter(QStringLiteral("{a}"), {QStringLiteral("raise")})};
        s.filters64 = {filter(QStringLiteral("{b}"), {QStringLiteral("work")})};
        searcher->setSettings(s);
        const QStringList before = tempEntries();

        QVERIFY_EXCEPTION_THROWN(searcher->find(request(QStringLiteral("x")), writeFile("x", QStringLiteral("raise"))),
                                 FileSearchCancelException);
        QVERIFY(!raising->lastOutput.isEmpty());
        QVERIFY(!QFile::exists(raising->lastOutput));

        FileSearchRequest canceled = request(QStringLiteral("two"));
        canceled.canceled = 1;
        QVERIFY_EXCEPTION_THROWN(searcher->find(canceled, writeFile("x", QStringLiteral("work"))),
                                 FileSearchCancelException);
        QVERIFY(!working->lastOutput.isEmpty());
        QVERIFY(!QFile::exists(working->lastOutput));
        QCOMPARE(tempEntries(), before);
    }

    void worker()
    {
        QThreadPool pool;
        int ran = 0;
        pool.start(new ContentSearchWorker([&ran] { ++ran; }));
        const LogMark log(m_logPath);
        pool.start(new ContentSearchWorker([] {
            throw FileSearchCancelException(QStringLiteral("ContentSearcher"), 7, QStringLiteral("Request 3 canceled"));
        }));
        std::exception_ptr failure;
        pool.start(new ContentSearchWorker(
            [] { throw FileSearchException(QStringLiteral("ContentSearcher"), 9, QStringLiteral("broken")); },
            [&failure](std::exception_ptr e) { failure = e; }));
        QVERIFY(pool.waitForDone(5000));
        QCOMPARE(ran, 1);
        QVERIFY(log.has("INFO", "FileSearch", "File: ContentSearcher, line: 7, Request 3 canceled"));
        QVERIFY(log.has("ERROR", "FileSearch", "File: ContentSearcher, line: 9, broken"));
        QVERIFY(failure);
        QVERIFY_EXCEPTION_THROWN(std::rethrow_exception(failure), FileSearchException);
    }
};

QTEST_MAIN(ContentSearcherTest)
#include "ContentSearcherTest.moc"
