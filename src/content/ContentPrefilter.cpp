#include "content/ContentPrefilter.h"

#include <QChar>
#include <QHash>
#include <QIODevice>
#include <QMutex>
#include <QTextCodec>

#include <algorithm>
#include <array>
#include <memory>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace {

constexpr int kUtf8Mib = 106;

// The ASCII characters that some other character matches when case is
// ignored, by any of the foldings the matchers use (case folding for plain
// terms, lower and upper case for regular expressions): "k" (the Kelvin
// sign), "s" (the long s) and whatever Qt's tables add. Such a character in
// a term does not tell which bytes the file must hold.
const std::array<bool, 128> &foldTargets()
{
    static const std::array<bool, 128> targets = [] {
        std::array<bool, 128> found{};
        const auto mark = [&found](uint folded) {
            if (folded < 128)
                found[size_t(QChar::toLower(folded))] = true;
        };
        for (uint c = 128; c <= 0xFFFF; ++c) {
            if (QChar::isSurrogate(c))
                continue;
            mark(QChar::toCaseFolded(c));
            mark(QChar::toLower(c));
            mark(QChar::toUpper(c));
            mark(QChar::toTitleCase(c));
        }
        return found;
    }();
    return targets;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A character of a term that pins its bytes: ASCII, and when case is ignored
// matched by nothing but its own two cases.
bool pinsBytes(QChar c, bool caseSensitive)
{
    const ushort u = c.unicode();
    if (u >= 128)
        return false;
    return caseSensitive || !foldTargets()[size_t(QChar::toLower(u))];
}

QString longestPinnedRun(const QString &text, bool caseSensitive)
{
    QString best;
    int start = 0;
    for (int i = 0; i <= text.size(); ++i) {
        if (i < text.size() && pinsBytes(text.at(i), caseSensitive))
            continue;
        if (i - start > best.size())
            best = text.mid(start, i - start);
        start = i + 1;
    }
    return best;
}

inline bool sameAt(const char *at, const char *literal, const char *masks, int length)
{
    for (int j = 0; j < length; ++j) {
        if (char(at[j] | masks[j]) != literal[j])
            return false;
    }
    return true;
}

// How common each byte is in the text people search (source code, manuals,
// prose: counted once over 200 MB of a desktop's headers, documentation
// and scripts), as a rank from 0 (rarest) to 255 (the space). Candidates
// are taken where the literal's two rarest bytes agree, so that few of them
// need the full comparison.
const quint8 kByteRank[256] = {
      0,   1,   2,   3,   4,   5,   6,   7,   8, 194, 244,   9,  71,  73,  10,  11,
     12,  13,  14,  15,  16,  17,  18,  19,  48,  20,  21,  22,  23,  24,  25,  26,
    255, 161, 204, 203, 162, 160, 170, 193, 231, 232, 233, 167, 229, 216, 217, 234,
    213, 210, 200, 191, 186, 190, 185, 178, 184, 189, 211, 202, 208, 197, 212, 158,
    169, 223, 196, 224, 207, 235, 201, 206, 188, 226, 168, 187, 228, 205, 225, 221,
    220, 171, 222, 238, 230, 198, 192, 173, 195, 182, 163, 181, 177, 180, 155, 249,
    179, 246, 219, 245, 242, 254, 239, 227, 237, 250, 183, 215, 243, 236, 251, 248,
    241, 172, 247, 252, 253, 240, 214, 199, 209, 218, 174, 176, 166, 175, 159,  27,
    152, 139, 135, 123, 106,  95, 102, 138, 134, 104,  81,  77, 103,  94,  86, 143,
    120, 131, 107, 111, 148, 115, 144,  92, 116, 141, 112,  89, 137, 130,  84, 153,
    164, 128,  90, 114, 132,  99, 105, 126, 108, 147,  80, 140,  83,  97, 101,  82,
    121, 118, 117, 113, 124, 119, 133, 100, 150, 136, 109, 110, 129, 122, 127,  87,
     28,  29, 165, 154,  78,  96,  58,  56,  61,  65,  62,  53,  64,  51, 146, 125,
    156, 145,  59,  57,  54,  60,  98, 142,  93,  91,  55,  52,  30,  31,  32,  33,
    149,  88, 157,  85,  69,  76,  75,  74,  72,  70,  68,  67,  66,  63,  34,  79,
    151,  35,  36,  49,  46,  37,  47,  38,  39,  40,  45,  41,  42,  50,  43,  44,
};

// A literal as the scans take it: its bytes, their masks, and the two
// positions whose bytes pick the candidates.
struct Literal
{
    const char *text;
    const char *masks;
    int length;
    int first;
    int second;
};

// The rank of the byte that literal[j] stands for, either case of a letter
// counted as the more common of the two.
int rankAt(const QByteArray &literal, const QByteArray &masks, int j)
{
    const auto byte = quint8(literal.at(j));
    return masks.at(j) ? std::max(kByteRank[byte], kByteRank[byte & ~0x20]) : kByteRank[byte];
}

} // namespace

// The positions of the literal's two rarest bytes, the first one where
// both are equally rare; one position twice for a literal of one byte.
std::pair<int, int> ContentPrefilter::rarestPair(const QByteArray &literal, const QByteArray &masks)
{
    if (literal.isEmpty())
        return {0, 0};
    int rarest = 0;
    for (int j = 1; j < literal.size(); ++j) {
        if (rankAt(literal, masks, j) < rankAt(literal, masks, rarest))
            rarest = j;
    }
    int next = rarest == 0 ? literal.size() - 1 : 0;
    for (int j = 0; j < literal.size(); ++j) {
        if (j != rarest && rankAt(literal, masks, j) < rankAt(literal, masks, next))
            next = j;
    }
    return {std::min(rarest, next), std::max(rarest, next)};
}

namespace {

// The first of the candidate starts (bit k of `bits` for data + i + k)
// where the whole literal is found; -1 when none.
inline qsizetype firstFullMatch(const char *data, qsizetype i, unsigned bits, const Literal &literal)
{
    for (; bits; bits &= bits - 1) {
        const int at = __builtin_ctz(bits);
        if (sameAt(data + i + at, literal.text, literal.masks, literal.length))
            return i + at;
    }
    return -1;
}

#if defined(__SSE2__)
// Where literal (with its masks) occurs in `data`, from start `i` on, sixteen
// starts at a time: the candidates are where the bytes at `first` and
// `second` agree. -1 when it does not start before the last sixteen, where
// `i` is left for the byte-wise scan.
inline qsizetype sseScan(const char *data, qsizetype lastStart, qsizetype &i, const Literal &literal)
{
    const __m128i first = _mm_set1_epi8(literal.text[literal.first]);
    const __m128i firstMask = _mm_set1_epi8(literal.masks[literal.first]);
    const __m128i second = _mm_set1_epi8(literal.text[literal.second]);
    const __m128i secondMask = _mm_set1_epi8(literal.masks[literal.second]);
    for (; i + 15 <= lastStart; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i + literal.first));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i + literal.second));
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstMask), first),
                                           _mm_cmpeq_epi8(_mm_or_si128(b, secondMask), second));
        const qsizetype found = firstFullMatch(data, i, unsigned(_mm_movemask_epi8(both)), literal);
        if (found >= 0)
            return found;
    }
    return -1;
}

// The same, thirty-two starts at a time, on processors that have AVX2.
__attribute__((target("avx2"))) qsizetype avx2Scan(const char *data, qsizetype lastStart, qsizetype &i,
                                                   const Literal &literal)
{
    const __m256i first = _mm256_set1_epi8(literal.text[literal.first]);
    const __m256i firstMask = _mm256_set1_epi8(literal.masks[literal.first]);
    const __m256i second = _mm256_set1_epi8(literal.text[literal.second]);
    const __m256i secondMask = _mm256_set1_epi8(literal.masks[literal.second]);
    for (; i + 31 <= lastStart; i += 32) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + i + literal.first));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + i + literal.second));
        const __m256i both = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(a, firstMask), first),
                                              _mm256_cmpeq_epi8(_mm256_or_si256(b, secondMask), second));
        const qsizetype found = firstFullMatch(data, i, unsigned(_mm256_movemask_epi8(both)), literal);
        if (found >= 0)
            return found;
    }
    return -1;
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

// Where `literal` first occurs in `data`, each byte compared after OR-ing
// its mask; -1 when nowhere.
qsizetype indexOfLiteral(const char *data, qsizetype size, const Literal &literal)
{
    const int length = literal.length;
    if (size < length)
        return -1;
    const qsizetype lastStart = size - length;
    qsizetype i = 0;
#if defined(__SSE2__)
    qsizetype found = kHasAvx2 ? avx2Scan(data, lastStart, i, literal) : -1;
    if (found < 0)
        found = sseScan(data, lastStart, i, literal);
    if (found >= 0)
        return found;
#endif
    for (; i <= lastStart; ++i) {
        if (sameAt(data + i, literal.text, literal.masks, length))
            return i;
    }
    return -1;
}

bool isAsciiTransparent(QTextCodec *codec)
{
    if (codec->mibEnum() == kUtf8Mib)
        return true;
    static QMutex mutex;
    static QHash<QTextCodec *, bool> known;
    QMutexLocker lock(&mutex);
    const auto found = known.constFind(codec);
    if (found != known.constEnd())
        return found.value();
    // Only single-byte code pages qualify: every byte one character, the
    // ASCII bytes themselves and no other byte an ASCII character.
    bool transparent = true;
    for (int b = 0; b < 256 && transparent; ++b) {
        const char byte = char(b);
        const QString decoded = codec->toUnicode(&byte, 1);
        transparent = decoded.size() == 1 && (b < 128 ? decoded.at(0) == QChar(b) : decoded.at(0).unicode() >= 128);
    }
    known.insert(codec, transparent);
    return transparent;
}

// The index after the character class that opens at pattern[i], or -1
// when it never closes. A "]" right after "[" or "[^" is a member.
int skipClass(const QString &pattern, int i)
{
    ++i;
    if (i < pattern.size() && pattern.at(i) == QLatin1Char('^'))
        ++i;
    if (i < pattern.size() && pattern.at(i) == QLatin1Char(']'))
        ++i;
    for (; i < pattern.size(); ++i) {
        if (pattern.at(i) == QLatin1Char('\\'))
            ++i;
        else if (pattern.at(i) == QLatin1Char(']'))
            return i + 1;
    }
    return -1;
}

// The index after the group that opens at pattern[i], or -1 when it never
// closes.
int skipGroup(const QString &pattern, int i)
{
    int depth = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('[')) {
            i = skipClass(pattern, i);
            if (i < 0)
                return -1;
            continue;
        }
        if (c == QLatin1Char('\\'))
            ++i;
        else if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')') && --depth == 0)
            return i + 1;
        ++i;
    }
    return -1;
}

// The atom of a regular expression that starts at pattern[i], not a
// quantifier: answers the index after it and sets `literal` to the one
// character it stands for, or to a null character when it stands for more
// (a class, a group, an anchor, any character); -1 when the pattern has no
// required text that this reading can tell.
int nextAtom(const QString &pattern, int i, QChar *literal)
{
    *literal = QChar();
    switch (pattern.at(i).toLatin1()) {
    case '|':
    case ')':
    case ']':
    case '}':
        return -1;
    case '(':
        return skipGroup(pattern, i);
    case '[':
        return skipClass(pattern, i);
    case '.':
    case '^':
    case '$':
        return i + 1;
    case '\\': {
        if (i + 1 >= pattern.size())
            return -1;
        const QChar escaped = pattern.at(i + 1);
        i += 2;
        if (!escaped.isLetterOrNumber()) {
            *literal = escaped;
            return i;
        }
        // A class, an anchor, a back reference or a character by number:
        // the digits that follow belong to it.
        if (escaped == QLatin1Char('x') || escaped.isDigit()) {
            while (i < pattern.size() && pattern.at(i).isLetterOrNumber())
                ++i;
        }
        return i;
    }
    default:
        *literal = pattern.at(i);
        return i + 1;
    }
}

} // namespace

ContentPrefilter::ContentPrefilter(const QStringList &terms, const MatchOptions &options)
    : m_caseSensitive(options.caseSensitive)
{
    for (int i = 0; i < terms.size(); ++i) {
        const QString text = options.mode == MatchOptions::Regex ? requiredRegexText(terms.at(i)) : terms.at(i);
        QByteArray literal = longestPinnedRun(text, m_caseSensitive).left(kLongestRun).toLatin1();
        QByteArray masks(literal.size(), '\0');
        if (!m_caseSensitive) {
            literal = literal.toLower();
            for (int j = 0; j < literal.size(); ++j)
                masks[j] = isLetter(literal.at(j)) ? 0x20 : 0;
        }
        const quint32 bit = 1u << (i % 32);
        m_all |= bit;
        if (literal.isEmpty())
            m_unconditional |= bit;
        m_anyLiteral = m_anyLiteral || !literal.isEmpty();
        m_literals.append(literal);
        m_masks.append(masks);
        m_rare.append(rarestPair(literal, masks));
    }
}

bool ContentPrefilter::readsAsAscii(const QString &codecName, const QByteArray &head)
{
    return readsAsAscii(codecName, head.constData(), head.size());
}

bool ContentPrefilter::readsAsAscii(const QString &codecName, const char *head, int size)
{
    // The reader lets a byte-order mark choose the codec. Only these bytes
    // begin one; most files are spared building the bytes for the look-up.
    const auto lead = size > 0 ? quint8(head[0]) : 0x01;
    if (lead == 0xEF || lead == 0xFE || lead == 0xFF || lead == 0x00) {
        if (QTextCodec *marked = QTextCodec::codecForUtfText(QByteArray(head, size), nullptr))
            return marked->mibEnum() == kUtf8Mib;
    }
    QTextCodec *codec = codecName.isEmpty() ? nullptr : QTextCodec::codecForName(codecName.toLatin1());
    if (!codec)
        codec = QTextCodec::codecForLocale();
    return isAsciiTransparent(codec);
}

quint32 ContentPrefilter::scanBlock(const char *data, qsizetype size, quint32 known) const
{
    quint32 found = known;
    for (int i = 0; i < m_literals.size(); ++i) {
        const quint32 bit = 1u << (i % 32);
        if (!(found & bit) && indexOf(i, data, size, 0) >= 0)
            found |= bit;
    }
    return found;
}

qsizetype ContentPrefilter::indexOf(int term, const char *data, qsizetype size, qsizetype from) const
{
    const QByteArray &literal = m_literals.at(term);
    if (literal.isEmpty() || from >= size)
        return -1;
    const QByteArray &masks = m_masks.at(term);
    const Literal view{literal.constData(), masks.constData(), int(literal.size()), m_rare.at(term).first,
                       m_rare.at(term).second};
    const qsizetype at = indexOfLiteral(data + from, size - from, view);
    return at < 0 ? -1 : from + at;
}

char *ContentPrefilter::threadBuffer()
{
    thread_local const std::unique_ptr<char[]> buffer(new char[size_t(kBlockSize + kLongestRun)]);
    return buffer.get();
}

qsizetype ContentPrefilter::fill(char *buffer, qsizetype held, qsizetype size, const ReadFunction &read)
{
    while (held < size) {
        const qint64 got = read(buffer + held, size - held);
        if (got <= 0)
            break;
        held += got;
    }
    return held;
}

quint32 ContentPrefilter::scan(QIODevice *device, const std::atomic<bool> *cancel) const
{
    if (device->pos() != 0 && !device->seek(0))
        return m_all;
    return scan(threadBuffer(), 0, [device](char *into, qint64 capacity) { return device->read(into, capacity); },
                cancel);
}

quint32 ContentPrefilter::scan(char *buffer, qsizetype held, const ReadFunction &read,
                               const std::atomic<bool> *cancel, const BlockVisitor &visit) const
{
    int longest = 0;
    for (const QByteArray &literal : m_literals)
        longest = std::max(longest, int(literal.size()));
    // Each block begins with the last bytes of the one before, so that a run
    // cut by a block boundary is still seen whole.
    const qsizetype carry = std::max(longest - 1, 0);
    quint32 found = m_unconditional;
    bool first = true;
    while (found != m_all) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return m_all;
        const qsizetype before = held;
        held = fill(buffer, held, (first ? 0 : carry) + kBlockSize, read);
        if (held == before && !first)
            break;
        const quint32 fresh = scanBlock(buffer, held, found) & ~found;
        found |= fresh;
        if (fresh && !first && visit && visit(buffer, held, before))
            return m_all;
        const qsizetype kept = std::min(carry, held);
        std::copy(buffer + held - kept, buffer + held, buffer);
        held = kept;
        first = false;
    }
    return found;
}

// Reads the pattern as a sequence of atoms at its top level: a literal
// character extends the current run, any other atom ends it, and a
// quantifier ends it too, first taking off the atom before it when that
// atom may be left out. An alternative at the top level leaves no required
// text at all.
QString ContentPrefilter::requiredRegexText(const QString &pattern)
{
    QString best;
    QString run;
    const auto endRun = [&] {
        if (run.size() > best.size())
            best = run;
        run.clear();
    };
    bool lastWasLiteral = false;
    for (int i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('{') || c == QLatin1Char('+')) {
            if (lastWasLiteral && c != QLatin1Char('+'))
                run.chop(1);
            endRun();
            if (c == QLatin1Char('{') && (i = pattern.indexOf(QLatin1Char('}'), i)) < 0)
                return QString();
            ++i;
            lastWasLiteral = false;
            continue;
        }
        QChar literal;
        i = nextAtom(pattern, i, &literal);
        if (i < 0)
            return QString();
        lastWasLiteral = !literal.isNull();
        if (lastWasLiteral)
            run.append(literal);
        else
            endRun();
    }
    endRun();
    return best;
}
