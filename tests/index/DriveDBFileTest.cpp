#include "index/DriveDBFile.h"
#include "index/DriveDBRecordReader.h"
#include "index/DriveDBRecordWriter.h"

#include <QBuffer>
#include <QTest>

#include <memory>

class DriveDBFileTest : public QObject
{
    Q_OBJECT

private slots:
    // Records that straddle the writer's and the reader's buffers come out whole; a null name is empty, and
    // names are cut at 1024 bytes.
    void manyRecordsReadBack()
    {
        const int count = 5000;
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::ReadWrite));
        DriveDBRecordWriter writer(buffer);
        for (int i = 0; i < count; ++i) {
            const QByteArray name(i % 1100, 'n');
            writer.write(FRN(i), FRN(i) + 1000000, i == 0 ? nullptr : name.constData(), i % 3 == 0);
        }
        writer.flush();
        buffer.seek(0);
        DriveDBRecordReader reader(buffer);
        auto record = std::make_unique<DriveDBFile::Record>();
        for (int i = 0; i < count; ++i) {
            QVERIFY2(reader.next(*record), qPrintable(QString::number(i)));
            QCOMPARE(QByteArray(record->name), QByteArray(qMin(i % 1100, 1024), 'n'));
            QCOMPARE(record->parent, FRN(i));
            QCOMPARE(record->frn, FRN(i) + 1000000);
            QCOMPARE(record->isDir, i % 3 == 0);
        }
        QVERIFY(!reader.next(*record));
    }
};

QTEST_GUILESS_MAIN(DriveDBFileTest)
#include "DriveDBFileTest.moc"
