#include "search/FileSearchRequest.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <thread>
#include <vector>

using Change = std::function<void(FileSearchRequest &)>;
Q_DECLARE_METATYPE(MatchOptions::Mode)
Q_DECLARE_METATYPE(Change)

class FileSearchRequestTest : public QObject
{
    Q_OBJECT

private slots:
    // Plain copies keep the id and the cancel flag; a copy with a new id
    // starts uncanceled. Every other field comes along in both.
    void copiesKeepEveryField()
    {
        FileSearchRequest request;
        request.canceled = true;
        request.name = QStringLiteral("report");
        request.nameExpressionType = 3;
        request.nameCaseSensitive = true;
        request.includePaths = QStringList{QStringLiteral("/a"), QStringLiteral("/b")};
        request.includeSubfolders = false;
        request.excludePaths = QStringList{QStringLiteral("/a/tmp")};
        request.text = QStringLiteral("invoice");
        request.textExpressionType = 2;
        request.textCaseSensitive = true;
        request.lineScope = true;
        request.minSize = 1;
        request.maxSize = 2;
        request.modifiedFrom = QDate(2020, 1, 2);
        request.modifiedTo = QDate(2021, 3, 4);
        request.countMatches = true;
        const auto fields = [](const FileSearchRequest &r) {
            return QStringList{r.name, QString::number(r.nameExpressionType), QString::number(r.nameCaseSensitive),
                               r.includePaths.join('|'), QString::number(r.includeSubfolders),
                               r.excludePaths.join('|'), r.text, QString::number(r.textExpressionType),
                               QString::number(r.textCaseSensitive), QString::number(r.lineScope),
                               QString::number(r.minSize), QString::number(r.maxSize),
                               r.modifiedFrom.toString(), r.modifiedTo.toString(), QString::number(r.countMatches)};
        };
        const FileSearchRequest copy(request);
        QCOMPARE(copy.id, request.id);
        QVERIFY(copy.canceled);
        QCOMPARE(fields(copy), fields(request));
        const FileSearchRequest renewed = request.copyWithNewId();
        QVERIFY(renewed.id >= 1000);
        QVERIFY(!renewed.canceled);
        QVERIFY(request.canceled);
        QCOMPARE(fields(renewed), fields(request));
    }

    void idsAreUniqueAcrossThreads()
    {
        const int threadCount = 8;
        const int perThread = 2000;
        std::vector<std::vector<int>> ids(threadCount);
        std::vector<std::vector<int>> copyIds(threadCount);
        const FileSearchRequest original;
        std::vector<std::thread> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads.emplace_back([&, t] {
                for (int i = 0; i < perThread; ++i) {
                    ids[t].push_back(FileSearchRequest().id);
                    copyIds[t].push_back(original.copyWithNewId().id);
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        for (auto *lists : {&ids, &copyIds}) {
            std::vector<int> all;
            for (const auto &list : *lists)
                all.insert(all.end(), list.begin(), list.end());
            std::sort(all.begin(), all.end());
            QVERIFY(std::adjacent_find(all.begin(), all.end()) == all.end());
            // Handed out one after the other: no gaps either.
            QCOMPARE(all.back() - all.front() + 1, threadCount * perThread);
        }
    }

    void isNameOnly_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("nameOnly");
        QTest::newRow("defaults") << Change([](FileSearchRequest &) {}) << true;
        QTest::newRow("text") << Change([](FileSearchRequest &r) { r.text = QStringLiteral("x"); }) << false;
        QTest::newRow("minSize zero") << Change([](FileSearchRequest &r) { r.minSize = 0; }) << false;
        QTest::newRow("modifiedFrom") << Change([](FileSearchRequest &r) { r.modifiedFrom = QDate(2024, 5, 1); })
                                      << false;
        QTest::newRow("countMatches alone") << Change([](FileSearchRequest &r) { r.countMatches = true; }) << true;
    }

    void isNameOnly()
    {
        QFETCH(Change, change);
        QFETCH(bool, nameOnly);
        FileSearchRequest request;
        change(request);
        QCOMPARE(request.isNameOnly(), nameOnly);
    }

    void matchOptions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("lineScope");
        QTest::addColumn<MatchOptions::Mode>("mode");
        QTest::addColumn<bool>("boolean");
        QTest::newRow("substring") << 0 << false << false << MatchOptions::Substring << false;
        QTest::newRow("whole word, case") << 1 << true << false << MatchOptions::WholeWord << false;
        QTest::newRow("boolean is substring terms") << 3 << true << true << MatchOptions::Substring << true;
        QTest::newRow("unknown type") << 7 << false << false << MatchOptions::Substring << false;
    }

    void matchOptions()
    {
        QFETCH(int, type);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, lineScope);
        QFETCH(MatchOptions::Mode, mode);
        QFETCH(bool, boolean);
        FileSearchRequest request;
        request.nameExpressionType = type;
        request.nameCaseSensitive = caseSensitive;
        request.textExpressionType = type;
        request.textCaseSensitive = caseSensitive;
        request.lineScope = lineScope;

        const MatchOptions name = request.nameMatchOptions();
        QCOMPARE(name.mode, int(mode));
        QCOMPARE(name.caseSensitive, caseSensitive);
        QCOMPARE(name.boolean, boolean);
        QVERIFY(name.fileName);
        QVERIFY(!name.wholeFile);

        const MatchOptions text = request.textMatchOptions();
        QCOMPARE(text.mode, int(mode));
        QCOMPARE(text.caseSensitive, caseSensitive);
        QCOMPARE(text.boolean, boolean);
        QVERIFY(!text.fileName);
        QCOMPARE(text.wholeFile, !lineScope);
    }

    void nameAndTextOptionsAreSeparate()
    {
        FileSearchRequest request;
        request.nameExpressionType = 2;
        request.nameCaseSensitive = true;
        request.textExpressionType = 1;
        request.textCaseSensitive = false;
        QCOMPARE(request.nameMatchOptions().mode, int(MatchOptions::Regex));
        QVERIFY(request.nameMatchOptions().caseSensitive);
        QCOMPARE(request.textMatchOptions().mode, int(MatchOptions::WholeWord));
        QVERIFY(!request.textMatchOptions().caseSensitive);
    }
};

QTEST_APPLESS_MAIN(FileSearchRequestTest)
#include "FileSearchRequestTest.moc"
