#pragma once

#include "query/IExpressionParser.h"

#include <QList>
#include <QMap>
#include <QString>

// Translates a token list into an ECMAScript expression over term
// placeholders (" %1 && ( %2 || ! %3 ) ") and evaluates it with the one
// script engine of the process, so that the operators keep the script
// language's precedence: not before and before or.
//
// The engine needs a QCoreApplication. It is created by the first
// evaluation that needs it, never destroyed, and every use of it holds one
// process-wide mutex, so parsers may be built and evaluated on any number
// of threads at once. A lone term, the most common expression, needs no
// engine: it holds exactly when it is found.
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
    static QString placeholder(int term);
    QString substitute(quint32 mask) const;

    QString m_script;
    int m_termCount = 0;
    QMap<quint32, bool> m_cache; // the verdict depends on the mask alone
    bool m_valid = false;
    bool m_loneTerm = false;
};
