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
        QTest::newRow("BOM FF FE alone") << QByteArray("\xFF\xFE") << QStringLiteral("UTF-16LE");
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

    // Only the first 128 bytes are looked at, from the start of the device wherever it stands.
    void detectOnADevice_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        // A two-byte character whose first byte is the 128th makes the sample invalid UTF-8.
        QTest::newRow("UTF-8 cut at the sample end") << "\xc3\xa9" + QByteArray(125, 'a') + "\xc3\xa9 more"
                                                     << QString();
        QTest::newRow("UTF-8 inside the sample") << "\xc3\xa9" + QByteArray(124, 'a') + "\xc3\xa9 more"
                                                 << QStringLiteral("UTF-8");
    }

    void detectOnADevice()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        device.seek(4);
        QCOMPARE(EncodingDetector::detect(&device), expected);
    }
};

QTEST_MAIN(EncodingDetectorTest)
#include "EncodingDetectorTest.moc"
