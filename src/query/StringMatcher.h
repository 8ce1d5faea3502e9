#pragma once

#include "query/IStringMatcher.h"
#include "query/MatchOptions.h"

#include <QRegExp>
#include <QStringList>
#include <QStringMatcher>
#include <QVector>

// Looks for the terms of one expression in names or lines of text.
//
// Substring and whole-word terms are searched with prepared Boyer-Moore
// tables, or as pre-folded terms when case-insensitive; in file-name matching a term holding "?" or "*" is a wildcard
// pattern for the whole name. Neither path allocates per text, which matters
// because the index runs it over every name it holds. Regex mode (QRegExp
// syntax) builds its expressions once, here, not per text.
//
// Not thread-safe (QRegExp keeps match state): one matcher per thread.
class StringMatcher : public IStringMatcher
{
public:
    StringMatcher(const QStringList &terms, const MatchOptions &options);

    // Replaces mode, case sensitivity and file-name matching; the terms stay.
    void setOptions(const MatchOptions &options);

    using IStringMatcher::match;
    quint32 match(QStringView text, quint32 wanted, MatchPositions *positions = nullptr,
                  int *count = nullptr) const override;

    // "*" is any run, "?" one character other than "."; the whole text must
    // match. Case folding is locale-independent.
    static bool wildcardMatch(QStringView pattern, QStringView text, bool caseSensitive);

    // True when neither neighbour of text[start, start+length) continues a
    // word: letters, digits, combining marks and "_" do.
    static bool isWholeWord(QStringView text, int start, int length);

private:
    void prepare();
    bool findPlain(int term, QStringView text, MatchPositions *positions, int *count) const;
    bool findRegex(int term, QStringView text, MatchPositions *positions, int *count) const;

    QStringList m_terms;
    int m_mode = MatchOptions::Substring;
    bool m_caseSensitive = false;
    bool m_fileName = false;
    QVector<bool> m_wildcardTerms;           // indexed by term
    QList<QRegExp> m_regexps;                // Regex mode only, one per term
    QVector<QStringMatcher> m_finders;       // Substring and Whole word, one per term
    QVector<QString> m_foldedTerms;          // the same, case-folded, when case-insensitive
};
