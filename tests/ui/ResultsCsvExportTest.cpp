#include "ui/ResultsCsvExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

class ResultsCsvExportTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void escapesFields_data();
    void escapesFields();
    void rowHoldsWholeKilobytes_data();
    void rowHoldsWholeKilobytes();
    void exportWritesHeaderAndRowsInOrder();

private:
    QString makeFile(const QString &name, int size);
    QTemporaryDir m_dir;
    QLocale m_locale{QLocale::English, QLocale::UnitedStates};
};

void ResultsCsvExportTest::initTestCase()
{
    QLocale::setDefault(m_locale);
}

QString ResultsCsvExportTest::makeFile(const QString &name, int size)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray(size, 'x'));
    return path;
}

void ResultsCsvExportTest::escapesFields_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "report.txt" << "report.txt";
    QTest::newRow("quote doubled, not enclosed") << "a\"b" << "a\"\"b";
    QTest::newRow("comma enclosed") << "a,b" << "\"a,b\"";
    QTest::newRow("line feed enclosed") << "a\nb" << "\"a\nb\"";
    QTest::newRow("lone carriage return not enclosed") << "a\rb" << "a\rb";
    QTest::newRow("quote and comma") << "\"a\",b" << "\"\"\"a\"\",b\"";
}

void ResultsCsvExportTest::escapesFields()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(ResultsCsvExport::escapeField(value), expected);
}

void ResultsCsvExportTest::rowHoldsWholeKilobytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("sizeField");
    QTest::newRow("1023 bytes") << "small" << 1023 << "0 KB";
    QTest::newRow("2047 bytes") << "two" << 2047 << "1 KB";
    QTest::newRow("folder") << "folder" << -1 << "0 KB";
    QTest::newRow("comma in name") << "a,b" << 4096 << "4 KB";
}

void ResultsCsvExportTest::rowHoldsWholeKilobytes()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, sizeField);
    QString path = m_dir.filePath(name);
    if (size < 0)
        QVERIFY(QDir().mkpath(path));
    else
        path = makeFile(name, size);
    const QFileInfo info(path);
    const QString modified = m_locale.toString(info.lastModified(), QLocale::ShortFormat);
    const QString expected = ResultsCsvExport::escapeField(name) + ',' + m_dir.path() + ',' + sizeField + ','
        + m_locale.toString(info.birthTime(), QLocale::ShortFormat) + ','
        + m_locale.toString(info.lastRead(), QLocale::ShortFormat) + ',' + modified + "\r\n";
    QVERIFY(!modified.isEmpty());
    QCOMPARE(ResultsCsvExport::row(path, info, m_locale), expected);
}

void ResultsCsvExportTest::exportWritesHeaderAndRowsInOrder()
{
    const QStringList paths = {makeFile("b.txt", 10), makeFile("a.txt", 3000), m_dir.filePath("gone.txt")};
    const QString out = m_dir.filePath("out.csv");
    ResultsCsvExport exporter;
    QSignalSpy finished(&exporter, &ResultsCsvExport::finished);
    exporter.start(paths, out);
    QVERIFY(finished.wait());
    QCOMPARE(finished.first().first().toBool(), true);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 5); // header, three rows, nothing after the last line end
    QCOMPARE(lines[0], QByteArray("Name,Path,File Size,Created,Accessed,Modified\r"));
    QVERIFY(lines[1].startsWith("b.txt,"));
    QVERIFY(lines[2].contains(",2 KB,"));
    QCOMPARE(lines[3], ("gone.txt," + m_dir.path() + ",0 KB,,,\r").toUtf8());
}

QTEST_GUILESS_MAIN(ResultsCsvExportTest)
#include "ResultsCsvExportTest.moc"
