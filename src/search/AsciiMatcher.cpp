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
    m_substringsOnly = !m_wholeWord && !m_wildcard.contains(true);
}

bool AsciiMatcher::matchTerminated(const char *text, quint32 wanted, quint32 *found) const
{
    if (!m_substringsOnly) {
        // Word boundaries and wildcards depend on every character: the whole
        // name must be ASCII.
        int length = 0;
        bool ascii = true;
        for (; text[length]; ++length)
            ascii &= static_cast<unsigned char>(text[length]) < 0x80;
        if (!ascii)
            return false;
        *found = match(text, length, wanted);
        return true;
    }
    quint32 result = 0;
    for (int i = 0; i < m_terms.size(); ++i) {
        const quint32 bit = 1u << i;
        if (!(wanted & bit))
            continue;
        switch (findTerminated(m_terms[i], text)) {
        case Yes:
            result |= bit;
            break;
        case No:
            break;
        case NotAscii:
            return false;
        }
    }
    *found = result;
    return true;
}

// Reads only as far as the first occurrence: what follows it cannot undo it.
AsciiMatcher::Found AsciiMatcher::findTerminated(const QByteArray &term, const char *text) const
{
    const int termLength = term.size();
    const char *t = term.constData();
    // The first byte in both cases, so that the scan compares without folding.
    const char first = t[0];
    const char firstUpper = m_caseSensitive || first < 'a' || first > 'z' ? first : char(first - ('a' - 'A'));
    for (const char *p = text;; ++p) {
        const char c = *p;
        if (c == first || c == firstUpper) {
            // The terminator, or a byte of 0x80 and above, ends the
            // comparison as a mismatch; the scan reaches it next.
            int j = 1;
            while (j < termLength && fold(p[j]) == t[j])
                ++j;
            if (j == termLength)
                return Yes;
        } else if (static_cast<unsigned char>(c - 1) >= 0x7f) {
            return c == 0 ? No : NotAscii; // one test for the terminator and 0x80 and above
        }
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
