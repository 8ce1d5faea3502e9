#include "app/Logger.h"
#include "content/HtmlConverter.h"
#include "search/FileSearchCancelException.h"
#include "support/Conversion.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

class HtmlConverterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_logPath;
    HtmlConverter m_converter;

    QString convertToText(const QByteArray &html, const QString &encoding = QString())
    {
        bool ok = false;
        const QString text = Conversion::run(m_converter, html, QString(), &ok, encoding);
        return ok ? text : QStringLiteral("<failed>");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_logPath = TestFiles::startLog(m_dir);
        m_converter.setTempFolder(m_dir.filePath(QStringLiteral("Talvenquist")));
    }

    void text_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("expected");
        QTest::newRow("entity") << QByteArray("<html><body><p>a &amp; b</p></body></html>") << QStringLiteral("a & b");
        QTest::newRow("lone ampersand") << QByteArray("<body><p>a & b</p></body>") << QStringLiteral("a & b");
        QTest::newRow("ampersand before a later semicolon")
            << QByteArray("<body><p>fish & chips; peas</p></body>") << QStringLiteral("fish & chips; peas");
        QTest::newRow("unknown entity kept") << QByteArray("<body><p>&bogus; x</p></body>")
                                             << QStringLiteral("&bogus; x");
        QTest::newRow("two paragraphs") << QByteArray("<body><p>One</p><p>Two</p></body>")
                                        << QStringLiteral("One\r\nTwo");
        QTest::newRow("one pending break at most")
            << QByteArray("<body>One<p><div>Two</div></body>") << QStringLiteral("One\r\nTwo");
        QTest::newRow("upper-case BODY") << QByteArray("<BODY><p>Hidden</p></BODY>") << QString();
        QTest::newRow("text split over lines") << QByteArray("<body><p>Hello\nworld</p></body>")
                                               << QStringLiteral("Hello world");
        QTest::newRow("line break ends a tag name")
            << QByteArray("<body>a<p\nclass=\"x\">b</p></body>") << QStringLiteral("a\r\nb");
        QTest::newRow("last element not closed") << QByteArray("<html><body><p>NEEDLE") << QStringLiteral("NEEDLE");
        QTest::newRow("no body") << QByteArray("<p>nothing</p>") << QString();
    }

    void text()
    {
        QFETCH(QByteArray, html);
        QFETCH(QString, expected);
        QCOMPARE(convertToText(html), expected);
    }

    void declaredEncoding()
    {
        const QString russian = QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442");
        QByteArray html("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<html><body><p>");
        html += QTextCodec::codecForName("windows-1251")->fromUnicode(russian);
        html += "</p></body></html>";
        QCOMPARE(convertToText(html), russian);
        // The caller's encoding wins over the declaration.
        QCOMPARE(convertToText(html, QStringLiteral("ISO-8859-1")),
                 QTextCodec::codecForName("ISO-8859-1")->toUnicode(html.mid(html.indexOf("<p>") + 3, 6)));
    }

    void declarationAfter200Characters()
    {
        QByteArray html("<html>");
        html += QByteArray(200, ' ');
        html += "<?xml encoding=\"windows-1251\"?><body><p>\xc3\xa9</p></body>";
        QCOMPARE(convertToText(html), QStringLiteral("\u00e9"));
    }

    void unknownDeclaredEncoding()
    {
        const QByteArray html("<?xml encoding=\"no-such-codec\"?><body><p>\xc3\xa9t\xc3\xa9</p></body>");
        QCOMPARE(convertToText(html), QStringLiteral("\u00e9t\u00e9"));
    }

    void writesFileBesideTheTemporaryFolder()
    {
        const QString path = m_dir.filePath(QStringLiteral("book.fb2"));
        QVERIFY(TestFiles::write(path, "<body><p>caf\xc3\xa9</p><p>bar</p></body>"));
        QString outputFile;
        QVERIFY(m_converter.convert(path, nullptr, &outputFile, nullptr, QString(), nullptr));
        QVERIFY2(outputFile.startsWith(m_dir.filePath(QStringLiteral("Talvenquistxhtml"))), qPrintable(outputFile));
        const QByteArray bytes = TestFiles::read(outputFile);
        QCOMPARE(bytes.left(2), QByteArray("\xFF\xFE"));
        QCOMPARE(TestFiles::fromUtf16LE(bytes.mid(2)), QStringLiteral("caf\u00e9\r\nbar"));
        QVERIFY(QFile::remove(outputFile));
    }

    void cancellation()
    {
        const ToPlainTextConverter::CancelFlag cancel{1};
        QVERIFY_EXCEPTION_THROWN(Conversion::run(m_converter, "<body><p>x</p></body>", {}, nullptr, {}, &cancel),
                                 FileSearchCancelException);
    }
};

QTEST_MAIN(HtmlConverterTest)
#include "HtmlConverterTest.moc"
