#include "query/ExpressionValidator.h"

#include "query/ExpressionLexer.h"
#include "query/ExpressionParser.h"

#include <QRegExp>
#include <QStringList>

QString ExpressionValidator::errorFor(const QString &text, int type)
{
    if (text.isEmpty())
        return QString();
    QStringList terms;
    QList<int> tokens;
    ExpressionLexer().tokenize(text, type == 3, terms, tokens);
    if (!tokens.isEmpty() && !ExpressionParser(tokens).isValid())
        return QStringLiteral("\"%1\" is not a valid expression").arg(text);
    if (type == 2) {
        for (const QString &term : qAsConst(terms)) {
            const QRegExp regexp(term);
            if (!regexp.isValid())
                return QStringLiteral("\"%1\" is not a valid regular expression: %2").arg(term, regexp.errorString());
        }
    }
    return QString();
}
