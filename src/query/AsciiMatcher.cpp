#include "query/AsciiMatcher.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The rest of the term at a place where its first byte was found. The
// terminator, or a byte of 0x80 and above, ends the comparison as a mismatch.
bool AsciiMatcher::restMatches(const QByteArray &term, const char *at) const
{
    const char *t = term.constData();
    const int termLength = term.size();
    int j = 1;
    while (j < termLength && fold(at[j]) == t[j])
        ++j;
    return j == termLength;
}

// The first byte of a term in both cases, so that a scan compares without folding.
char AsciiMatcher::otherCase(char first) const
{
    return m_caseSensitive || first < 'a' || first > 'z' ? first : char(first - ('a' - 'A'));
}

#if defined(__SSE2__)

// Sixteen bytes at a time, from aligned blocks: such a block never crosses
// into another page, so reading the bytes before the text and after its
// terminator is safe, though outside what the address sanitizer lets a
// program read. Reads only as far as the first occurrence: what follows it
// cannot undo it.
__attribute__((no_sanitize_address)) AsciiMatcher::Found AsciiMatcher::findTerminated(const QByteArray &term,
                                                                                       const char *text) const
{
    const __m128i first = _mm_set1_epi8(term[0]);
    const __m128i firstOther = _mm_set1_epi8(otherCase(term[0]));
    const __m128i zero = _mm_setzero_si128();
    const auto address = reinterpret_cast<std::uintptr_t>(text);
    const char *block = reinterpret_cast<const char *>(address & ~std::uintptr_t(15));
    unsigned before = unsigned(address & 15); // bytes of the first block ahead of the text
    for (;; block += 16, before = 0) {
        const __m128i bytes = _mm_load_si128(reinterpret_cast<const __m128i *>(block));
        // The sign bit marks 0x80 and above.
        unsigned stops = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, zero)) | _mm_movemask_epi8(bytes));
        unsigned starts = unsigned(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, first), _mm_cmpeq_epi8(bytes, firstOther))));
        stops = (stops >> before) << before;
        starts = (starts >> before) << before;
        if (stops)
            starts &= (1u << __builtin_ctz(stops)) - 1;
        for (; starts; starts &= starts - 1) {
            if (restMatches(term, block + __builtin_ctz(starts)))
                return Yes;
        }
        if (stops)
            return block[__builtin_ctz(stops)] == 0 ? No : NotAscii;
    }
}

#else

// Reads only as far as the first occurrence: what follows it cannot undo it.
AsciiMatcher::Found AsciiMatcher::findTerminated(const QByteArray &term, const char *text) const
{
    const char first = term[0];
    const char firstOther = otherCase(first);
    for (const char *p = text;; ++p) {
        const char c = *p;
        if (c == first || c == firstOther) {
            if (restMatches(term, p))
                return Yes;
        } else if (static_cast<unsigned char>(c - 1) >= 0x7f) {
            return c == 0 ? No : NotAscii; // one test for the terminator and 0x80 and above
        }
    }
}

#endif

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
