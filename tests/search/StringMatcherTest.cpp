#include "search/StringMatcher.h"

#include <QTest>

#include <clocale>

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
    void wholeWord_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");

        QTest::newRow("underscore continues a word") << "cat" << "cat_s" << false;
        QTest::newRow("inside a word") << "cat" << "concatenate" << false;
        QTest::newRow("digit after") << "cat" << "cat2" << false;
        QTest::newRow("umlaut before") << "cat" << u("äcat") << false;
        QTest::newRow("Cyrillic after") << "cat" << u("catж") << false;
        QTest::newRow("letter outside the BMP before") << "cat" << u("𝐀cat") << false;
        QTest::newRow("emoji is no letter") << "cat" << u("😀cat😀") << true;
        QTest::newRow("combining accent continues a word") << "cafe" << u("cafe\xcc\x81") << false;
        QTest::newRow("non-Latin term inside a word") << u("кот") << u("котик") << false;
        QTest::newRow("case-insensitive") << "CAT" << "the cat" << true;
    }

    void wholeWord()
    {
        QFETCH(QString, term);
        QFETCH(QString, text);
        QFETCH(bool, found);
        StringMatcher matcher({term}, options(MatchOptions::WholeWord));
        QCOMPARE(matcher.match(text, 1), found ? 1u : 0u);
    }

    void wildcard_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("matches");

        QTest::newRow("extension") << "*.txt" << "a.txt" << false << true;
        QTest::newRow("extension is the end") << "*.txt" << "a.txt.bak" << false << false;
        QTest::newRow("question mark") << "a?c" << "abc" << false << true;
        QTest::newRow("case-sensitive") << "A*" << "abc" << true << false;
        QTest::newRow("umlaut folds") << u("Ä*") << u("äbc") << false << true;
        QTest::newRow("umlaut kept when case-sensitive") << u("Ä*") << u("äbc") << true << false;
        QTest::newRow("Greek folds") << u("ΣΟΦΊΑ.*") << u("σοφία.txt") << false << true;
        QTest::newRow("question mark, empty name") << "?" << "" << false << false;
        QTest::newRow("stars backtrack") << "a*b*c" << "axbxxbyc" << false << true;
        QTest::newRow("question mark takes one whole character") << "?.png" << u("😀.png") << false << true;
        QTest::newRow("two question marks are two characters") << "??.png" << u("😀.png") << false << false;
        QTest::newRow("suffix folds") << "*.TXT" << "a.txt" << false << true;
        QTest::newRow("suffix outside the BMP") << u("*😀") << u("a😀") << false << true;
    }

    void wildcard()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, matches);
        QCOMPARE(StringMatcher::wildcardMatch(pattern, name, caseSensitive), matches);
        StringMatcher matcher({pattern}, options(MatchOptions::Substring, caseSensitive, /*fileName=*/true));
        QCOMPARE(matcher.match(name, 1), matches ? 1u : 0u);
    }

    // Folding must not depend on the process locale: under "C" the C library folds nothing outside ASCII.
    void wildcardFoldingIgnoresLocale()
    {
        const QByteArray saved = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "C");
        const bool matches = StringMatcher::wildcardMatch(u("Ä*"), u("äbc"), false);
        std::setlocale(LC_ALL, saved.constData());
        QVERIFY(matches);
    }

    void wildcardOnlyForNames()
    {
        StringMatcher content({QStringLiteral("a*b")}, options(MatchOptions::Substring));
        QCOMPARE(content.match(QStringLiteral("xa*by"), 1), 1u);
        QCOMPARE(content.match(QStringLiteral("axxb"), 1), 0u);

        StringMatcher names({QStringLiteral("a*b")}, options(MatchOptions::Substring, false, true));
        QCOMPARE(names.match(QStringLiteral("axxb"), 1), 1u);
        QCOMPARE(names.match(QStringLiteral("xa*by"), 1), 0u); // the whole name must match
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
        QTest::newRow("term order, then text order")
            << QStringList{"b", "a"} << int(MatchOptions::Substring) << "abab"
            << MatchPositions{{1, 1}, {3, 1}, {0, 1}, {2, 1}} << 4;
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

    // The case-insensitive search folds as Qt's own does: same occurrences as
    // a non-overlapping QString::indexOf walk, over texts that mix ASCII,
    // Latin, Greek, the Kelvin sign, the dotted capital I and surrogates.
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

    void caseSensitiveOccurrences()
    {
        StringMatcher matcher({QStringLiteral("Ab")}, options(MatchOptions::Substring, /*caseSensitive=*/true));
        MatchPositions positions;
        QCOMPARE(matcher.match(QStringLiteral("ab Ab aB AbAb"), 1, &positions), 1u);
        QCOMPARE(positions, (MatchPositions{{3, 2}, {9, 2}, {11, 2}}));
        QCOMPARE(matcher.match(QStringLiteral("ab aB"), 1), 0u);
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

    void onlyWantedTermsAreSought()
    {
        StringMatcher matcher({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                              options(MatchOptions::Substring));
        QCOMPARE(matcher.match(QStringLiteral("abc"), 0b111), 0b111u);
        QCOMPARE(matcher.match(QStringLiteral("abc"), 0b101), 0b101u);
        QCOMPARE(matcher.match(QStringLiteral("abc"), 0), 0u);
    }

    void setOptionsPreparesAgain()
    {
        StringMatcher matcher({QStringLiteral("a.c")}, options(MatchOptions::Substring, true));
        QCOMPARE(matcher.match(QStringLiteral("ABC"), 1), 0u);
        matcher.setOptions(options(MatchOptions::Regex, false));
        QCOMPARE(matcher.match(QStringLiteral("ABC"), 1), 1u);
        matcher.setOptions(options(MatchOptions::Substring, false, true));
        QCOMPARE(matcher.match(QStringLiteral("ABC"), 1), 0u);
        QCOMPARE(matcher.match(QStringLiteral("xA.Cx"), 1), 1u);
    }

    // A view is bounded by its size, not by a terminating NUL.
    void viewIntoALargerBuffer()
    {
        const QString buffer = QStringLiteral("a.txt.bak|cat_s");
        const QStringView name = QStringView(buffer).left(5);
        StringMatcher wildcard({QStringLiteral("*.txt")}, options(MatchOptions::Substring, false, true));
        QCOMPARE(wildcard.match(name, 1), 1u);
        StringMatcher word({QStringLiteral("cat")}, options(MatchOptions::WholeWord));
        QCOMPARE(word.match(QStringView(buffer).mid(10, 3), 1), 1u);
        QCOMPARE(word.match(QStringView(buffer).mid(10), 1), 0u);
        StringMatcher regex({QStringLiteral("txt$")}, options(MatchOptions::Regex));
        QCOMPARE(regex.match(name, 1), 1u);
    }
};

QTEST_GUILESS_MAIN(StringMatcherTest)
#include "StringMatcherTest.moc"
