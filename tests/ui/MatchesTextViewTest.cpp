#include "WindowTestSupport.h"

#include "ui/MatchesTextView.h"

using WindowTest::highlightColour;
using WindowTest::textOn;

namespace {

const QChar kEllipsis(0x2026);

ContentMatches matchesOf(const QList<MatchLine> &lines)
{
    return ContentMatches{QString(), false, 0, lines, {}};
}

// 60 words "w000 " .. "w059 " with "MATCH " in place of word 'at': 300 characters.
QString wordLine(int at)
{
    QString line;
    for (int i = 0; i < 60; ++i)
        line += i == at ? QStringLiteral("MATCH ") : QStringLiteral("w%1 ").arg(i, 3, 10, QLatin1Char('0'));
    return line;
}

} // namespace

class MatchesTextViewTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { WindowTest::pinLocale(); }

    void init()
    {
        Settings *settings = Settings::instance();
        for (Settings::Key key : {Settings::ShowMaximumMatches, Settings::ShowFullMatchedLine,
                                  Settings::PreviewCharsBeforeMatch, Settings::PreviewCharsAfterMatch})
            settings->setValue(key, settings->defaultValue(key));
    }

    void context_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<bool>("leading");
        QTest::addColumn<bool>("trailing");
        QTest::newRow("middle of the line") << 30 << true << true;
        QTest::newRow("start of the line") << 0 << false << true;
        QTest::newRow("within 50 of the end") << 55 << true << false;
    }

    void context()
    {
        QFETCH(int, word);
        QFETCH(bool, leading);
        QFETCH(bool, trailing);
        const QString line = wordLine(word);
        MatchesTextView view;
        view.setMatches(matchesOf({MatchLine{6, line, {{word * 5, 5}}}}));

        const QTextBlock block = view.document()->firstBlock();
        QString shown = block.text();
        QVERIFY(shown.startsWith(QStringLiteral("7\t")));
        shown.remove(0, 2);
        QCOMPARE(shown.startsWith(kEllipsis), leading);
        QCOMPARE(shown.endsWith(kEllipsis), trailing);
        const QString context = shown.mid(leading ? 1 : 0, shown.size() - leading - trailing);
        const int from = line.indexOf(context);
        QVERIFY(from >= 0);
        const int before = word * 5 - from;
        const int after = from + context.size() - (word * 5 + 5);
        // About 50 on each side, cut at word breaks, without outer blanks.
        QVERIFY(!leading || (before > 40 && before <= 50 && line.at(from - 1) == QLatin1Char(' ')));
        QVERIFY(!trailing || (after > 40 && after <= 50 && line.at(from + context.size()) == QLatin1Char(' ')));
        QVERIFY(!context.startsWith(QLatin1Char(' ')) && !context.trimmed().isEmpty());
        QCOMPARE(textOn(block, highlightColour()), QStringLiteral("MATCH"));
    }

    void limit_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<int>("shownLines");
        QTest::newRow("150 lines, limit 100") << 150 << true << 100;
        QTest::newRow("100 lines, limit 100") << 100 << false << 100;
    }

    void limit()
    {
        QFETCH(int, records);
        QFETCH(bool, notice);
        QFETCH(int, shownLines);
        QList<MatchLine> lines;
        for (int i = 0; i < records; ++i)
            lines.append(MatchLine{i * 2, QStringLiteral("a hit here"), {{2, 3}}});
        MatchesTextView view;
        view.setMatches(matchesOf(lines));

        QTextBlock block = view.document()->firstBlock();
        if (notice) {
            QCOMPARE(block.text(), QStringLiteral("Only the first 100 matches are shown."));
            block = block.next();
        }
        // One block per shown line, and the empty one after the last "\r\n".
        QCOMPARE(view.document()->blockCount(), int(notice) + shownLines + 1);
        QCOMPARE(block.text(), QStringLiteral("1\ta hit here"));
        QCOMPARE(view.document()->findBlockByNumber(int(notice) + shownLines - 1).text(),
                 QStringLiteral("%1\ta hit here").arg(2 * shownLines - 1));
    }

    void fullLineActionStoresAndRebuilds()
    {
        const ContentMatches matches =
            matchesOf({MatchLine{41, QStringLiteral("\t\t  one and two  "), {{4, 3}, {12, 3}}}});
        MatchesTextView view;
        view.setMatches(matches);
        // Context: one line per match; full line: the line once with both marked, without its outer blanks.
        QCOMPARE(view.document()->blockCount(), 3);
        QCOMPARE(textOn(view.document()->findBlockByNumber(0), highlightColour()), QStringLiteral("one"));
        QCOMPARE(textOn(view.document()->findBlockByNumber(1), highlightColour()), QStringLiteral("two"));
        view.fullLineAction()->trigger();
        QCOMPARE(Settings::instance()->value(Settings::ShowFullMatchedLine).toBool(), true);
        QCOMPARE(view.document()->blockCount(), 2);
        QCOMPARE(view.document()->firstBlock().text(), QStringLiteral("42\tone and two"));
        QCOMPARE(textOn(view.document()->firstBlock(), highlightColour()), QStringLiteral("onetwo"));
    }
};

QTEST_MAIN(MatchesTextViewTest)
#include "MatchesTextViewTest.moc"
