#include "index/DriveDBFile.h"
#include "index/DriveDBRecordReader.h"
#include "index/DriveDBRecordWriter.h"

#include <QBuffer>
#include <QTest>

#include <memory>

class DriveDBFileTest : public QObject
{
    Q_OBJECT

    // The header through the stream, then records through the writer, as a save does.
    static QByteArray write(const std::function<void(QDataStream &, DriveDBRecordWriter &)> &body)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QDataStream out(&buffer);
        DriveDBRecordWriter records(buffer);
        body(out, records);
        records.flush();
        return bytes;
    }

    static bool readOne(const QByteArray &bytes, DriveDBFile::Record &record)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        return DriveDBRecordReader(buffer).next(record);
    }

private slots:
    // Written byte for byte as the format says, and read back whole (the identifier's top bit too).
    void rootOnlyFileIsByteExact()
    {
        const JournalID journal = 0xF102030405060708ULL;
        const USN position = 0x1112131415161718LL;
        const QByteArray bytes = write([&](QDataStream &out, DriveDBRecordWriter &records) {
            DriveDBFile::writeHeader(out, journal, position, 1);
            records.write(0, 2, "C:", true);
        });
        QCOMPARE(bytes.size(), 53);
        const QByteArray expected = QByteArray::fromHex("00000006" "0031002e0030" "f102030405060708" "1112131415161718"
                                                        "00000001" "0000000000000000" "0000000000000002" "00000002"
                                                        "433a" "01");
        QCOMPARE(bytes.toHex(), expected.toHex());
        QDataStream in(bytes);
        DriveDBFile::Header header;
        QVERIFY(DriveDBFile::readHeader(in, header));
        QCOMPARE(header.version, QStringLiteral("1.0"));
        QCOMPARE(header.journalId, journal);
        QCOMPARE(header.nextUsn, position);
        QCOMPARE(header.count, 1);
    }

    void namesAreCutAtTheLimit_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("stored");
        QTest::newRow("null") << -1 << 0;
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("exactly 1024") << 1024 << 1024;
        QTest::newRow("1025 cut") << 1025 << 1024;
    }

    void namesAreCutAtTheLimit()
    {
        QFETCH(int, length);
        QFETCH(int, stored);
        const QByteArray name(qMax(length, 0), 'n');
        const QByteArray bytes = write([&](QDataStream &, DriveDBRecordWriter &records) {
            records.write(7, 9, length < 0 ? nullptr : name.constData(), false);
        });
        QCOMPARE(bytes.size(), 21 + stored);
        DriveDBFile::Record record;
        QVERIFY(readOne(bytes, record));
        QCOMPARE(record.parent, FRN(7));
        QCOMPARE(record.frn, FRN(9));
        QCOMPARE(int(qstrlen(record.name)), stored);
        QVERIFY(!record.isDir);
    }

    // Records that straddle the writer's and the reader's buffers come out whole.
    void manyRecordsReadBack()
    {
        const int count = 5000;
        const QByteArray bytes = write([&](QDataStream &, DriveDBRecordWriter &records) {
            for (int i = 0; i < count; ++i) {
                const QByteArray name = QByteArray::number(i) + QByteArray(i % 1100, 'n');
                records.write(FRN(i), FRN(i) + 1000000, name.constData(), i % 3 == 0);
            }
        });
        QBuffer buffer;
        buffer.setData(bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        DriveDBRecordReader reader(buffer);
        auto record = std::make_unique<DriveDBFile::Record>();
        for (int i = 0; i < count; ++i) {
            QVERIFY2(reader.next(*record), qPrintable(QString::number(i)));
            const QByteArray name = QByteArray::number(i) + QByteArray(i % 1100, 'n');
            QCOMPARE(QByteArray(record->name), name.left(DriveDBFile::kMaxNameLength));
            QCOMPARE(record->parent, FRN(i));
            QCOMPARE(record->frn, FRN(i) + 1000000);
            QCOMPARE(record->isDir, i % 3 == 0);
        }
        QVERIFY(!reader.next(*record));
    }

};

QTEST_GUILESS_MAIN(DriveDBFileTest)
#include "DriveDBFileTest.moc"
