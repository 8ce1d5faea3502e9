#include "content/TextLineReader.h"

#include <QBuffer>
#include <QTest>
#include <QTextStream>

namespace {

// What the content search read through QTextStream before: the reference.
QStringList streamLines(const QByteArray &bytes, const QString &codec)
{
    QByteArray data = bytes;
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    QTextStream stream(&device);
    if (!codec.isEmpty())
        stream.setCodec(codec.toLatin1().constData());
    QStringList lines;
    QString line;
    while (!stream.atEnd()) {
        stream.readLineInto(&line);
        lines.append(line);
    }
    return lines;
}

QStringList readerLines(const QByteArray &bytes, const QString &codec)
{
    QByteArray data = bytes;
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    device.seek(bytes.size() / 2); // the reader starts from the beginning
    TextLineReader reader(&device, codec);
    QStringList lines;
    QStringView line;
    while (reader.readLine(&line))
        lines.append(line.toString());
    return lines;
}

} // namespace

class TextLineReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void sameLinesAsQTextStream_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n\r\nthree");
        QTest::newRow("lone CR inside") << QByteArray("a\rb\nc\r\rd");
        QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF" "caf\xC3\xA9\nz");
        QTest::newRow("UTF-16LE BOM") << QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0", 8);
        QTest::newRow("cut UTF-8 sequence at the end") << QByteArray("a\n\xC3");
        QTest::newRow("odd UTF-16 length") << QByteArray("a\0b\0\n\0c", 7);
        QTest::newRow("long line") << QByteArray(200000, 'x') + "\r\n" + QByteArray(70000, 'y');
        QTest::newRow("CR LF across the first chunk end")
            << QByteArray(TextLineReader::kDefaultChunkSize - 1, 'x') + "\r\nz";
        QTest::newRow("UTF-8 sequence across the first chunk end")
            << QByteArray(TextLineReader::kDefaultChunkSize - 1, 'x') + "\xC3\xA9\n\xE2\x82";
    }

    void sameLinesAsQTextStream()
    {
        QFETCH(QByteArray, bytes);
        // The locale's, each decoder family, and one Qt does not know.
        for (const char *name : {"", "UTF-8", "UTF-16", "UTF16-BE", "Windows-1252", "no-such-codec"}) {
            const QString codec = QString::fromLatin1(name);
            QVERIFY2(readerLines(bytes, codec) == streamLines(bytes, codec), name);
        }
    }

    // A long line comes in windows of bounded size that overlap, so nothing
    // is lost between them and no window holds the whole line.
    void longLinesComeInOverlappingWindows()
    {
        const QByteArray longLine = QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(40);
        QByteArray data = "short\n" + longLine + "\nend";
        QBuffer device(&data);
        device.open(QIODevice::ReadOnly);
        TextLineReader reader(&device, QStringLiteral("UTF-8"), 64, /*window=*/100, /*overlap=*/10);
        QStringList lines{QString()};
        bool continued = false;
        QStringView piece;
        while (reader.readLine(&piece)) {
            QVERIFY(piece.size() <= 100);
            lines.last() += piece.mid(continued ? reader.overlap() : 0);
            continued = reader.continues();
            if (!continued)
                lines << QString();
        }
        lines.removeLast();
        QCOMPARE(lines, (QStringList{"short", QString::fromLatin1(longLine), "end"}));
    }
};

QTEST_MAIN(TextLineReaderTest)
#include "TextLineReaderTest.moc"
