#pragma once

#include <QList>
#include <QStringList>

// Splits an expression text into its terms and a token list; the parser turns
// the tokens into a verdict over the set of found terms.
class IExpressionLexer
{
public:
    // The k-th Term token of a token list stands for the k-th entry of the
    // term list. Token lists are QList<int> so that they travel as plain data.
    enum Token { Term = 0, And = 1, Or = 2, Not = 3, Open = 4, Close = 5 };

    virtual ~IExpressionLexer() = default;

    // Appends to both output lists. `boolean` selects the Boolean form
    // ("a and (b or not c)"), otherwise the list form ("a b;c;!d").
    virtual void tokenize(const QString &text, bool boolean, QStringList &terms, QList<int> &tokens) const = 0;
};
