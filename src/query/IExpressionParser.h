#pragma once

#include <QtGlobal>

// Decides whether an expression holds for a set of found terms.
class IExpressionParser
{
public:
    virtual ~IExpressionParser() = default;

    // Bit i of `mask` (from 0) tells whether term i+1 was found. Not
    // thread-safe: a parser belongs to one matcher, used by one thread.
    virtual bool evaluate(quint32 mask) = 0;
};
