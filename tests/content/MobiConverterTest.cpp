#include "content/HtmlConverter.h"
#include "content/MobiConverter.h"
#include "support/Conversion.h"

#include <QDataStream>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A Palm database: the 78-byte header, the record list and the records.
QByteArray palmDatabase(const QList<QByteArray> &records)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.writeRawData(QByteArray("Test book").leftJustified(60, '\0').constData(), 60);
    out.writeRawData("BOOKMOBI\0\0\0\0\0\0\0\0", 16);
    out << quint16(records.size());
    quint32 offset = quint32(78 + 8 * records.size() + 2);
    for (int i = 0; i < records.size(); ++i) {
        out << offset << quint32(2 * i);
        offset += quint32(records.at(i).size());
    }
    out << quint16(0);
    for (const QByteArray &record : records)
        out.writeRawData(record.constData(), record.size());
    return bytes;
}

// Record 0: the 16-byte PalmDOC header (compression 2), then the MOBI header up to its text encoding field.
QByteArray book(quint32 textEncoding, const QList<QByteArray> &textRecords)
{
    QByteArray zero;
    QDataStream out(&zero, QIODevice::WriteOnly);
    out << quint16(2);
    out.writeRawData(QByteArray(14, '\0').constData(), 14);
    out.writeRawData("MOBI", 4);
    out << quint32(232) << quint32(2) << textEncoding;
    out.writeRawData(QByteArray(32, '\0').constData(), 32);
    return palmDatabase(QList<QByteArray>{zero} + textRecords);
}

} // namespace

class MobiConverterTest : public QObject
{
    Q_OBJECT

    // The cap of converted text, low enough for the expanding book to pass it quickly.
    static constexpr qint64 kCap = 1 << 20;
    QTemporaryDir m_dir;
    HtmlConverter m_html;
    MobiConverter m_converter{&m_html};

    QString convertBytes(const QByteArray &bytes, bool *ok = nullptr)
    {
        return Conversion::run(m_converter, bytes, QString(), ok);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        TestFiles::startLog(m_dir);
        m_converter.setTempFolder(m_dir.filePath(QStringLiteral("Talvenquist")));
        ToPlainTextConverter::setMaxOutputBytes(kCap);
    }

    void decompress_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("back-reference repeats") << QByteArray("abc\x80\x0B") << QByteArray("abccccccc");
        QTest::newRow("zero byte ends the record") << QByteArray("ab\0cd", 5) << QByteArray("ab");
        QTest::newRow("space pair") << QByteArray("a\xE2") << QByteArray("a b");
        QTest::newRow("reference before the start") << QByteArray("a\x80\x50") << QByteArray("a???");
    }

    void decompress()
    {
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, expected);
        QCOMPARE(MobiConverter::decompress(record), expected);
    }

    void textEncoding()
    {
        // Literal runs: UTF-8 "é", then 0x80: the euro sign in Windows-1252, invalid in UTF-8.
        const QByteArray html("<body><p>caf\x02\xc3\xa9 \x01\x80</p></body>");
        QCOMPARE(convertBytes(book(1252, {html})), QStringLiteral("caf\u00c3\u00a9 \u20ac"));
        QCOMPARE(convertBytes(book(65001, {html})), QStringLiteral("caf\u00e9 \ufffd"));
    }

    // 2,000 records of 4 KiB each: cut at the cap of converted text.
    void expandingRecordsAreCut()
    {
        QList<QByteArray> records{"<html><body>"};
        for (int i = 0; i < 2000; ++i)
            records << QByteArray(MobiConverter::kMaxRecordSize, 'w');
        bool ok = false;
        const QString text = convertBytes(book(65001, records), &ok);
        QVERIFY(ok);
        QVERIFY2(text.size() * 2 >= kCap / 2 && text.size() * 2 < kCap + (256 << 10), QByteArray::number(text.size()));
    }

    void stopsAtAnOversizedRecord()
    {
        const QByteArray image(5000, 'x');
        const QByteArray bytes = book(65001, {QByteArray("<body><p>One</p>"), image, QByteArray("<p>Three</p>")});
        QCOMPARE(convertBytes(bytes), QStringLiteral("One"));
    }

    void unreadableBooks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("50 bytes") << QByteArray(50, 'x');
        QTest::newRow("no records") << palmDatabase({});
        QTest::newRow("cut record list") << palmDatabase({QByteArray("a"), QByteArray("b")}).left(78 + 12);
    }

    void unreadableBooks()
    {
        QFETCH(QByteArray, bytes);
        bool ok = true;
        QCOMPARE(convertBytes(bytes, &ok), QString());
        QVERIFY(!ok);
    }
};

QTEST_MAIN(MobiConverterTest)
#include "MobiConverterTest.moc"
