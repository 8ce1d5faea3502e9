#include "search/ExpressionLexer.h"

#include <QTest>

using Tokens = QList<int>;
Q_DECLARE_METATYPE(Tokens)

namespace {
constexpr int T = IExpressionLexer::Term;
constexpr int And = IExpressionLexer::And;
constexpr int Or = IExpressionLexer::Or;
constexpr int Not = IExpressionLexer::Not;
constexpr int Open = IExpressionLexer::Open;
constexpr int Close = IExpressionLexer::Close;
} // namespace

class ExpressionLexerTest : public QObject
{
    Q_OBJECT

private slots:
    void tokenize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("boolean");
        QTest::addColumn<QStringList>("terms");
        QTest::addColumn<Tokens>("tokens");

        const QStringList none;
        QTest::newRow("list: blanks and separators only") << " ; ;; " << false << none << Tokens{};
        QTest::newRow("list: words and parts") << "a b;c" << false << QStringList{"a", "b", "c"}
                                               << Tokens{T, And, T, Or, T};
        QTest::newRow("list: exclusion after several parts")
            << "*.txt;*.doc;!temp" << false << QStringList{"*.txt", "*.doc", "temp"}
            << Tokens{Open, T, Or, T, Close, And, Open, Not, T, Close};
        QTest::newRow("list: exclusions come last in the terms")
            << "!x;a;!y" << false << QStringList{"a", "x", "y"}
            << Tokens{T, And, Open, Not, T, Close, And, Open, Not, T, Close};
        QTest::newRow("list: escaped bang") << "\\!x" << false << QStringList{"!x"} << Tokens{T};
        QTest::newRow("list: escaped blank in an exclusion")
            << "!my\\ file" << false << QStringList{"my file"} << Tokens{Open, Not, T, Close};
        QTest::newRow("list: bare bang excludes nothing") << "a;!" << false << QStringList{"a"} << Tokens{T};

        QTest::newRow("bool: precedence groups")
            << "a and (b or not c)" << true << QStringList{"a", "b", "c"}
            << Tokens{T, And, Open, T, Or, Not, T, Close};
        QTest::newRow("bool: escaped parentheses") << "\\(x\\)" << true << QStringList{"(x)"} << Tokens{T};
        QTest::newRow("bool: escaped backslash") << "a\\\\b" << true << QStringList{"a\\b"} << Tokens{T};
        QTest::newRow("bool: operators only") << "not ( )" << true << none << Tokens{Not, Open, Close};
    }

    void tokenize()
    {
        QFETCH(QString, text);
        QFETCH(bool, boolean);
        QFETCH(QStringList, terms);
        QFETCH(Tokens, tokens);

        QStringList gotTerms{QStringLiteral("kept")};
        Tokens gotTokens{Close};
        ExpressionLexer().tokenize(text, boolean, gotTerms, gotTokens);
        // The lexer appends: what the caller had stays in front.
        QCOMPARE(gotTerms.takeFirst(), QStringLiteral("kept"));
        QCOMPARE(gotTokens.takeFirst(), int(Close));
        QCOMPARE(gotTerms, terms);
        QCOMPARE(gotTokens, tokens);
    }
};

QTEST_GUILESS_MAIN(ExpressionLexerTest)
#include "ExpressionLexerTest.moc"
