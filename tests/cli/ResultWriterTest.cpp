#include "cli/ResultWriter.h"
#include "query/FileSearchResults.h"
#include "support/TempTree.h"

#include <QBuffer>
#include <QtTest>

class ResultWriterTest : public QObject
{
    Q_OBJECT
private slots:
    void csvFieldEscaping_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::newRow("comma") << "a,b" << "\"a,b\"";
        QTest::newRow("quote") << "say \"hi\"" << "\"say \"\"hi\"\"\"";
        QTest::newRow("carriage return alone") << "a\rb" << "a\rb";
    }

    void csvFieldEscaping()
    {
        QFETCH(QString, value);
        QFETCH(QString, field);
        QCOMPARE(ResultWriter::csvField(value), field);
    }

    void csvLineOfAFileAndAFolder()
    {
        TempTree tree;
        QVERIFY(tree.add("small,file.txt", QByteArray(1023, 'x')));
        QVERIFY(tree.add("two.bin", QByteArray(2048 + 1000, 'y')));
        const QString small = ResultWriter::csvLine(tree.path("small,file.txt"), false);
        QVERIFY2(small.startsWith("\"small,file.txt\"," + tree.path() + ",0 KB,"), qPrintable(small));
        // Name, path, size and three times that are not empty.
        QCOMPARE(small.split(',').size(), 7);
        QVERIFY2(!small.contains(",,") && small.endsWith("\r\n"), qPrintable(small));
        QVERIFY(ResultWriter::csvLine(tree.path("two.bin"), false).startsWith("two.bin," + tree.path() + ",2 KB,"));
        QVERIFY(ResultWriter::csvLine("/etc", true).startsWith("etc,/,0 KB,"));
        // Times of a path that is gone are empty.
        QVERIFY(ResultWriter::csvLine(tree.path("gone.txt"), false).endsWith(",0 KB,,,\r\n"));
    }

    // Each answer is its rows, then an end mark; the CSV header comes once.
    void answers_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("answers");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("paths per line, folders first")
            << int(CommandLine::Lines) << 1 << QByteArray("/nowhere-tvq/sub\n/nowhere-tvq/with\nnewline\n/top-tvq\n\n");
        const QByteArray nul = QByteArray("/nowhere-tvq/sub") + '\0' + "/nowhere-tvq/with\nnewline" + '\0' + "/top-tvq"
            + '\0' + '\0';
        QTest::newRow("NUL separated") << int(CommandLine::NulSeparated) << 2 << nul + nul;
        // Paths that do not exist: no times.
        const QByteArray csv = "sub,/nowhere-tvq,0 KB,,,\r\n\"with\nnewline\",/nowhere-tvq,0 KB,,,\r\n"
                               "top-tvq,/,0 KB,,,\r\n\n";
        QTest::newRow("CSV header once") << int(CommandLine::Csv) << 2
                                         << "Name,Path,File Size,Created,Accessed,Modified\r\n" + csv + csv;
    }

    void answers()
    {
        QFETCH(int, format);
        QFETCH(int, answers);
        QFETCH(QByteArray, expected);
        FileSearchResults results;
        results.addFile("with\nnewline", "/nowhere-tvq", 0);
        results.addFolder("sub", "/nowhere-tvq");
        results.addFile("top-tvq", "/", 0);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ResultWriter writer(&buffer, CommandLine::OutputFormat(format));
        for (int i = 0; i < answers; ++i) {
            writer.writeResults(results);
            writer.writeEndOfAnswer();
        }
        QCOMPARE(buffer.data(), expected);
    }
};

QTEST_GUILESS_MAIN(ResultWriterTest)
#include "ResultWriterTest.moc"
