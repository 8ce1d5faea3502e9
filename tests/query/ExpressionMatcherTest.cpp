#include "query/ExpressionMatcher.h"

#include <QTest>

namespace {

MatchOptions nameOptions(int mode = MatchOptions::Substring, bool boolean = false)
{
    MatchOptions o;
    o.mode = mode;
    o.fileName = true;
    o.boolean = boolean;
    return o;
}

MatchOptions textOptions(bool boolean, bool wholeFile)
{
    MatchOptions o;
    o.boolean = boolean;
    o.wholeFile = wholeFile;
    return o;
}

} // namespace

class ExpressionMatcherTest : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("boolean");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("verdict");

        const int sub = MatchOptions::Substring;
        const int word = MatchOptions::WholeWord;
        const int re = MatchOptions::Regex;
        const int yes = ExpressionMatcher::Match;
        const int no = ExpressionMatcher::NoMatch;
        QTest::newRow("empty expression") << "" << sub << false << "anything" << yes;
        QTest::newRow("excluded from every part") << "*.txt;*.doc;!temp" << sub << false << "temp.doc" << no;
        QTest::newRow("escaped bang is no exclusion") << "\\!x" << sub << false << "x" << no;
        QTest::newRow("escaped blank joins the words of an exclusion")
            << "!my\\ file" << sub << false << "my notes file" << yes;
        QTest::newRow("bare bang excludes nothing") << "a;!" << sub << false << "a" << yes;
        QTest::newRow("whole-word name") << "report" << word << false << "report_2024.pdf" << no;
        QTest::newRow("whole-word name, dotted") << "report" << word << false << "report.2024.pdf" << yes;
        QTest::newRow("regex name") << "^[a-c]+\\.txt$" << re << false << "cab.txt" << yes;
        QTest::newRow("boolean, escaped parentheses are text") << "\\(x\\)" << sub << true << "a(x)" << yes;
    }

    void names()
    {
        QFETCH(QString, expression);
        QFETCH(int, mode);
        QFETCH(bool, boolean);
        QFETCH(QString, name);
        QFETCH(int, verdict);
        ExpressionMatcher matcher(expression, nameOptions(mode, boolean));
        QCOMPARE(matcher.match(name), verdict);
    }

    void wholeFile_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("verdicts");
        QTest::addColumn<int>("final");

        const int wait = ExpressionMatcher::Undecided;
        const int yes = ExpressionMatcher::Match;
        const int no = ExpressionMatcher::NoMatch;
        QTest::newRow("second term comes later")
            << "x and y" << QStringList{"just x", "nothing", "now y"} << QList<int>{wait, wait, yes} << yes;
        QTest::newRow("second term never comes")
            << "x and y" << QStringList{"just x", "nothing"} << QList<int>{wait, wait} << no;
        QTest::newRow("or decided at the end") << "x or y" << QStringList{"just x"} << QList<int>{wait} << yes;
        QTest::newRow("empty file, negation") << "not z" << QStringList{} << QList<int>{} << yes;
    }

    void wholeFile()
    {
        QFETCH(QString, expression);
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, verdicts);
        QFETCH(int, final);

        ExpressionMatcher matcher(expression, textOptions(true, true));
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(matcher.match(lines.at(i)), verdicts.at(i));
        QCOMPARE(matcher.finish(), final);
    }

    void resetStartsTheNextFile()
    {
        ExpressionMatcher matcher(QStringLiteral("x and y"), textOptions(true, true));
        QCOMPARE(matcher.match(QStringLiteral("x")), int(ExpressionMatcher::Undecided));
        matcher.reset();
        QCOMPARE(matcher.found(), 0u);
        QCOMPARE(matcher.match(QStringLiteral("y")), int(ExpressionMatcher::Undecided));
        QCOMPARE(matcher.finish(), int(ExpressionMatcher::NoMatch));
    }
};

QTEST_GUILESS_MAIN(ExpressionMatcherTest)
#include "ExpressionMatcherTest.moc"
