#include "base/FileSearchCancelException.h"
#include "content/ContentSearcher.h"
#include "query/FileSearchRequest.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <sys/stat.h>

namespace {

// Stands in for an IFilter converter: writes a UTF-16LE file with a BOM (its
// encoding is empty, so the reader detects it), then succeeds or fails.
class FakeConverter : public ToPlainTextConverter
{
public:
    enum Behaviour { WriteFile, FailAfterNamingAFile };

    explicit FakeConverter(Behaviour behaviour, const QString &text = QString())
        : m_behaviour(behaviour)
        , m_text(text)
    {
    }

    bool convert(const QString &, QIODevice *, QString *outputFile, QIODevice *, const QString &,
                 const CancelFlag *) override
    {
        auto file = createUtf16OutputFile(tempFolder() + QStringLiteral("/fake"), "FakeConverter", outputFile);
        if (!file)
            return false;
        lastOutput = *outputFile;
        file->write(TestFiles::toUtf16LE(m_text));
        return m_behaviour == WriteFile;
    }
    QString encoding() const override { return QString(); }

    QString lastOutput;

private:
    Behaviour m_behaviour;
    QString m_text;
};

IFilterInfo filter(const QString &clsid, const QStringList &extensions)
{
    return IFilterInfo{clsid, clsid, extensions};
}

} // namespace

class ContentSearcherTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_temp;
    int m_files = 0;

    QString writeFile(const QByteArray &bytes, const QString &suffix = QStringLiteral("txt"))
    {
        const QString path = m_dir.filePath(QStringLiteral("files/f%1.%2").arg(++m_files).arg(suffix));
        return TestFiles::write(path, bytes) ? path : QString();
    }

    static FileSearchRequest request(const QString &text)
    {
        FileSearchRequest r;
        r.text = text;
        return r;
    }

    static ContentSearchSettings settings(bool skipBinary = true)
    {
        ContentSearchSettings s;
        s.autoDetectEncoding = true;
        s.skipBinary = skipBinary;
        return s;
    }

    std::unique_ptr<ContentSearcher> searcherWith(const ContentSearchSettings &s) const
    {
        auto searcher = std::make_unique<ContentSearcher>(m_temp);
        searcher->setSettings(s);
        return searcher;
    }

    QStringList tempEntries() const { return QDir(m_temp).entryList(QDir::Files); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        TestFiles::startLog(m_dir);
        m_temp = m_dir.filePath(QStringLiteral("Talvenquist"));
        QVERIFY(QDir().mkpath(m_temp));
    }

    void findAllLinesAndPositions()
    {
        const QString path = writeFile("no match\nfoo and FOO\nx\r\nfoo");
        const auto searcher = searcherWith(settings());
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

    void binaryFilesSearchedWhenNotSkipped()
    {
        const QString path = writeFile(QByteArray("\x7f" "ELF\0\0\xff w\xc3\xb6rld", 14));
        QVERIFY(searcherWith(settings(/*skipBinary=*/false))->find(request(QStringLiteral("w\u00f6rld")), path));
    }

    void htmlBookIsSearchedAsText()
    {
        const QString path = writeFile("<html><body><p>caf&eacute; cr&egrave;me</p></body></html>", "fb2");
        QVERIFY(searcherWith(settings())->find(request(QStringLiteral("caf\u00e9 cr\u00e8me")), path));
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
        const auto searcher = searcherWith(settings());
        QVERIFY(!searcher->find(request(QStringLiteral("x")), path));
        ContentMatches matches;
        searcher->findAll(request(QStringLiteral("x")), path, &matches);
        QCOMPARE(matches.linesRead, 0);
        QVERIFY(QFile::remove(path));
    }

    void fallsBackToTheNextConverterThenToTheFile()
    {
        auto *failing = new FakeConverter(FakeConverter::FailAfterNamingAFile, QStringLiteral("left over"));
        auto *working = new FakeConverter(FakeConverter::WriteFile, QStringLiteral("converted text"));
        auto searcher = std::make_unique<ContentSearcher>(m_temp, std::unique_ptr<ToPlainTextConverter>(failing),
                                                        std::unique_ptr<ToPlainTextConverter>(working));
        ContentSearchSettings s = settings();
        s.filters32 = {filter(QStringLiteral("{a}"), {QStringLiteral("doc"), QStringLiteral("rtf")})};
        s.filters64 = {filter(QStringLiteral("{b}"), {QStringLiteral("doc")})};
        searcher->setSettings(s);
        const QStringList before = tempEntries();
        const QString doc = writeFile("raw bytes", QStringLiteral("doc"));
        QVERIFY(searcher->find(request(QStringLiteral("converted")), doc));
        QVERIFY(!searcher->find(request(QStringLiteral("raw")), doc));
        QCOMPARE(tempEntries(), before);
        // Every converter fails: the file itself is read.
        QVERIFY(searcher->find(request(QStringLiteral("raw")), writeFile("raw bytes", QStringLiteral("rtf"))));
        QCOMPARE(tempEntries(), before);

        ContentMatches matches;
        searcher->findAll(request(QStringLiteral("converted")), doc, &matches);
        QCOMPARE(matches.filePath, working->lastOutput);
        QCOMPARE(matches.lines.size(), 1);
        // The preview reads the converted file again later: it stays.
        QVERIFY(QFile::remove(matches.filePath));
        // Canceled once the text is converted: the converted file goes too.
        FileSearchRequest canceled = request(QStringLiteral("converted"));
        canceled.canceled = 1;
        QVERIFY_EXCEPTION_THROWN(searcher->find(canceled, doc), FileSearchCancelException);
        QCOMPARE(tempEntries(), before);
    }
};

QTEST_MAIN(ContentSearcherTest)
#include "ContentSearcherTest.moc"
