#pragma once

#include "query/IExpressionParser.h"

#include <QList>
#include <QString>

#include <vector>

// Translates a token list into an ECMAScript expression over term
// placeholders (" %1 && ( %2 || ! %3 ) ") and gives, for a set of found
// terms, the verdict that expression has in the script language, so that
// the operators keep its precedence: not before and before or.
//
// The script is not run: the few forms these tokens can make are read here
// by the script language's own grammar, and evaluated as it evaluates them
// (tests hold the verdicts against a script engine). Beside the plain
// Boolean forms the grammar lets a parenthesis after an operand be a call,
// "a ( b )"; calling a number fails, and a failed script's verdict is true.
// A parser is immutable after construction apart from its scratch stack:
// one per thread, as a matcher is.
class ExpressionParser : public IExpressionParser
{
public:
    explicit ExpressionParser(const QList<int> &tokens);

    // An invalid expression ("a b", "a and") is not an error: it holds for
    // no mask at all.
    bool evaluate(quint32 mask) override;

    bool isValid() const { return m_valid; }
    int termCount() const { return m_termCount; }
    QString script() const { return m_script; }

private:
    // The expression in reverse Polish form: a step is a term's index (0
    // and up) or an operator. A call takes its callee and, unless it has
    // none, its one argument.
    enum Step : int { NotStep = -1, AndStep = -2, OrStep = -3, CallStep = -4, CallWithArgumentStep = -5 };
    class Grammar;

    static QString placeholder(int term);

    QString m_script;
    int m_termCount = 0;
    bool m_valid = false;
    std::vector<int> m_steps;
    std::vector<char> m_stack; // evaluate()'s, as deep as the steps are many
};
