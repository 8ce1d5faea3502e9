#include "content/EPUBConverter.h"
#include "content/HtmlConverter.h"
#include "support/Conversion.h"
#include "support/TestDocuments.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using Entries = TestDocuments::ZipEntries;

// Chapters are read as UTF-8 whatever they declare.
QByteArray chapter(const QByteArray &text)
{
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<html><body><p>" + text + "</p></body></html>\n";
}

QByteArray item(const QByteArray &id, const QByteArray &href, const QByteArray &type = "application/xhtml+xml")
{
    return "<item id=\"" + id + "\" href=\"" + href + "\" media-type=\"" + type + "\"/>\n";
}

// The package in a folder; the spine reads ch3, ch1, the NCX (not XHTML, so its idref names nothing), ch2.
Entries book()
{
    const QByteArray package = "<package xmlns=\"http://www.idpf.org/2007/opf\"><manifest>\n"
        + item("c1", "text/ch1.xhtml") + item("c2", "text/ch2.xhtml") + item("c3", "text/ch3.xhtml")
        + item("ncx", "toc.ncx", "application/x-dtbncx+xml") + "</manifest><spine toc=\"ncx\"><itemref idref=\"c3\"/>"
          "<itemref idref=\"c1\"/><itemref idref=\"ncx\"/><itemref idref=\"c2\"/></spine></package>\n";
    return {{QStringLiteral("META-INF/container.xml"),
             "<container xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles><rootfile "
             "full-path=\"OEBPS/content.opf\" media-type=\"application/oebps-package+xml\"/></rootfiles></container>"},
            {QStringLiteral("OEBPS/content.opf"), package},
            {QStringLiteral("OEBPS/text/ch1.xhtml"), chapter("One")},
            {QStringLiteral("OEBPS/text/ch2.xhtml"), chapter("Two \xc3\xa9")},
            {QStringLiteral("OEBPS/text/ch3.xhtml"), chapter("Three")},
            {QStringLiteral("OEBPS/toc.ncx"), "<ncx><body><p>not a chapter</p></body></ncx>"}};
}

} // namespace

class EPUBConverterTest : public QObject
{
    Q_OBJECT

    // The cap of converted text, low enough for the expanding books to pass it quickly.
    static constexpr qint64 kCap = 4 << 20;
    QTemporaryDir m_dir;
    HtmlConverter m_html;
    EPUBConverter m_converter{&m_html};
    int m_books = 0;

    QString writeBook(const Entries &entries)
    {
        const QString path = m_dir.filePath(QStringLiteral("book%1.epub").arg(++m_books));
        return TestDocuments::writeZip(path, entries) ? path : QString();
    }

    QString convertToText(const QString &path, bool *ok)
    {
        return Conversion::run(m_converter, QByteArray(), path, ok);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        TestFiles::startLog(m_dir);
        const QString temp = m_dir.filePath(QStringLiteral("Talvenquist"));
        QVERIFY(QDir().mkpath(temp));
        m_converter.setTempFolder(temp);
        ToPlainTextConverter::setMaxOutputBytes(kCap);
    }

    // Books that expand far beyond their size are cut at the cap of
    // converted text, not converted until memory runs out.
    void expandingBooksAreCut_data()
    {
        QTest::addColumn<int>("chapterBytes");
        QTest::addColumn<int>("spineLength");
        QTest::newRow("one chapter named 120 times") << (512 << 10) << 120;
        QTest::newRow("one line of 16 MiB") << (16 << 20) << 1;
    }

    void expandingBooksAreCut()
    {
        QFETCH(int, chapterBytes);
        QFETCH(int, spineLength);
        const QString path = writeBook(TestDocuments::epub(
            "<html><body>" + QByteArray(chapterBytes, 'w') + "</body></html>", spineLength));
        bool ok = false;
        const qint64 bytes = 2 * convertToText(path, &ok).size();
        QVERIFY(ok);
        QVERIFY2(bytes >= kCap && bytes < kCap + (512 << 10), QByteArray::number(bytes));
    }

    // Into a file in the temporary folder, as the content search asks.
    void spineOrderAndBaseFolder()
    {
        const QString path = writeBook(book());
        QString outputFile;
        QVERIFY(m_converter.convert(path, nullptr, &outputFile, nullptr, QString(), nullptr));
        QVERIFY2(outputFile.startsWith(m_dir.filePath(QStringLiteral("Talvenquist/epub"))), qPrintable(outputFile));
        const QByteArray written = TestFiles::read(outputFile);
        QCOMPARE(written.left(2), QByteArray("\xFF\xFE"));
        QCOMPARE(TestFiles::fromUtf16LE(written.mid(2)), QStringLiteral("Three\r\n\r\nOne\r\n\r\nTwo \u00e9\r\n\r\n"));
        QVERIFY(QFile::remove(outputFile));
    }

    void brokenBooks()
    {
        Entries noRootfile = book();
        noRootfile[0].second = "<container><rootfiles/></container>";
        bool ok = true;
        QCOMPARE(convertToText(writeBook(noRootfile), &ok), QString());
        QVERIFY(!ok);
    }
};

QTEST_MAIN(EPUBConverterTest)
#include "EPUBConverterTest.moc"
