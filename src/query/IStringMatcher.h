#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringView>

// (start, length) of one occurrence, in UTF-16 units of the searched text.
using MatchPositions = QList<QPair<int, int>>;

// Finds which terms of an expression occur in a text.
class IStringMatcher
{
public:
    virtual ~IStringMatcher() = default;

    // Returns the mask of the terms found in `text` (term i is bit i modulo
    // 32), looking only for the terms whose bit is set in `wanted` unless
    // positions or a count are asked for, which need every term. `positions`
    // receives the occurrences term by term, each term's in text order;
    // `count` is incremented once per occurrence. Both may be null.
    //
    // The view form exists so that callers holding a reused UTF-16 buffer
    // need not build a QString per text.
    virtual quint32 match(QStringView text, quint32 wanted, MatchPositions *positions = nullptr,
                          int *count = nullptr) const = 0;

    quint32 match(const QString &text, quint32 wanted, MatchPositions *positions = nullptr,
                  int *count = nullptr) const
    {
        return match(QStringView(text), wanted, positions, count);
    }
};
