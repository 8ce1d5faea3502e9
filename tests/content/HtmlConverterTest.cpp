#include "content/HtmlConverter.h"
#include "search/FileSearchCancelException.h"
#include "support/Conversion.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

class HtmlConverterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
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
        TestFiles::startLog(m_dir);
        m_converter.setTempFolder(m_dir.filePath(QStringLiteral("Talvenquist")));
    }

    void text_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("expected");
        QTest::newRow("entity") << QByteArray("<html><body><p>a &amp; b</p></body></html>") << QStringLiteral("a & b");
        QTest::newRow("ampersand before a later semicolon")
            << QByteArray("<body><p>fish & chips; peas</p></body>") << QStringLiteral("fish & chips; peas");
        QTest::newRow("two paragraphs") << QByteArray("<body><p>One</p><p>Two</p></body>")
                                        << QStringLiteral("One\r\nTwo");
        QTest::newRow("text split over lines") << QByteArray("<body><p>Hello\nworld</p></body>")
                                               << QStringLiteral("Hello world");
        QTest::newRow("line break ends a tag name")
            << QByteArray("<body>a<p\nclass=\"x\">b</p></body>") << QStringLiteral("a\r\nb");
        QTest::newRow("last element not closed") << QByteArray("<html><body><p>NEEDLE") << QStringLiteral("NEEDLE");
    }

    void text()
    {
        QFETCH(QByteArray, html);
        QFETCH(QString, expected);
        QCOMPARE(convertToText(html), expected);
    }

    void encoding_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("callers");
        QTest::addColumn<QString>("expected");
        const QString russian = QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442");
        const QByteArray cp1251 = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<html><body><p>"
            + QTextCodec::codecForName("windows-1251")->fromUnicode(russian) + "</p></body></html>";
        QTest::newRow("declared") << cp1251 << QString() << russian;
        QTest::newRow("unknown declared") << QByteArray("<?xml encoding=\"no-such\"?><body><p>\xc3\xa9</p></body>")
                                          << QString() << QStringLiteral("\u00e9");
    }

    void encoding()
    {
        QFETCH(QByteArray, html);
        QFETCH(QString, callers);
        QFETCH(QString, expected);
        QCOMPARE(convertToText(html, callers), expected);
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
