#include "base/FileNameCodec.h"

#include <QFile>
#include <QTest>
#include <QTextDecoder>

namespace {

// UTF-8 text in which "%XX" stands for the escape of byte XX.
QString withEscapes(const char *pattern)
{
    const QStringList parts = QString::fromUtf8(pattern).split(QLatin1Char('%'));
    QString text = parts.first();
    for (const QString &part : parts.mid(1))
        text += QChar(ushort(0xDC00 + part.left(2).toUShort(nullptr, 16))) + part.mid(2);
    return text;
}

} // namespace

// Names are bytes: every byte string must come back exactly, and valid UTF-8 must read as the text it encodes.
class FileNameCodecTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { FileNameCodec::install(); }

    void namesComeBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("plain.txt") << QStringLiteral("plain.txt");
        QTest::newRow("valid UTF-8") << QByteArray("Gr\xc3\xbc\xc3\x9f" "e \xe6\x96\x87 \xf0\x9f\x98\x80")
                                     << QStringLiteral("Grüße 文 \U0001F600");
        QTest::newRow("leading byte-order mark") << QByteArray("\xef\xbb\xbf" "bom") << QStringLiteral("\uFEFFbom");
        QTest::newRow("Latin-1 byte") << QByteArray("lat\xe9.txt") << withEscapes("lat%E9.txt");
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << withEscapes("%C0%AF");
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << withEscapes("%ED%A0%80");
        QTest::newRow("cut sequence") << QByteArray("x\xe6\x96") << withEscapes("x%E6%96");
    }

    void namesComeBackByteForByte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(QFile::decodeName(bytes), text);
        QCOMPARE(QFile::encodeName(text), bytes);
        // Fed a byte at a time, as a decoder reads a file in chunks.
        std::unique_ptr<QTextDecoder> decoder(QTextCodec::codecForLocale()->makeDecoder());
        QString pieces;
        for (const char byte : bytes)
            pieces += decoder->toUnicode(&byte, 1);
        if (QTest::currentDataTag() != QByteArray("cut sequence"))
            QCOMPARE(pieces, text);
    }
};

QTEST_GUILESS_MAIN(FileNameCodecTest)
#include "FileNameCodecTest.moc"
