#pragma once

#include "search/MatchOptions.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

// Finds terms in names that are plain ASCII, on their bytes, without
// decoding them: most names of a volume are ASCII, and an index search
// matches every name it holds. Gives exactly the found-term mask that
// StringMatcher gives for the same text, and exists only where it can:
// substring, whole-word and wildcard terms that are ASCII themselves (a
// non-ASCII term may fold onto ASCII, as the Kelvin sign onto "k"), and no
// regular expressions.
class AsciiMatcher
{
public:
    static bool applies(const QStringList &terms, const MatchOptions &options);
    AsciiMatcher(const QStringList &terms, const MatchOptions &options);

    // `text` holds `length` bytes, all below 0x80.
    quint32 match(const char *text, int length, quint32 wanted) const;

private:
    bool find(const QByteArray &term, const char *text, int length) const;
    bool wildcardMatch(const QByteArray &pattern, const char *text, int length) const;
    char fold(char c) const { return m_caseSensitive ? c : kLower[static_cast<unsigned char>(c)]; }

    static const char kLower[128];

    QVector<QByteArray> m_terms; // lower-cased when matching ignores case
    QVector<bool> m_wildcard;
    bool m_wholeWord = false;
    bool m_caseSensitive = false;
};
