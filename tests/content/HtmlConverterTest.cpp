#include "content/HtmlConverter.h"
#include "support/Conversion.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

class HtmlConverterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    HtmlConverter m_converter;

    QString convertToText(const QByteArray &html)
    {
        bool ok = false;
        const QString text = Conversion::run(m_converter, html, QString(), &ok);
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
        QTest::newRow("character references")
            << QByteArray("<body><p>&eacute;&#233;&#xE9;&Eacute;&bogus;&#0;&#x1F600;&nbsp;x</p></body>")
            << QStringLiteral("\u00e9\u00e9\u00e9\u00c9&bogus;&#0;\U0001F600 x");
        QTest::newRow("ampersand before a later semicolon")
            << QByteArray("<body><p>fish & chips; peas</p></body>") << QStringLiteral("fish & chips; peas");
        QTest::newRow("two paragraphs") << QByteArray("<body><p>One</p><p>Two</p></body>")
                                        << QStringLiteral("One\r\nTwo");
        QTest::newRow("text split over lines") << QByteArray("<body><p>Hello\nworld</p></body>")
                                               << QStringLiteral("Hello world");
        QTest::newRow("line break ends a tag name")
            << QByteArray("<body>a<p\nclass=\"x\">b</p></body>") << QStringLiteral("a\r\nb");
        QTest::newRow("last element not closed") << QByteArray("<html><body><p>NEEDLE") << QStringLiteral("NEEDLE");
        const QString russian = QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442");
        QTest::newRow("declared encoding") << "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<html><body><p>"
                + QTextCodec::codecForName("windows-1251")->fromUnicode(russian) + "</p></body></html>" << russian;
        QTest::newRow("unknown declared encoding")
            << QByteArray("<?xml encoding=\"no-such\"?><body><p>\xc3\xa9</p></body>") << QStringLiteral("\u00e9");
    }

    void text()
    {
        QFETCH(QByteArray, html);
        QFETCH(QString, expected);
        QCOMPARE(convertToText(html), expected);
    }
};

QTEST_MAIN(HtmlConverterTest)
#include "HtmlConverterTest.moc"
