#include "search/AsciiMatcher.h"

namespace {

bool isAscii(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

bool continuesWord(char c)
{
    return c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

const char AsciiMatcher::kLower[128] = {
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  15,  16,  17,  18,  19,  20,  21,
    22,  23,  24,  25,  26,  27,  28,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  43,
    44,  45,  46,  47,  48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,  61,  62,  63,  64,  'a',
    'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p', 'q', 'r', 's', 't', 'u', 'v', 'w',
    'x', 'y', 'z', 91,  92,  93,  94,  95,  96,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109,
    110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127,
};

bool AsciiMatcher::applies(const QStringList &terms, const MatchOptions &options)
{
    if (options.mode == MatchOptions::Regex || terms.size() > 32)
        return false;
    for (const QString &term : terms) {
        if (term.isEmpty() || !isAscii(term))
            return false;
    }
    return true;
}

AsciiMatcher::AsciiMatcher(const QStringList &terms, const MatchOptions &options)
    : m_wholeWord(options.mode == MatchOptions::WholeWord)
    , m_caseSensitive(options.caseSensitive)
{
    for (const QString &term : terms) {
        QByteArray bytes = term.toLatin1();
        for (char &c : bytes)
            c = fold(c);
        m_terms.append(bytes);
        m_wildcard.append(options.fileName && (term.contains(QLatin1Char('?')) || term.contains(QLatin1Char('*'))));
    }
}

quint32 AsciiMatcher::match(const char *text, int length, quint32 wanted) const
{
    quint32 result = 0;
    for (int i = 0; i < m_terms.size(); ++i) {
        const quint32 bit = 1u << i;
        if (!(wanted & bit))
            continue;
        const bool found = m_wildcard[i] ? wildcardMatch(m_terms[i], text, length) : find(m_terms[i], text, length);
        if (found)
            result |= bit;
    }
    return result;
}

// Occurrences do not overlap, as in StringMatcher: after one that fails the
// whole-word test the search goes on behind it.
bool AsciiMatcher::find(const QByteArray &term, const char *text, int length) const
{
    const int termLength = term.size();
    const char first = term[0];
    for (int i = 0; i <= length - termLength;) {
        if (fold(text[i]) != first) {
            ++i;
            continue;
        }
        int j = 1;
        while (j < termLength && fold(text[i + j]) == term[j])
            ++j;
        if (j < termLength) {
            ++i;
            continue;
        }
        if (!m_wholeWord || ((i == 0 || !continuesWord(text[i - 1]))
                             && (i + termLength == length || !continuesWord(text[i + termLength]))))
            return true;
        i += termLength;
    }
    return false;
}

// "*" is any run, "?" one character other than "."; the whole name must match.
bool AsciiMatcher::wildcardMatch(const QByteArray &pattern, const char *text, int length) const
{
    const char *p = pattern.constData();
    const int pLength = pattern.size();
    int pi = 0;
    int ti = 0;
    int starP = -1;
    int starT = 0;
    while (ti < length) {
        if (pi < pLength && p[pi] == '*') {
            starP = ++pi;
            starT = ti;
            continue;
        }
        if (pi < pLength && (p[pi] == '?' ? text[ti] != '.' : p[pi] == fold(text[ti]))) {
            ++pi;
            ++ti;
            continue;
        }
        if (starP < 0)
            return false;
        ti = ++starT;
        pi = starP;
    }
    while (pi < pLength && p[pi] == '*')
        ++pi;
    return pi == pLength;
}
