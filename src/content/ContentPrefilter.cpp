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
#include <emmintrin.h>
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

// Where `literal` first occurs in `data`, each byte compared after OR-ing
// its mask; -1 when nowhere. Candidates come sixteen at a time from the
// first and last bytes.
qsizetype indexOfLiteral(const char *data, qsizetype size, const QByteArray &literal, const QByteArray &masks)
{
    const int length = literal.size();
    const char *text = literal.constData();
    const char *mask = masks.constData();
    if (size < length)
        return -1;
    const qsizetype lastStart = size - length;
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(text[0]);
    const __m128i firstMask = _mm_set1_epi8(mask[0]);
    const __m128i last = _mm_set1_epi8(text[length - 1]);
    const __m128i lastMask = _mm_set1_epi8(mask[length - 1]);
    for (; i + 15 <= lastStart; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i + length - 1));
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstMask), first),
                                           _mm_cmpeq_epi8(_mm_or_si128(b, lastMask), last));
        unsigned bits = unsigned(_mm_movemask_epi8(both));
        while (bits) {
            const int at = __builtin_ctz(bits);
            if (sameAt(data + i + at, text, mask, length))
                return i + at;
            bits &= bits - 1;
        }
    }
#endif
    for (; i <= lastStart; ++i) {
        if (sameAt(data + i, text, mask, length))
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
    }
}

bool ContentPrefilter::readsAsAscii(const QString &codecName, const QByteArray &head)
{
    // The reader lets a byte-order mark choose the codec.
    if (QTextCodec *marked = QTextCodec::codecForUtfText(head, nullptr))
        return marked->mibEnum() == kUtf8Mib;
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
    const qsizetype at = indexOfLiteral(data + from, size - from, literal, m_masks.at(term));
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
