#include "query/ExpressionLexer.h"
#include "query/ExpressionParser.h"
#include "query/IExpressionLexer.h"

#include <QRandomGenerator>
#include <QScriptEngine>
#include <QTest>

#include <functional>
#include <memory>

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

// The script with its placeholders put to 1 (bit set) or 0, as a script
// engine is given it.
QString scriptFor(const ExpressionParser &parser, quint32 mask)
{
    QString text = parser.script();
    for (int i = 0; i < parser.termCount(); ++i)
        text.replace(QStringLiteral(" %%1 ").arg(i + 1), bit(mask, i % 32) ? QStringLiteral(" 1 ") : QStringLiteral(" 0 "));
    return text;
}

} // namespace

Q_DECLARE_METATYPE(std::function<bool(quint32)>)

class ExpressionParserTest : public QObject
{
    Q_OBJECT

private:
    QScriptEngine m_engine;

    // What the script engine says of the parser's script: whether it is
    // valid, and for every mask whether the verdicts agree.
    void compareWithScript(const QList<int> &tokens)
    {
        ExpressionParser parser(tokens);
        const bool valid = QScriptEngine::checkSyntax(scriptFor(parser, 0)).state() == QScriptSyntaxCheckResult::Valid;
        QVERIFY2(parser.isValid() == valid, qPrintable(parser.script()));
        if (!valid)
            return;
        const quint32 masks = 1u << qMin(parser.termCount(), 6);
        for (quint32 mask = 0; mask < masks; ++mask) {
            const bool scripted = m_engine.evaluate(scriptFor(parser, mask)).toBool();
            m_engine.clearExceptions();
            QVERIFY2(parser.evaluate(mask) == scripted, qPrintable(scriptFor(parser, mask)));
        }
    }

private slots:
    void truthTables_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("boolean");
        QTest::addColumn<int>("terms");
        QTest::addColumn<std::function<bool(quint32)>>("truth");
        using Truth = std::function<bool(quint32)>;
        QTest::newRow("and over or") << "a and (b or not c)" << true << 3
                                     << Truth([](quint32 m) { return bit(m, 0) && (bit(m, 1) || !bit(m, 2)); });
        QTest::newRow("and before or") << "a or b and c" << true << 3
                                       << Truth([](quint32 m) { return bit(m, 0) || (bit(m, 1) && bit(m, 2)); });
        QTest::newRow("not before and") << "not a and b" << true << 2
                                        << Truth([](quint32 m) { return !bit(m, 0) && bit(m, 1); });
        QTest::newRow("list") << "a b;c" << false << 3
                              << Truth([](quint32 m) { return (bit(m, 0) && bit(m, 1)) || bit(m, 2); });
        QTest::newRow("list with exclusion") << "*.txt;*.doc;!temp" << false << 3
                                             << Truth([](quint32 m) { return (bit(m, 0) || bit(m, 1)) && !bit(m, 2); });
        QTest::newRow("exclusion of two") << "!x y" << false << 2
                                          << Truth([](quint32 m) { return !(bit(m, 0) && bit(m, 1)); });
        // The script reads a parenthesis after an operand as a call, which fails.
        QTest::newRow("call") << "a (b)" << true << 2 << Truth([](quint32) { return true; });
        QTest::newRow("call not reached") << "not a and b (c)" << true << 3
                                          << Truth([](quint32 m) { return !bit(m, 0); });
    }

    void truthTables()
    {
        QFETCH(QString, text);
        QFETCH(bool, boolean);
        QFETCH(int, terms);
        QFETCH(std::function<bool(quint32)>, truth);
        int termCount = 0;
        auto parser = parserFor(text, boolean, &termCount);
        QCOMPARE(termCount, terms);
        for (quint32 mask = 0; mask < (1u << terms); ++mask)
            QCOMPARE(parser->evaluate(mask), truth(mask));
    }

    // Every token list of up to six tokens, then longer ones at random:
    // valid exactly when the script engine's syntax check says so, and the
    // verdict the engine gives for every mask.
    void asTheScriptEngineSaysIt()
    {
        constexpr int kKinds = 6;
        for (int length = 0, lists = 1; length <= 6; ++length, lists *= kKinds) {
            for (int code = 0; code < lists; ++code) {
                QList<int> tokens;
                for (int i = 0, rest = code; i < length; ++i, rest /= kKinds)
                    tokens.append(rest % kKinds);
                compareWithScript(tokens);
                if (QTest::currentTestFailed())
                    return;
            }
        }
        QRandomGenerator random(28);
        // Mostly well formed, so that deep nesting is reached.
        const int weighted[] = {IExpressionLexer::Term, IExpressionLexer::Term, IExpressionLexer::And,
                                IExpressionLexer::Or,   IExpressionLexer::Not,  IExpressionLexer::Open,
                                IExpressionLexer::Close};
        for (int n = 0; n < 20000; ++n) {
            QList<int> tokens;
            const int length = 7 + random.bounded(10);
            for (int i = 0; i < length; ++i)
                tokens.append(weighted[random.bounded(int(sizeof weighted / sizeof *weighted))]);
            compareWithScript(tokens);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // " %1 " must not be taken for the start of " %10 ".
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
