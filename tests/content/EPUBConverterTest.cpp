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

#include <quazip/quazip.h>

namespace {

using Entries = TestDocuments::ZipEntries;

QByteArray container(const QString &packagePath)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n"
                          "<container version=\"1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\">\n"
                          "  <rootfiles>\n"
                          "    <rootfile full-path=\"%1\" media-type=\"application/oebps-package+xml\"/>\n"
                          "  </rootfiles>\n"
                          "</container>\n")
        .arg(packagePath)
        .toUtf8();
}

QByteArray chapter(const QByteArray &text)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\">\n"
           "<head><title>x</title></head>\n<body>\n<p>" + text + "</p>\n</body>\n</html>\n";
}

// Manifest in file order ch1, ch2, ch3, empty, cover image, NCX; the spine reads ch3, ch1, empty, ncx, ch2.
QByteArray package()
{
    return "<?xml version=\"1.0\"?>\n"
           "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"2.0\">\n"
           "<manifest>\n"
           "  <item id=\"c1\" href=\"text/ch1.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
           "  <item id=\"c2\" href=\"text/ch2.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
           "  <item id=\"c3\" href=\"text/ch3.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
           "  <item id=\"e\" href=\"text/empty.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
           "  <item id=\"img\" href=\"cover.png\" media-type=\"image/png\"/>\n"
           "  <item id=\"ncx\" href=\"toc.ncx\" media-type=\"application/x-dtbncx+xml\"/>\n"
           "</manifest>\n"
           "<spine toc=\"ncx\">\n"
           "  <itemref idref=\"c3\"/><itemref idref=\"c1\"/><itemref idref=\"e\"/>\n"
           "  <itemref idref=\"ncx\"/><itemref idref=\"c2\"/>\n"
           "</spine>\n"
           "</package>\n";
}

Entries book()
{
    return {{QStringLiteral("mimetype"), "application/epub+zip"},
            {QStringLiteral("META-INF/container.xml"), container(QStringLiteral("OEBPS/content.opf"))},
            {QStringLiteral("OEBPS/content.opf"), package()},
            {QStringLiteral("OEBPS/text/ch1.xhtml"), chapter("One")},
            {QStringLiteral("OEBPS/text/ch2.xhtml"), chapter("Two \xc3\xa9")},
            {QStringLiteral("OEBPS/text/ch3.xhtml"), chapter("Three")},
            {QStringLiteral("OEBPS/text/empty.xhtml"), "<html><body></body></html>"},
            {QStringLiteral("OEBPS/toc.ncx"), "<ncx><body><p>not a chapter</p></body></ncx>"},
            {QStringLiteral("OEBPS/cover.png"), "\x89PNG"}};
}

} // namespace

class EPUBConverterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_logPath;
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
        m_logPath = TestFiles::startLog(m_dir);
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
        QTest::addColumn<QString>("cutBy");
        QTest::newRow("one chapter named 120 times") << (512 << 10) << 120 << "EPUBConverter";
        QTest::newRow("one line of 16 MiB") << (16 << 20) << 1 << "HtmlConverter";
    }

    void expandingBooksAreCut()
    {
        QFETCH(int, chapterBytes);
        QFETCH(int, spineLength);
        QFETCH(QString, cutBy);
        constexpr qint64 kCap = 4 << 20;
        ToPlainTextConverter::setMaxOutputBytes(kCap);
        const auto restore = qScopeGuard([] {
            ToPlainTextConverter::setMaxOutputBytes(ToPlainTextConverter::kDefaultMaxOutputBytes);
        });
        const QString path = writeBook(TestDocuments::epub(
            "<html><body>" + QByteArray(chapterBytes, 'w') + "</body></html>", spineLength));
        const LogMark log(m_logPath);
        QBuffer output;
        output.open(QIODevice::ReadWrite);
        QVERIFY(m_converter.convert(path, nullptr, nullptr, &output, QString(), nullptr));
        QVERIFY2(output.size() >= kCap && output.size() < kCap + (512 << 10), QByteArray::number(output.size()));
        QVERIFY(log.has("INFO", cutBy, QStringLiteral("Converted text cut at %1 bytes").arg(kCap)));
    }

    // The same text whether it goes to a device or to a file in the temporary folder.
    void spineOrderAndBaseFolder()
    {
        const QString path = writeBook(book());
        QVERIFY(!path.isEmpty());
        // Each chapter with text is followed by the separator; the empty one
        // adds none; the NCX item is not XHTML, so its idref names nothing.
        const QString expected = QStringLiteral("Three\r\n\r\nOne\r\n\r\nTwo \u00e9\r\n\r\n");
        const LogMark log(m_logPath);
        bool ok = false;
        QCOMPARE(convertToText(path, &ok), expected);
        QVERIFY(ok);
        QVERIFY(log.has("WARNING", "EPUBConverter", "content item not found"));

        QString outputFile;
        QVERIFY(m_converter.convert(path, nullptr, &outputFile, nullptr, QString(), nullptr));
        QVERIFY2(outputFile.startsWith(m_dir.filePath(QStringLiteral("Talvenquist/epub"))), qPrintable(outputFile));
        const QByteArray written = TestFiles::read(outputFile);
        QCOMPARE(written.left(2), QByteArray("\xFF\xFE"));
        QCOMPARE(TestFiles::fromUtf16LE(written.mid(2)), expected);
        QVERIFY(QFile::remove(outputFile));
    }

    // The package at the root; chapters are UTF-8 whatever they declare.
    void packageAtTheRoot_data()
    {
        QTest::addColumn<QByteArray>("chapterFile");
        QTest::addColumn<QString>("expected");
        QTest::newRow("declared windows-1251") << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                                          "<html><body><p>\xc3\xa9t\xc3\xa9</p></body></html>")
                                               << QStringLiteral("\u00e9t\u00e9\r\n\r\n");
    }

    void packageAtTheRoot()
    {
        QFETCH(QByteArray, chapterFile);
        QFETCH(QString, expected);
        bool ok = false;
        QCOMPARE(convertToText(writeBook(TestDocuments::epub(chapterFile)), &ok), expected);
        QVERIFY(ok);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing container") << "container" << "container.xml not found";
        QTest::newRow("no rootfile") << "rootfile" << "Parsing container.xml failed";
        QTest::newRow("missing package") << "package" << "OEBPS/content.opf not found";
        QTest::newRow("not a zip") << "zip" << "zip.open() failed, error %1";
    }

    void failures()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        Entries entries = book();
        QString path;
        if (kind == QLatin1String("zip")) {
            path = m_dir.filePath(QStringLiteral("plain.epub"));
            QVERIFY(TestFiles::write(path, "this is not a zip archive"));
            QuaZip probe(path);
            QVERIFY(!probe.open(QuaZip::mdUnzip));
            message = message.arg(probe.getZipError());
        } else {
            if (kind == QLatin1String("container"))
                entries.removeAt(1);
            else if (kind == QLatin1String("rootfile"))
                entries[1].second = "<container><rootfiles/></container>";
            else
                entries.removeAt(2);
            path = writeBook(entries);
        }
        const LogMark log(m_logPath);
        bool ok = true;
        QCOMPARE(convertToText(path, &ok), QString());
        QVERIFY(!ok);
        QVERIFY2(log.has("WARNING", "EPUBConverter", message), qPrintable(log.lines().join(QLatin1Char('\n'))));
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
