#include "query/AsciiMatcher.h"

#include <cstdint>
#include <cstring>

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

// The other case of a lower-case letter, for a scan that compares without folding.
char otherCaseOf(char c, bool caseSensitive)
{
    return caseSensitive || c < 'a' || c > 'z' ? c : char(c - ('a' - 'A'));
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

void AsciiMatcher::matchTerminated(const char *const *texts, int count, quint32 wanted, quint32 *found,
                                   bool *ascii) const
{
    if (m_substringsOnly && m_terms.size() == 1 && (wanted & 1u)) {
        findOneTerm(texts, count, found, ascii);
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (i + kReadAhead < count)
            __builtin_prefetch(texts[i + kReadAhead]);
        found[i] = 0;
        ascii[i] = matchTerminated(texts[i], wanted, &found[i]);
    }
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
    return otherCaseOf(first, m_caseSensitive);
}

#if defined(__SSE2__)

namespace {

// Where a term may start: its first two bytes, each spread over a vector
// with the bit that tells the cases of a letter apart, so that a block is
// tested for both bytes in both cases in a few instructions: a byte b is
// the letter l in either case exactly when (b | 0x20) == l. A second byte
// that must follow weeds out most places where only the first one occurs
// (the "c" of "conf" is in many names). A term of one byte has a second
// test that always holds.
struct TermStart
{
    __m128i first;
    __m128i firstFold;
    __m128i second;
    __m128i secondFold;
};

__m128i caseBit(char c, bool caseSensitive)
{
    return _mm_set1_epi8(!caseSensitive && c >= 'a' && c <= 'z' ? 0x20 : 0);
}

TermStart termStart(const QByteArray &term, bool caseSensitive)
{
    if (term.size() == 1)
        return TermStart{_mm_set1_epi8(term[0]), caseBit(term[0], caseSensitive), _mm_set1_epi8(-1),
                         _mm_set1_epi8(-1)};
    return TermStart{_mm_set1_epi8(term[0]), caseBit(term[0], caseSensitive), _mm_set1_epi8(term[1]),
                     caseBit(term[1], caseSensitive)};
}

} // namespace

// Sixteen bytes at a time, from aligned blocks: such a block never crosses
// into another page, so reading the bytes before the text and after its
// terminator is safe, though outside what the address sanitizer lets a
// program read. Reads only as far as the first occurrence: what follows it
// cannot undo it.
// Inlined for speed; under the address sanitizer it must stay a function of
// its own, or the reads come back under the sanitizer's eye in its callers.
#if defined(__SANITIZE_ADDRESS__)
#define TVQ_BLOCK_SCAN __attribute__((no_sanitize_address, noinline))
#else
#define TVQ_BLOCK_SCAN __attribute__((no_sanitize_address, always_inline)) inline
#endif
TVQ_BLOCK_SCAN AsciiMatcher::Found
AsciiMatcher::findFrom(const void *startBytes, const QByteArray &term, const char *text) const
{
    const TermStart &start = *static_cast<const TermStart *>(startBytes);
    const __m128i one = _mm_set1_epi8(1);
    // The last byte's follower is in the next block: such a start is kept,
    // and restMatches() checks it.
    const __m128i lastByte = _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1);
    const auto address = reinterpret_cast<std::uintptr_t>(text);
    const char *block = reinterpret_cast<const char *>(address & ~std::uintptr_t(15));
    unsigned before = unsigned(address & 15); // bytes of the first block ahead of the text
    for (;; block += 16, before = 0) {
        const __m128i bytes = _mm_load_si128(reinterpret_cast<const __m128i *>(block));
        // Signed, 0 and every byte of 0x80 and above are below 1.
        unsigned stops = unsigned(_mm_movemask_epi8(_mm_cmplt_epi8(bytes, one)));
        const __m128i firsts = _mm_cmpeq_epi8(_mm_or_si128(bytes, start.firstFold), start.first);
        const __m128i seconds = _mm_cmpeq_epi8(_mm_or_si128(bytes, start.secondFold), start.second);
        unsigned starts =
            unsigned(_mm_movemask_epi8(_mm_and_si128(firsts, _mm_or_si128(_mm_srli_si128(seconds, 1), lastByte))));
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

AsciiMatcher::Found AsciiMatcher::findTerminated(const QByteArray &term, const char *text) const
{
    const TermStart start = termStart(term, m_caseSensitive);
    return findFrom(&start, term, text);
}

namespace {

// The start of the text that holds `at`, texts lying back to back from `first`.
const char *textStart(const char *first, const char *at)
{
    while (at > first && at[-1] != '\0')
        --at;
    return at;
}

} // namespace

// Each block of sixteen bytes yields the places where the term may start and
// those of bytes of 0x80 and above, taken in order: the first that decides a
// text (an occurrence, or a byte that needs decoding) puts the text in its
// list, and the scan goes on behind the text's terminator. Aligned blocks, as
// in findFrom(): the reads before `first` and after `last` stay in the pages
// of the texts.
__attribute__((no_sanitize_address)) void AsciiMatcher::findInStrings(const char *first, const char *last,
                                                                      std::vector<const char *> &found,
                                                                      std::vector<const char *> &undecided) const
{
    const QByteArray &term = m_terms.front();
    const TermStart start = termStart(term, m_caseSensitive);
    const __m128i lastByte = _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1);
    const char *from = first; // the first byte of a text not yet decided
    while (from < last) {
        const char *block = reinterpret_cast<const char *>(reinterpret_cast<std::uintptr_t>(from) & ~std::uintptr_t(15));
        const __m128i bytes = _mm_load_si128(reinterpret_cast<const __m128i *>(block));
        const unsigned high = unsigned(_mm_movemask_epi8(bytes));
        const __m128i firsts = _mm_cmpeq_epi8(_mm_or_si128(bytes, start.firstFold), start.first);
        const __m128i seconds = _mm_cmpeq_epi8(_mm_or_si128(bytes, start.secondFold), start.second);
        const unsigned starts =
            unsigned(_mm_movemask_epi8(_mm_and_si128(firsts, _mm_or_si128(_mm_srli_si128(seconds, 1), lastByte))));
        unsigned events = (starts | high) & (0xFFFFu << unsigned(from - block));
        if (last - block < 16)
            events &= (1u << unsigned(last - block)) - 1;
        const char *next = block + 16;
        while (events) {
            const char *at = block + __builtin_ctz(events);
            const bool decides = (high >> __builtin_ctz(events)) & 1u;
            if (!decides && !restMatches(term, at)) {
                events &= events - 1;
                continue;
            }
            (decides ? undecided : found).push_back(textStart(first, at));
            next = at + std::strlen(at) + 1;
            if (next >= block + 16)
                break;
            events &= 0xFFFFu << unsigned(next - block);
        }
        from = next;
    }
}

void AsciiMatcher::findOneTerm(const char *const *texts, int count, quint32 *found, bool *ascii) const
{
    const QByteArray &term = m_terms.front();
    const TermStart start = termStart(term, m_caseSensitive);
    for (int i = 0; i < count; ++i) {
        if (i + kReadAhead < count)
            __builtin_prefetch(texts[i + kReadAhead]);
        const Found f = findFrom(&start, term, texts[i]);
        found[i] = f == Yes ? 1u : 0u;
        ascii[i] = f != NotAscii;
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

void AsciiMatcher::findOneTerm(const char *const *texts, int count, quint32 *found, bool *ascii) const
{
    for (int i = 0; i < count; ++i) {
        if (i + kReadAhead < count)
            __builtin_prefetch(texts[i + kReadAhead]);
        const Found f = findTerminated(m_terms.front(), texts[i]);
        found[i] = f == Yes ? 1u : 0u;
        ascii[i] = f != NotAscii;
    }
}

void AsciiMatcher::findInStrings(const char *first, const char *last, std::vector<const char *> &found,
                                 std::vector<const char *> &undecided) const
{
    for (const char *text = first; text < last; text += std::strlen(text) + 1) {
        switch (findTerminated(m_terms.front(), text)) {
        case Yes:
            found.push_back(text);
            break;
        case NotAscii:
            undecided.push_back(text);
            break;
        case No:
            break;
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
