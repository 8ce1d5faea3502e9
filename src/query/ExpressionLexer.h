#pragma once

#include "query/IExpressionLexer.h"

// The expression language of the name and content fields.
//
// Boolean form: terms separated by blanks, lower-case keywords "and", "or",
// "not" and parentheses; "\(" and "\)" are literal parentheses inside a term.
// List form: parts separated by ";", the words of one part must all be found,
// one part suffices; a part beginning with "!" excludes names that contain all
// of its words. "\;", "\ " and a leading "\!" are literal.
class ExpressionLexer : public IExpressionLexer
{
public:
    void tokenize(const QString &text, bool boolean, QStringList &terms, QList<int> &tokens) const override;

private:
    static void tokenizeBoolean(QString text, QStringList &terms, QList<int> &tokens);
    static void tokenizeList(QString text, QStringList &terms, QList<int> &tokens);
    static void splitParts(const QString &text, QList<QStringList> &inclusions, QList<QStringList> &exclusions);
    static void appendInclusions(const QList<QStringList> &inclusions, bool grouped, QStringList &terms,
                                 QList<int> &tokens);
    static void appendExclusion(const QStringList &words, bool first, QStringList &terms, QList<int> &tokens);
    static QStringList splitWords(const QString &part);
};
