#pragma once

#include <QString>

// Whether a text can be used as an expression of a type (0 substring,
// 1 whole word, 2 regex, 3 Boolean), checked before a search starts so a
// user hears why instead of finding nothing.
class ExpressionValidator
{
public:
    // Why `text` cannot be used; empty when it can (an empty text can).
    static QString errorFor(const QString &text, int type);
};
