#pragma once

#include "query/MatchOptions.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

#include <vector>

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
    // match() for a NUL-terminated UTF-8 text of unknown length. False, and
    // `found` untouched, when a byte of 0x80 or more is met before the answer
    // is known: a decoded character might fold onto the term.
    bool matchTerminated(const char *text, quint32 wanted, quint32 *found) const;
    // matchTerminated() for `count` texts at once: found[i] and ascii[i] as
    // its `found` and its result for texts[i] (found[i] is 0 where ascii[i]
    // is false). Reads ahead, so that names scattered over the memory of an
    // index arrive while earlier ones are matched, and finds a lone plain
    // term in a loop of its own.
    void matchTerminated(const char *const *texts, int count, quint32 wanted, quint32 *found, bool *ascii) const;

    // Whether the terms are one plain substring, which findInStrings() finds.
    bool isLoneSubstring() const { return m_substringsOnly && m_terms.size() == 1; }
    // For a lone substring: [first, last) holds NUL-terminated texts back to
    // back, the last one's terminator included. The start of every text
    // whose ASCII bytes hold the term goes to `found`; that of every text
    // where a byte of 0x80 or more comes first goes to `undecided`, for the
    // decoded text to decide. Reads the bytes as one stream instead of text
    // by text, which is what makes a scan of many short texts fast.
    void findInStrings(const char *first, const char *last, std::vector<const char *> &found,
                       std::vector<const char *> &undecided) const;

private:
    enum Found { No, Yes, NotAscii };
    // How many texts ahead matchTerminated() asks the memory for: enough to
    // cover a cache miss with the matching of the texts in between.
    static constexpr int kReadAhead = 16;

    void findOneTerm(const char *const *texts, int count, quint32 *found, bool *ascii) const;
    bool find(const QByteArray &term, const char *text, int length) const;
    Found findTerminated(const QByteArray &term, const char *text) const;
    // findTerminated() with the term's start prepared once for many texts
    // (a TermStart, which only the source file knows).
    Found findFrom(const void *start, const QByteArray &term, const char *text) const;
    bool restMatches(const QByteArray &term, const char *at) const;
    char otherCase(char first) const;
    bool wildcardMatch(const QByteArray &pattern, const char *text, int length) const;
    // Only A-Z change; bytes of 0x80 and above stay, never equal to a term's byte.
    char fold(char c) const
    {
        return !m_caseSensitive && unsigned(c - 'A') < 26u ? char(c + ('a' - 'A')) : c;
    }

    QVector<QByteArray> m_terms; // lower-cased when matching ignores case
    QVector<bool> m_wildcard;
    bool m_wholeWord = false;
    bool m_caseSensitive = false;
    // Every term is a plain substring: found in the ASCII bytes before any
    // other byte, it is found in the decoded text too, so the rest of the
    // name need not be read.
    bool m_substringsOnly = false;
};
