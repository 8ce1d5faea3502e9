#include "app/Logger.h"
#include "content/HtmlConverter.h"
#include "content/MobiConverter.h"
#include "search/FileSearchCancelException.h"
#include "support/Conversion.h"

#include <QBuffer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

void appendBigEndian32(QByteArray &bytes, quint32 value)
{
    char field[4];
    qToBigEndian(value, field);
    bytes.append(field, 4);
}

// Record 0: the 16-byte PalmDOC header, then the MOBI header up to its text encoding field at offset 28.
QByteArray recordZero(quint32 textEncoding)
{
    QByteArray record(16, '\0');
    record[1] = 2; // compression: PalmDOC
    record += "MOBI";
    appendBigEndian32(record, 232); // header length
    appendBigEndian32(record, 2);   // book
    appendBigEndian32(record, textEncoding);
    record += QByteArray(32, '\0');
    return record;
}

// A Palm database: the 78-byte header, the record list and the records.
QByteArray palmDatabase(const QList<QByteArray> &records)
{
    QByteArray bytes("Test book");
    bytes += QByteArray(32 - bytes.size(), '\0');
    bytes += QByteArray(28, '\0');
    bytes += "BOOKMOBI";
    bytes += QByteArray(8, '\0');
    char count[2];
    qToBigEndian(quint16(records.size()), count);
    bytes.append(count, 2);
    quint32 offset = quint32(78 + 8 * records.size() + 2);
    for (int i = 0; i < records.size(); ++i) {
        appendBigEndian32(bytes, offset);
        appendBigEndian32(bytes, quint32(2 * i));
        offset += quint32(records.at(i).size());
    }
    bytes += QByteArray(2, '\0');
    for (const QByteArray &record : records)
        bytes += record;
    return bytes;
}

QByteArray book(quint32 textEncoding, const QList<QByteArray> &textRecords)
{
    return palmDatabase(QList<QByteArray>{recordZero(textEncoding)} + textRecords);
}

} // namespace

class MobiConverterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_logPath;
    HtmlConverter m_html;
    MobiConverter m_converter{&m_html};

    QString convertBytes(const QByteArray &bytes, bool *ok = nullptr)
    {
        return Conversion::run(m_converter, bytes, QString(), ok);
    }

    bool logged(const QString &message) const
    {
        return TestFiles::hasLogEntry(TestFiles::logLines(m_logPath), QStringLiteral("INFO"),
                                      QStringLiteral("MobiConverter"), message);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_logPath = TestFiles::startLog(m_dir);
        m_html.setTempFolder(m_dir.filePath(QStringLiteral("Talvenquist")));
        m_converter.setTempFolder(m_dir.filePath(QStringLiteral("Talvenquist")));
    }

    void decompress_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("back-reference repeats") << QByteArray("abc\x80\x0B") << QByteArray("abccccccc");
        QTest::newRow("zero byte ends the record") << QByteArray("ab\0cd", 5) << QByteArray("ab");
        QTest::newRow("space pair") << QByteArray("a\xE2") << QByteArray("a b");
        QTest::newRow("reference before the start") << QByteArray("a\x80\x50") << QByteArray("a???");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }

    void decompress()
    {
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, expected);
        QCOMPARE(MobiConverter::decompress(record), expected);
    }

    void decompressStopsAt4096Bytes()
    {
        // Each C0-FF byte gives two: the last pair is cut in half.
        const QByteArray spaced = MobiConverter::decompress(QByteArray(3000, '\xE1'));
        QCOMPARE(spaced.size(), MobiConverter::kMaxRecordSize);
        QCOMPARE(spaced.right(3), QByteArray("a a"));
        const QByteArray literal = MobiConverter::decompress(QByteArray("\x08" "12345678").repeated(600));
        QCOMPARE(literal.size(), MobiConverter::kMaxRecordSize);
        const QByteArray copied = MobiConverter::decompress(QByteArray("ab") + QByteArray("\x80\x17").repeated(500));
        QCOMPARE(copied.size(), MobiConverter::kMaxRecordSize);
    }

    void textEncoding_data()
    {
        QTest::addColumn<quint32>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1252") << quint32(1252) << QStringLiteral("caf\u00c3\u00a9 \u20ac");
        QTest::newRow("65001") << quint32(65001) << QStringLiteral("caf\u00e9 \ufffd");
    }

    void textEncoding()
    {
        QFETCH(quint32, code);
        QFETCH(QString, expected);
        // Literal runs: UTF-8 "é", then 0x80: the euro sign in Windows-1252, invalid in UTF-8.
        const QByteArray html("<body><p>caf\x02\xc3\xa9 \x01\x80</p></body>");
        QCOMPARE(convertBytes(book(code, {html})), expected);
    }

    // 2,000 records of 4 KiB each: cut at the cap of converted text.
    void expandingRecordsAreCut()
    {
        constexpr qint64 kCap = 1 << 20;
        ToPlainTextConverter::setMaxOutputBytes(kCap);
        const auto restore = qScopeGuard([] {
            ToPlainTextConverter::setMaxOutputBytes(ToPlainTextConverter::kDefaultMaxOutputBytes);
        });
        QList<QByteArray> records{"<html><body>"};
        for (int i = 0; i < 2000; ++i)
            records << QByteArray(MobiConverter::kMaxRecordSize, 'w');
        bool ok = false;
        const QString text = convertBytes(book(65001, records), &ok);
        QVERIFY(ok);
        QVERIFY2(text.size() * 2 >= kCap / 2 && text.size() * 2 < kCap + (256 << 10), QByteArray::number(text.size()));
        QVERIFY(logged(QStringLiteral("Converted text cut at %1 bytes").arg(kCap)));
    }

    void stopsAtAnOversizedRecord()
    {
        const QByteArray image(5000, 'x');
        const QByteArray bytes = book(65001, {QByteArray("<body><p>One</p>"), image, QByteArray("<p>Three</p>")});
        QCOMPARE(convertBytes(bytes), QStringLiteral("One"));
    }

    void recordListEndsAtAnOffsetThatDoesNotGrow()
    {
        // The zero byte ends record 1 early; record 2 follows it.
        const QList<QByteArray> records{QByteArray("<body><p>One</p>\0", 17), QByteArray("<p>Two</p></body>")};
        QByteArray bytes = book(65001, records);
        QCOMPARE(convertBytes(bytes), QStringLiteral("One\r\nTwo"));
        // With entry 2 given the offset of entry 1 the list ends there, so
        // record 1 runs to the end of the file and record 2 is never read.
        const int entry1 = 78 + 8;
        bytes.replace(entry1 + 8, 4, bytes.mid(entry1, 4));
        QCOMPARE(convertBytes(bytes), QStringLiteral("One"));
    }

    void unreadableBooks_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("50 bytes") << QByteArray(50, 'x');
        QTest::newRow("no records") << palmDatabase({});
        QTest::newRow("cut record list") << palmDatabase({QByteArray("a"), QByteArray("b")}).left(78 + 12);
    }

    void unreadableBooks()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("bad-%1.mobi").arg(QTest::currentDataTag()));
        QVERIFY(bytes.isEmpty() || TestFiles::write(path, bytes));
        QString outputFile;
        QVERIFY(!m_converter.convert(path, nullptr, &outputFile, nullptr, QString(), nullptr));
        QVERIFY(outputFile.isEmpty());
    }

    void cancellation()
    {
        const QByteArray bytes = book(65001, {QByteArray("<body><p>x</p></body>")});
        const ToPlainTextConverter::CancelFlag cancel{1};
        QVERIFY_EXCEPTION_THROWN(Conversion::run(m_converter, bytes, {}, nullptr, {}, &cancel),
                                 FileSearchCancelException);
    }
};

QTEST_MAIN(MobiConverterTest)
#include "MobiConverterTest.moc"
