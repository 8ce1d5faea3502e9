#include "query/StringMatcher.h"

#include <QTest>

Q_DECLARE_METATYPE(MatchPositions)

namespace {

MatchOptions options(int mode, bool caseSensitive = false, bool fileName = false)
{
    MatchOptions o;
    o.mode = mode;
    o.caseSensitive = caseSensitive;
    o.fileName = fileName;
    return o;
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class StringMatcherTest : public QObject
{
    Q_OBJECT

private slots:
    void verdicts_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("fileName"); // a wildcard pattern over the whole name
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");

        const int word = MatchOptions::WholeWord;
        const int sub = MatchOptions::Substring;
        QTest::newRow("underscore continues a word") << "cat" << word << false << false << "cat_s" << false;
        QTest::newRow("umlaut before") << "cat" << word << false << false << u("äcat") << false;
        QTest::newRow("letter outside the BMP before") << "cat" << word << false << false << u("𝐀cat") << false;
        QTest::newRow("emoji is no letter") << "cat" << word << false << false << u("😀cat😀") << true;
        QTest::newRow("combining accent continues a word")
            << "cafe" << word << false << false << u("cafe\xcc\x81") << false;
        QTest::newRow("whole word, case-insensitive") << "CAT" << word << false << false << "the cat" << true;
        QTest::newRow("substring, case-sensitive") << "Ab" << sub << true << false << "ab aB" << false;
        QTest::newRow("star is no wildcard in contents") << "a*b" << sub << false << false << "axxb" << false;
        QTest::newRow("a name must match whole") << "a*b" << sub << false << true << "xa*by" << false;

        QTest::newRow("suffix folds") << "*.TXT" << sub << false << true << "a.txt" << true;
        QTest::newRow("extension is the end") << "*.txt" << sub << false << true << "a.txt.bak" << false;
        QTest::newRow("case-sensitive") << "A*" << sub << true << true << "abc" << false;
        QTest::newRow("umlaut folds") << u("Ä*") << sub << false << true << u("äbc") << true;
        QTest::newRow("question mark, empty name") << "?" << sub << false << true << "" << false;
        QTest::newRow("stars backtrack") << "a*b*c" << sub << false << true << "axbxxbyc" << true;
        QTest::newRow("question mark takes one whole character")
            << "?.png" << sub << false << true << u("😀.png") << true;
        QTest::newRow("two question marks are two characters")
            << "??.png" << sub << false << true << u("😀.png") << false;
    }

    void verdicts()
    {
        QFETCH(QString, term);
        QFETCH(int, mode);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, fileName);
        QFETCH(QString, text);
        QFETCH(bool, found);
        StringMatcher matcher({term}, options(mode, caseSensitive, fileName));
        QCOMPARE(matcher.match(text, 1), found ? 1u : 0u);
    }

    void positionsAndCounts_data()
    {
        QTest::addColumn<QStringList>("terms");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<MatchPositions>("positions");
        QTest::addColumn<int>("count");

        QTest::newRow("occurrences do not overlap")
            << QStringList{"aa"} << int(MatchOptions::Substring) << "aaaa" << MatchPositions{{0, 2}, {2, 2}} << 2;
        QTest::newRow("whole word skips parts of words")
            << QStringList{"cat"} << int(MatchOptions::WholeWord) << "cat concat cat_ (cat)"
            << MatchPositions{{0, 3}, {17, 3}} << 2;
        QTest::newRow("whole word after a rejected occurrence")
            << QStringList{"aa"} << int(MatchOptions::WholeWord) << "aaa aa" << MatchPositions{{4, 2}} << 1;
        QTest::newRow("regex positions")
            << QStringList{"a+"} << int(MatchOptions::Regex) << "caaab aa" << MatchPositions{{1, 3}, {6, 2}} << 2;
        QTest::newRow("invalid regex finds nothing") << QStringList{"(ab"} << int(MatchOptions::Regex) << "(ab"
                                                     << MatchPositions{} << 0;
    }

    void positionsAndCounts()
    {
        QFETCH(QStringList, terms);
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(MatchPositions, positions);
        QFETCH(int, count);

        StringMatcher matcher(terms, options(mode));
        MatchPositions gotPositions;
        int gotCount = 10;
        // Positions are asked for even of unwanted terms.
        const quint32 found = matcher.match(text, 0, &gotPositions, &gotCount);
        QCOMPARE(gotPositions, positions);
        QCOMPARE(gotCount, 10 + count);
        QCOMPARE(found != 0, count > 0);

        int onlyCount = 0;
        matcher.match(text, ~0u, nullptr, &onlyCount);
        QCOMPARE(onlyCount, count);
    }

    // Folded as Qt folds: the occurrences of a non-overlapping case-insensitive QString::indexOf walk.
    void substringAgreesWithQt()
    {
        const QStringList texts = {u("Straße STRASSE"), u("ΣΊΣΥΦΟΣ σίσυφος"), u("\u212Aelvin kelvin"),
                                   u("İstanbul istanbul"), u("𐐀𐐨𐐀 a𐐨"), u("AaAaA"), u("")};
        const QStringList terms = {u("ss"), u("SS"), u("ß"), u("σί"), u("ΣΙ"), u("kel"), u("K"),
                                   u("i"), u("İ"), u("𐐨"), u("𐐀"), u("aa"), u("a𐐨")};
        for (const QString &term : terms) {
            StringMatcher matcher({term}, options(MatchOptions::Substring));
            for (const QString &text : texts) {
                MatchPositions expected;
                for (int from = 0; (from = text.indexOf(term, from, Qt::CaseInsensitive)) >= 0; from += term.size())
                    expected.append(qMakePair(from, int(term.size())));
                MatchPositions got;
                matcher.match(text, 1, &got);
                QVERIFY2(got == expected, qPrintable(term + QLatin1String(" in ") + text));
            }
        }
    }

    // "x*" matches the empty string: found, but nothing to show or count.
    void zeroLengthRegexFindsWithoutPositions()
    {
        StringMatcher matcher({QStringLiteral("x*")}, options(MatchOptions::Regex));
        MatchPositions positions;
        int count = 0;
        QCOMPARE(matcher.match(QStringLiteral("abc"), 1, &positions, &count), 1u);
        QVERIFY(positions.isEmpty());
        QCOMPARE(count, 0);
    }
};

QTEST_GUILESS_MAIN(StringMatcherTest)
#include "StringMatcherTest.moc"
