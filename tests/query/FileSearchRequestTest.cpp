#include "query/FileSearchRequest.h"

#include <QTest>

class FileSearchRequestTest : public QObject
{
    Q_OBJECT

private slots:
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
