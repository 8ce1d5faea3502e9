#include "cli/CommandLine.h"
#include "query/FileSearchRequest.h"

#include <QDir>
#include <QtTest>

static bool parse(CommandLine &commandLine, const QStringList &arguments)
{
    return commandLine.parse(QStringList{QStringLiteral("tvq")} + arguments);
}

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void optionsMapToTheRequest()
    {
        CommandLine commandLine;
        QVERIFY2(parse(commandLine, {"-t", "regex", "--case", "--no-subfolders", "-c", "needle", "--contents-type",
                                     "boolean", "--contents-case", "--line-scope", "--min-size", "2KB", "--max-size",
                                     "3 mb", "--modified-from", "2024-02-28", "--modified-to", "2024-03-01",
                                     "--count-matches", "--csv", "--index", "/mnt/a/;/", "-d", "/usr", "^std.*\\.h$"}),
                 qPrintable(commandLine.errorText()));
        FileSearchRequest request;
        commandLine.fillRequest(request);
        QCOMPARE(request.name, QStringLiteral("^std.*\\.h$"));
        QCOMPARE(request.nameExpressionType, 2);
        QVERIFY(request.nameCaseSensitive);
        QVERIFY(!request.includeSubfolders);
        QCOMPARE(request.text, QStringLiteral("needle"));
        QCOMPARE(request.textExpressionType, 3);
        QVERIFY(request.textCaseSensitive);
        QVERIFY(request.lineScope);
        QCOMPARE(request.minSize, qint64(2048));
        QCOMPARE(request.maxSize, qint64(3) << 20);
        QCOMPARE(request.modifiedFrom, QDate(2024, 2, 28));
        QCOMPARE(request.modifiedTo, QDate(2024, 3, 1));
        QVERIFY(request.countMatches);
        QCOMPARE(request.includePaths, QStringList{"/usr"});
        QCOMPARE(commandLine.outputFormat(), CommandLine::Csv);
        QCOMPARE(commandLine.indexMountPoints(), QStringList({"/mnt/a", "/"}));
    }

    void foldersAreParsedAsTheInDirectoryText()
    {
        CommandLine commandLine;
        QVERIFY(parse(commandLine, {"--in", "/usr;!share;\"/tmp/a;b\";!/usr/lib/x;sub/../here/"}));
        FileSearchRequest request;
        commandLine.fillRequest(request);
        QCOMPARE(request.includePaths, QStringList({"/usr", "/tmp/a;b", QDir::current().absoluteFilePath("here")}));
        QCOMPARE(request.excludePaths, QStringList({"share", "/usr/lib/x"}));
        QVERIFY(commandLine.hasFolders());
    }

    void sizes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("KB") << "1KB" << true << qint64(1024);
        QTest::newRow("lower-case GB") << "2gb" << true << (qint64(2) << 30);
        QTest::newRow("negative") << "-1" << false << qint64(0);
        QTest::newRow("fraction") << "1.5MB" << false << qint64(0);
        QTest::newRow("overflow") << "9000000000GB" << false << qint64(0);
    }

    void sizes()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, bytes);
        qint64 parsed = -7;
        QCOMPARE(CommandLine::parseSize(text, &parsed), valid);
        if (valid)
            QCOMPARE(parsed, bytes);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("bad type") << QStringList{"-t", "glob", "x"} << "glob";
        QTest::newRow("date with a tail") << QStringList{"--modified-from", "2023-01-01garbage"} << "YYYY-MM-DD";
        QTest::newRow("bad regex") << QStringList{"-t", "regex", "a(b"} << "regular expression";
        QTest::newRow("print0 and csv") << QStringList{"-0", "--csv"} << "exclude";
        QTest::newRow("matches without contents") << QStringList{"--matches", "f.txt"} << "--contents";
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        CommandLine commandLine;
        QVERIFY(!parse(commandLine, arguments));
        QVERIFY2(commandLine.errorText().contains(reason), qPrintable(commandLine.errorText()));
    }
};

QTEST_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
