#include "content/EncodingDetector.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QTest>

class EncodingDetectorTest : public QObject
{
    Q_OBJECT

private slots:
    void detectSample_data()
    {
        QTest::addColumn<QByteArray>("sample");
        QTest::addColumn<QString>("expected");
        const QString text = QStringLiteral("Hello world, this is some text in sixteen bits");
        const QString none;

        QTest::newRow("empty") << QByteArray() << none;
        QTest::newRow("BOM FE FF") << QByteArray("\xFE\xFF\0a", 4) << QStringLiteral("UTF-16BE");
        QTest::newRow("BOM EF BB BF") << QByteArray("\xEF\xBB\xBFhello") << QStringLiteral("UTF-8");
        QTest::newRow("UTF-8 two-byte") << QByteArray("caf\xc3\xa9 au lait") << QStringLiteral("UTF-8");
        QTest::newRow("Latin-1") << QByteArray("caf\xe9 au lait") << none;
        QTest::newRow("UTF-16LE without BOM") << TestFiles::toUtf16LE(text) << QStringLiteral("UTF-16LE");
        QTest::newRow("UTF-16BE without BOM") << TestFiles::toUtf16BE(text) << QStringLiteral("UTF-16BE");
        QTest::newRow("one 16-bit space is not enough") << QByteArray("a\0 \0b\0", 6) << QStringLiteral("BINARY");
        // A quarter of non-text units is still text: 3 x 3 <= 9.
        QTest::newRow("16-bit text at the limit")
            << TestFiles::toUtf16LE(QStringLiteral("a b c d e")) + QByteArray("\x01\0", 2).repeated(3)
            << QStringLiteral("UTF-16LE");
        QTest::newRow("16-bit past the limit")
            << TestFiles::toUtf16LE(QStringLiteral("a b c d e")) + QByteArray("\x01\0", 2).repeated(4)
            << QStringLiteral("BINARY");
    }

    void detectSample()
    {
        QFETCH(QByteArray, sample);
        QFETCH(QString, expected);
        QCOMPARE(EncodingDetector::detectSample(sample), expected);
    }

};

QTEST_MAIN(EncodingDetectorTest)
#include "EncodingDetectorTest.moc"
