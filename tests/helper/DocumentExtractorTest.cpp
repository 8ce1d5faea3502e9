#include "helper/DocumentExtractor.h"
#include "helper/ExtractionBudget.h"
#include "helper/HelperProtocol.h"
#include "support/TestDocuments.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kOdf = "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
                        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                        "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\"";
const QByteArray kWord = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                         "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"";
const QByteArray kSheet = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
const QByteArray kSlide = "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"";

QByteArray odfContent(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content " + kOdf + "><office:body>" + body +
           "</office:body></office:document-content>";
}

QByteArray slide(const QByteArray &text)
{
    return "<p:sld xmlns:p=\"urn:p\" " + kSlide + "><a:p><a:r><a:t>" + text + "</a:t></a:r></a:p></p:sld>";
}

using Entries = TestDocuments::ZipEntries;

} // namespace

class DocumentExtractorTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_out;

    QString document(const QString &name) const { return m_dir.filePath(QStringLiteral("docs/") + name); }
    QStringList outputFiles() const { return QDir(m_out).entryList(QDir::Files); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        TestFiles::startLog(m_dir);
        m_out = m_dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(m_out));
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("docs"))));
    }

    void cleanup()
    {
        for (const QString &name : outputFiles())
            QFile::remove(m_out + QLatin1Char('/') + name);
    }

    void extractsText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Entries>("entries"); // empty: 'bytes' is the whole file
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");

        QTest::newRow("odt: paragraphs, spaces, tab, table, tracked deletion")
            << "a.odt"
            << Entries{{"content.xml", odfContent("<office:text><text:p>Grüße aus Köln</text:p><text:h>Zwei<text:s "
                                                  "text:c=\"3\"/>Leer<text:tab/>Tab</text:h><text:tracked-changes>"
                                                  "<text:p>deleted</text:p></text:tracked-changes><table:table>"
                                                  "<table:table-row><table:table-cell>"
                                                  "<text:p>A1</text:p></table:table-cell>"
                                                  "<table:table-cell><text:p>B1</text:p></table:table-cell>"
                                                  "</table:table-row></table:table></office:text>")}}
            << QByteArray() << QStringLiteral("Grüße aus Köln\r\nZwei   Leer\tTab\r\nA1\r\nB1\r\n");
        QTest::newRow("fodt: flat document")
            << "d.fodt" << Entries()
            << ("<?xml version=\"1.0\"?><office:document " + kOdf +
                "><office:meta><dc:title xmlns:dc=\"urn:dc\">not body</dc:title></office:meta><office:body>"
                "<office:text><text:p>Flach</text:p></office:text></office:body></office:document>")
            << QStringLiteral("Flach\r\n");
        QTest::newRow("docx: runs, tab stops, table, fallback, carriage return")
            << "e.docx"
            << Entries{{"word/document.xml",
                        "<w:document " + kWord + "><w:body><w:p><w:pPr><w:tabs><w:tab w:val=\"left\"/></w:tabs></w:pPr>"
                        "<w:r><w:t>Straße </w:t></w:r><w:r><w:rPr><w:b/>"
                        "</w:rPr><w:t>fett</w:t><w:tab/><w:t>x</w:t></w:r>"
                        "</w:p><w:p><w:r><w:t>line&#13;break</w:t></w:r></w:p><mc:AlternateContent><mc:Choice>"
                        "<w:p><w:r><w:t>box</w:t></w:r></w:p></mc:Choice><mc:Fallback><w:p><w:r><w:t>box</w:t></w:r>"
                        "</w:p></mc:Fallback></mc:AlternateContent><w:tbl><w:tr><w:tc><w:p><w:r><w:t>C1</w:t></w:r>"
                        "</w:p></w:tc><w:tc><w:p><w:r><w:t>C2</w:t></w:r>"
                        "</w:p></w:tc></w:tr></w:tbl></w:body></w:document>"}}
            << QByteArray() << QStringLiteral("Straße fett\tx\r\nline\nbreak\r\nbox\r\nC1\r\nC2\r\n");
        QTest::newRow("xlsx: shared and inline strings, numbers, sheets in order")
            << "f.xlsx"
            << Entries{{"xl/workbook.xml", "<workbook " + kSheet + "/>"},
                       {"xl/sharedStrings.xml",
                        "<sst " + kSheet + "><si><t>Preis</t></si><si><r><t>Ü</t></r><r><t>ber</t></r>"
                        "<rPh><t>phonetic</t></rPh></si></sst>"},
                       {"xl/worksheets/sheet10.xml", "<worksheet " + kSheet +
                                                         "><sheetData><row><c><v>10</v>"
                                                         "</c></row></sheetData></worksheet>"},
                       {"xl/worksheets/sheet2.xml",
                        "<worksheet " + kSheet + "><sheetData><row><c t=\"s\"><v>1</v></c><c><v>3.5</v></c>"
                        "<c t=\"inlineStr\"><is><t>inline</t></is></c>"
                        "<c t=\"s\"><v>0</v></c></row></sheetData></worksheet>"}}
            << QByteArray() << QStringLiteral("Über\r\n3.5\r\ninline\r\nPreis\r\n10\r\n");
        QTest::newRow("pptx: slides in order")
            << "g.pptx"
            << Entries{{"ppt/presentation.xml", "<p:presentation xmlns:p=\"urn:p\"/>"},
                       {"ppt/slides/slide10.xml", slide("zehn")},
                       {"ppt/slides/slide2.xml", slide("zwei")},
                       {"ppt/slides/slide1.xml", slide("eins")}}
            << QByteArray() << QStringLiteral("eins\r\nzwei\r\nzehn\r\n");
        QTest::newRow("rtf: code page, unicode, skipped groups, tab")
            << "h.rtf" << Entries()
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}{\\*\\generator Writer;}\\f0 Gr\\'fc\\'dfe"
                          "\\par Caf\\u233?\\par\n{\\colortbl;\\red0;}Tab\\tab end\\par}")
            << QStringLiteral("Grüße\r\nCafé\r\nTab\tend\r\n");
    }

    void extractsText()
    {
        QFETCH(QString, name);
        QFETCH(Entries, entries);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QString path = document(name);
        QVERIFY(entries.isEmpty() ? TestFiles::write(path, bytes) : TestDocuments::writeZip(path, entries));
        const QString output = DocumentExtractor::extract(path, m_out, nullptr);
        QVERIFY(!output.isEmpty());
        const QByteArray written = TestFiles::read(output);
        QCOMPARE(written.left(2), QByteArray("\xFF\xFE"));
        QCOMPARE(TestFiles::fromUtf16LE(written.mid(2)), expected);
    }

    void refusesBrokenDocuments_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("cap");

        const QString valid = document(QStringLiteral("valid.docx"));
        QVERIFY(TestDocuments::writeZip(valid, {{"word/document.xml", "<w:document " + kWord + "><w:body><w:p><w:r>"
                                                                      "<w:t>" + QByteArray(4000, 'x') + "</w:t></w:r>"
                                                                      "</w:p></w:body></w:document>"}}));
        const QByteArray whole = TestFiles::read(valid);
        QByteArray damaged = whole;
        // Inside the member's compressed data, past its local header.
        for (int i = 60; i < 80; ++i)
            damaged[i] = char(damaged.at(i) ^ 0x5A);
        const qint64 noCap = ExtractionBudget::kMaxExpandedBytes;
        QTest::newRow("truncated archive") << "t.docx" << whole.left(whole.size() / 2) << noCap;
        QTest::newRow("damaged member") << "m.docx" << damaged << noCap;
        QTest::newRow("unknown extension") << "u.xyz" << whole << noCap;
        QTest::newRow("past the expanded-size cap") << "c.docx" << whole << qint64(1024);
    }

    void refusesBrokenDocuments()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, cap);
        const QString path = document(name);
        QVERIFY(TestFiles::write(path, bytes));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ExtractionBudget budget(nullptr, cap);
        QVERIFY(!DocumentExtractor::extractTo(path, &buffer, &budget));
        if (cap == ExtractionBudget::kMaxExpandedBytes) {
            QCOMPARE(DocumentExtractor::extract(path, m_out, nullptr), QString());
            QCOMPARE(outputFiles(), QStringList());
        }
    }

    // A member that expands a thousandfold is cut short long before it is read whole, and leaves nothing behind.
    void zipBombGivesNothing()
    {
        const QString path = document(QStringLiteral("bomb.odt"));
        QVERIFY(TestDocuments::writeZip(path, {{"content.xml", odfContent("<office:text><text:p>" +
                                                                          QByteArray(64 * 1024 * 1024, ' ') +
                                                                          "</text:p></office:text>")}}));
        QVERIFY(QFileInfo(path).size() < 1024 * 1024);
        QCOMPARE(DocumentExtractor::extract(path, m_out, nullptr), QString());
        QCOMPARE(outputFiles(), QStringList());
    }

    void cancelGivesNothing()
    {
        const QString path = document(QStringLiteral("cancel.rtf"));
        QVERIFY(TestFiles::write(path, "{\\rtf1 text\\par}"));
        const std::atomic<bool> cancel{true};
        QCOMPARE(DocumentExtractor::extract(path, m_out, &cancel), QString());
        QCOMPARE(outputFiles(), QStringList());
    }

    // The legacy formats are served only while their tool is on the PATH; the tool's UTF-8 output becomes the text.
    void legacyFormatsFollowTheirTools()
    {
        const QByteArray savedPath = qgetenv("PATH");
        const QString tools = m_dir.filePath(QStringLiteral("tools"));
        QVERIFY(QDir().mkpath(tools));
        qputenv("PATH", tools.toUtf8());
        auto extensions = [] {
            QStringList all;
            for (const IFilterInfo &filter : DocumentExtractor::filters())
                all += filter.extensions;
            return all;
        };
        QVERIFY(extensions().contains(QStringLiteral("docx")));
        QVERIFY(!extensions().contains(QStringLiteral("doc")));

        const QString catdoc = tools + QStringLiteral("/catdoc");
        QVERIFY(TestFiles::write(catdoc, "#!/bin/sh\n[ \"$1 $2\" = \"-d utf-8\" ] || exit 3\n"
                                         "printf 'W\\303\\266rter in %s' \"$3\"\n"));
        QVERIFY(QFile::setPermissions(catdoc, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(extensions().contains(QStringLiteral("doc")));
        const QString path = document(QStringLiteral("old.doc"));
        QVERIFY(TestFiles::write(path, "binary"));
        const QString output = DocumentExtractor::extract(path, m_out, nullptr);
        qputenv("PATH", savedPath);
        QCOMPARE(TestFiles::fromUtf16LE(TestFiles::read(output).mid(2)), QStringLiteral("Wörter in ") + path + "\r\n");
    }

    void frames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("broken");
        const QByteArray two = HelperProtocol::encodeFrame(QStringLiteral("CONVERT\n/ä.docx")) +
                               HelperProtocol::encodeFrame(QString());
        QTest::newRow("two whole frames, one empty") << two << QStringList{"CONVERT\n/ä.docx", ""} << false;
        QTest::newRow("a frame not complete yet") << two.left(10) << QStringList() << false;
        QTest::newRow("an odd length") << QByteArray("\x03\0\0\0abc", 7) << QStringList() << true;
        QTest::newRow("a length past the limit") << QByteArray("\0\0\0\x7f", 4) << QStringList() << true;
    }

    void frames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, messages);
        QFETCH(bool, broken);
        QStringList taken;
        QString message;
        bool isBroken = false;
        while (HelperProtocol::takeFrame(&bytes, &message, &isBroken))
            taken << message;
        QCOMPARE(taken, messages);
        QCOMPARE(isBroken, broken);
    }
};

QTEST_GUILESS_MAIN(DocumentExtractorTest)
#include "DocumentExtractorTest.moc"
