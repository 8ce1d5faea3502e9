#include "search/ExpressionLexer.h"
#include "search/ExpressionParser.h"

#include <QAtomicInt>
#include <QTest>
#include <QThread>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Builds the parser of an expression text as the matcher does.
std::unique_ptr<ExpressionParser> parserFor(const QString &text, bool boolean, int *termCount = nullptr)
{
    QStringList terms;
    QList<int> tokens;
    ExpressionLexer().tokenize(text, boolean, terms, tokens);
    if (termCount)
        *termCount = terms.size();
    return std::make_unique<ExpressionParser>(tokens);
}

quint32 maskOf(const QString &bits)
{
    quint32 mask = 0;
    for (int i = 0; i < bits.size(); ++i)
        if (bits.at(i) == QLatin1Char('1'))
            mask |= 1u << i;
    return mask;
}

bool bit(quint32 mask, int i)
{
    return mask & (1u << i);
}

struct Expression
{
    const char *text;
    bool boolean;
    int terms;
    std::function<bool(quint32)> truth;
};

// Expressions whose meaning is written out by hand, evaluated for every mask.
const std::vector<Expression> &expressions()
{
    static const std::vector<Expression> table = {
        {"a and (b or not c)", true, 3, [](quint32 m) { return bit(m, 0) && (bit(m, 1) || !bit(m, 2)); }},
        {"a or b and c", true, 3, [](quint32 m) { return bit(m, 0) || (bit(m, 1) && bit(m, 2)); }},
        {"not a and b", true, 2, [](quint32 m) { return !bit(m, 0) && bit(m, 1); }},
        {"a b;c", false, 3, [](quint32 m) { return (bit(m, 0) && bit(m, 1)) || bit(m, 2); }},
        {"*.txt;*.doc;!temp", false, 3, [](quint32 m) { return (bit(m, 0) || bit(m, 1)) && !bit(m, 2); }},
        {"!x y", false, 2, [](quint32 m) { return !(bit(m, 0) && bit(m, 1)); }},
    };
    return table;
}

} // namespace

class ExpressionParserTest : public QObject
{
    Q_OBJECT

private slots:
    // First on purpose: the shared engine does not exist yet, so the threads also race to create it.
    void concurrentEvaluation()
    {
        constexpr int kThreads = 16;
        constexpr int kRounds = 6;
        QAtomicInt wrong;
        QAtomicInt evaluated;
        std::vector<std::unique_ptr<QThread>> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back(QThread::create([&, t] {
                for (int round = 0; round < kRounds; ++round) {
                    // Fresh parsers every round, so the engine really runs
                    // rather than answering from the per-parser cache.
                    for (size_t e = 0; e < expressions().size(); ++e) {
                        const Expression &x = expressions()[(e + t) % expressions().size()];
                        auto parser = parserFor(QString::fromLatin1(x.text), x.boolean);
                        for (quint32 mask = 0; mask < (1u << x.terms); ++mask) {
                            if (parser->evaluate(mask) != x.truth(mask))
                                wrong.ref();
                            evaluated.ref();
                        }
                    }
                }
            }));
            threads.back()->start();
        }
        for (auto &thread : threads)
            QVERIFY(thread->wait(120000));
        QCOMPARE(wrong.loadRelaxed(), 0);
        QVERIFY(evaluated.loadRelaxed() > kThreads * kRounds * 6);
    }

    void truthTables_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < expressions().size(); ++i)
            QTest::newRow(expressions()[i].text) << int(i);
    }

    void truthTables()
    {
        QFETCH(int, row);
        const Expression &x = expressions()[row];
        int termCount = 0;
        auto parser = parserFor(QString::fromLatin1(x.text), x.boolean, &termCount);
        QCOMPARE(termCount, x.terms);
        QCOMPARE(parser->termCount(), x.terms);
        QVERIFY(parser->isValid());
        for (quint32 mask = 0; mask < (1u << x.terms); ++mask) {
            QCOMPARE(parser->evaluate(mask), x.truth(mask));
            QCOMPARE(parser->evaluate(mask), x.truth(mask)); // answered from the cache
        }
    }

    void singleCases_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("boolean");
        QTest::addColumn<QString>("found");
        QTest::addColumn<bool>("holds");

        QTest::newRow("ten terms: %1 is not %10")
            << "a and b and c and d and e and f and g and h and i and not j" << true << "1111111111" << false;
        QTest::newRow("ten terms, last missing")
            << "a and b and c and d and e and f and g and h and i and not j" << true << "1111111110" << true;
    }

    void singleCases()
    {
        QFETCH(QString, text);
        QFETCH(bool, boolean);
        QFETCH(QString, found);
        QFETCH(bool, holds);
        QCOMPARE(parserFor(text, boolean)->evaluate(maskOf(found)), holds);
    }

    void invalidExpressionsMatchNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("adjacent terms") << "a b";
        QTest::newRow("upper-case keywords") << "A AND B";
        QTest::newRow("dangling and") << "a and";
        QTest::newRow("unclosed parenthesis") << "(a or b";
        QTest::newRow("stray closing parenthesis") << "a)";
        QTest::newRow("empty parentheses") << "a and ()";
    }

    void invalidExpressionsMatchNothing()
    {
        QFETCH(QString, text);
        int termCount = 0;
        auto parser = parserFor(text, true, &termCount);
        QVERIFY(!parser->isValid());
        for (quint32 mask = 0; mask < (1u << termCount); ++mask)
            QVERIFY(!parser->evaluate(mask));
    }

    // Terms beyond the 32nd share a bit with an earlier one.
    void bitsWrapAfter32Terms()
    {
        QStringList words;
        for (int i = 0; i < 33; ++i)
            words << QStringLiteral("t%1").arg(i);
        int termCount = 0;
        auto parser = parserFor(words.join(QStringLiteral(" and ")), true, &termCount);
        QCOMPARE(termCount, 33);
        QVERIFY(parser->evaluate(~quint32(0)));
        QVERIFY(!parser->evaluate(~quint32(1))); // bit 0 stands for terms 1 and 33
    }
};

QTEST_GUILESS_MAIN(ExpressionParserTest)
#include "ExpressionParserTest.moc"
