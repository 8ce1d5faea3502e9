#include "search/FileSearchRequest.h"

#include <QTest>

class FileSearchRequestTest : public QObject
{
    Q_OBJECT

private slots:
    // Plain copies keep the id and the cancel flag; a copy with a new id starts uncanceled.
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
        QVERIFY(renewed.id != request.id);
        QVERIFY(!renewed.canceled);
        QVERIFY(request.canceled);
        QCOMPARE(fields(renewed), fields(request));
    }

    // Name and text each take their own type and case; type 3 is substring terms joined by operators.
    void matchOptionsFollowTheRequest()
    {
        FileSearchRequest request;
        request.nameExpressionType = 3;
        request.nameCaseSensitive = true;
        request.textExpressionType = 1;
        request.lineScope = true;
        const MatchOptions name = request.nameMatchOptions();
        QCOMPARE(name.mode, int(MatchOptions::Substring));
        QVERIFY(name.boolean && name.caseSensitive && name.fileName && !name.wholeFile);
        const MatchOptions text = request.textMatchOptions();
        QCOMPARE(text.mode, int(MatchOptions::WholeWord));
        QVERIFY(!text.boolean && !text.caseSensitive && !text.fileName && !text.wholeFile);
        request.textExpressionType = 2;
        request.lineScope = false;
        QCOMPARE(request.textMatchOptions().mode, int(MatchOptions::Regex));
        QVERIFY(request.textMatchOptions().wholeFile);
    }
};

QTEST_APPLESS_MAIN(FileSearchRequestTest)
#include "FileSearchRequestTest.moc"
