#include "query/ExpressionLexer.h"
#include "query/ExpressionParser.h"

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
        // A lone term is decided without the engine; negated, it is not lone.
        {"a", true, 1, [](quint32 m) { return bit(m, 0); }},
        {"*.txt", false, 1, [](quint32 m) { return bit(m, 0); }},
        {"not a", true, 1, [](quint32 m) { return !bit(m, 0); }},
    };
    return table;
}

} // namespace

class ExpressionParserTest : public QObject
{
    Q_OBJECT

private slots:
    // Each mask asked twice (the second from the cache); first, so the threads also race to create the engine.
    void truthTablesFromManyThreads()
    {
        constexpr int kThreads = 16;
        constexpr int kRounds = 6;
        QAtomicInt wrong;
        QAtomicInt evaluated;
        std::vector<std::unique_ptr<QThread>> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back(QThread::create([&, t] {
                for (int round = 0; round < kRounds; ++round) {
                    // Fresh parsers every round, so the engine runs rather than the cache.
                    for (size_t e = 0; e < expressions().size(); ++e) {
                        const Expression &x = expressions()[(e + t) % expressions().size()];
                        auto parser = parserFor(QString::fromLatin1(x.text), x.boolean);
                        for (quint32 mask = 0; mask < (1u << x.terms); ++mask) {
                            if (parser->evaluate(mask) != x.truth(mask) || parser->evaluate(mask) != x.truth(mask))
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

    // " %1 " must not be replaced inside " %10 ".
    void tenthTermIsNotTheFirst()
    {
        auto parser = parserFor(QStringLiteral("a and b and c and d and e and f and g and h and i and not j"), true);
        QVERIFY(parser->evaluate(0x1ff));
        QVERIFY(!parser->evaluate(0x3ff));
    }

    void invalidExpressionsMatchNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("adjacent terms") << "a b";
        QTest::newRow("unclosed parenthesis") << "(a or b";
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
};

QTEST_GUILESS_MAIN(ExpressionParserTest)
#include "ExpressionParserTest.moc"
