#include "search/ExpressionMatcher.h"

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

// Hands out a fixed term and token list, whatever the text.
class FixedLexer : public IExpressionLexer
{
public:
    void tokenize(const QString &, bool, QStringList &terms, QList<int> &tokens) const override
    {
        terms << QStringLiteral("x") << QStringLiteral("y");
        tokens << Term << Or << Term;
    }
};

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
        QTest::newRow("words of one part") << "a b;c" << sub << false << "xaxbx" << yes;
        QTest::newRow("included extension") << "*.txt;*.doc;!temp" << sub << false << "x.txt" << yes;
        QTest::newRow("excluded from every part") << "*.txt;*.doc;!temp" << sub << false << "temp.doc" << no;
        QTest::newRow("escaped bang is no exclusion") << "\\!x" << sub << false << "x" << no;
        QTest::newRow("whole-word name") << "report" << word << false << "report_2024.pdf" << no;
        QTest::newRow("whole-word name, dotted") << "report" << word << false << "report.2024.pdf" << yes;
        QTest::newRow("regex name") << "^[a-c]+\\.txt$" << re << false << "cab.txt" << yes;
        QTest::newRow("boolean") << "a and (b or not c)" << sub << true << "a" << yes;
        QTest::newRow("boolean, invalid") << "a b" << sub << true << "ab" << no;
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
        QCOMPARE(matcher.match(QStringView(name)), verdict); // again, from the parser's cache
    }

    // Per-line scope: nothing carries over from one call to the next.
    void lineScopeForgets()
    {
        ExpressionMatcher matcher(QStringLiteral("x and y"), textOptions(true, false));
        QCOMPARE(matcher.match(QStringLiteral("x")), int(ExpressionMatcher::NoMatch));
        QCOMPARE(matcher.match(QStringLiteral("y")), int(ExpressionMatcher::NoMatch));
        QCOMPARE(matcher.match(QStringLiteral("y x")), int(ExpressionMatcher::Match));
        QCOMPARE(matcher.match(QStringLiteral("-")), int(ExpressionMatcher::NoMatch));
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
        QTest::newRow("all in the first line") << "x and y" << QStringList{"y x"} << QList<int>{yes} << yes;
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
        QCOMPARE(matcher.finish(), final); // finish() changes nothing
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

    // Counting needs every occurrence, also of terms found in earlier lines.
    void wholeFileCountsEveryLine()
    {
        ExpressionMatcher matcher(QStringLiteral("ab"), textOptions(false, true));
        int count = 0;
        QCOMPARE(matcher.match(QStringLiteral("ab ab"), nullptr, &count), int(ExpressionMatcher::Match));
        QCOMPARE(matcher.match(QStringLiteral("xab"), nullptr, &count), int(ExpressionMatcher::Match));
        QCOMPARE(count, 3);
    }

    void positionsOfTheLine()
    {
        ExpressionMatcher matcher(QStringLiteral("a b;!zz"), textOptions(false, false));
        MatchPositions positions;
        QCOMPARE(matcher.match(QStringLiteral("b a zz"), &positions), int(ExpressionMatcher::NoMatch));
        QCOMPARE(positions, (MatchPositions{{2, 1}, {0, 1}, {4, 2}}));
    }

    void givenLexerIsUsed()
    {
        ExpressionMatcher matcher(QStringLiteral("ignored"), nameOptions(), std::make_unique<FixedLexer>());
        QCOMPARE(matcher.termCount(), 2);
        QCOMPARE(matcher.match(QStringLiteral("y")), int(ExpressionMatcher::Match));
        QCOMPARE(matcher.match(QStringLiteral("ignored")), int(ExpressionMatcher::NoMatch));
    }
};

QTEST_GUILESS_MAIN(ExpressionMatcherTest)
#include "ExpressionMatcherTest.moc"
