#include "app/Logger.h"
#include "content/EPUBConverter.h"
#include "content/HtmlConverter.h"
#include "search/FileSearchCancelException.h"
#include "support/TestDocuments.h"
#include "support/Conversion.h"

#include <QBuffer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Entries = TestDocuments::ZipEntries;

QByteArray chapter(const QByteArray &text)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\">\n"
           "<body>\n<p>" + text + "</p>\n</body>\n</html>\n";
}

// The package in a folder; the spine reads ch3, ch1, the NCX (not XHTML, so its idref names nothing), ch2.
Entries book()
{
    const QByteArray package = "<?xml version=\"1.0\"?>\n<package xmlns=\"http://www.idpf.org/2007/opf\">\n<manifest>\n"
                               "<item id=\"c1\" href=\"text/ch1.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
                               "<item id=\"c2\" href=\"text/ch2.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
                               "<item id=\"c3\" href=\"text/ch3.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
                               "<item id=\"ncx\" href=\"toc.ncx\" media-type=\"application/x-dtbncx+xml\"/>\n"
                               "</manifest>\n<spine toc=\"ncx\"><itemref idref=\"c3\"/><itemref idref=\"c1\"/>"
                               "<itemref idref=\"ncx\"/><itemref idref=\"c2\"/></spine>\n</package>\n";
    return {{QStringLiteral("mimetype"), "application/epub+zip"},
            {QStringLiteral("META-INF/container.xml"),
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
        m_html.setTempFolder(temp);
        m_converter.setTempFolder(temp);
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
        constexpr qint64 kCap = 4 << 20;
        ToPlainTextConverter::setMaxOutputBytes(kCap);
        const auto restore = qScopeGuard([] {
            ToPlainTextConverter::setMaxOutputBytes(ToPlainTextConverter::kDefaultMaxOutputBytes);
        });
        const QString path = writeBook(TestDocuments::epub(
            "<html><body>" + QByteArray(chapterBytes, 'w') + "</body></html>", spineLength));
        QBuffer output;
        output.open(QIODevice::ReadWrite);
        QVERIFY(m_converter.convert(path, nullptr, nullptr, &output, QString(), nullptr));
        QVERIFY2(output.size() >= kCap && output.size() < kCap + (512 << 10), QByteArray::number(output.size()));
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

    // The package at the root; chapters are UTF-8 whatever they declare.
    void packageAtTheRoot()
    {
        const QByteArray chapterFile("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                     "<html><body><p>\xc3\xa9t\xc3\xa9</p></body></html>");
        const QString path = writeBook(TestDocuments::epub(chapterFile));
        bool ok = false;
        QCOMPARE(convertToText(path, &ok), QStringLiteral("\u00e9t\u00e9\r\n\r\n"));
        QVERIFY(ok);
    }

    void failures_data()
    {
        QTest::addColumn<Entries>("entries"); // empty: not a zip at all
        Entries noRootfile = book();
        noRootfile[1].second = "<container><rootfiles/></container>";
        QTest::newRow("no rootfile") << noRootfile;
        QTest::newRow("not a zip") << Entries();
    }

    void failures()
    {
        QFETCH(Entries, entries);
        QString path = m_dir.filePath(QStringLiteral("plain.epub"));
        if (entries.isEmpty())
            QVERIFY(TestFiles::write(path, "this is not a zip archive"));
        else
            path = writeBook(entries);
        bool ok = true;
        QCOMPARE(convertToText(path, &ok), QString());
        QVERIFY(!ok);
    }

    void cancellation()
    {
        const QString path = writeBook(book());
        const ToPlainTextConverter::CancelFlag cancel{1};
        QVERIFY_EXCEPTION_THROWN(Conversion::run(m_converter, {}, path, nullptr, {}, &cancel),
                                 FileSearchCancelException);
    }
};

QTEST_MAIN(EPUBConverterTest)
#include "EPUBConverterTest.moc"
