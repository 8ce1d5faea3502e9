#include "query/StringMatcher.h"

namespace {

// The code point at text[i] and how many UTF-16 units it takes, so that a
// character outside the Basic Multilingual Plane counts as one character.
inline uint codePointAt(const QChar *text, int length, int i, int *width)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < length && text[i + 1].isLowSurrogate()) {
        *width = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    *width = 1;
    return c.unicode();
}

// The code point that ends just before text[i] (i > 0).
inline uint codePointBefore(const QChar *text, int i)
{
    const QChar c = text[i - 1];
    if (c.isLowSurrogate() && i >= 2 && text[i - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[i - 2], c);
    return c.unicode();
}

// ASCII folds directly; everything else through Qt's own Unicode tables, so
// the answer does not depend on the process locale.
inline uint foldCase(uint c)
{
    if (c >= 'A' && c <= 'Z')
        return c + ('a' - 'A');
    if (c < 128)
        return c;
    return QChar::toLower(c);
}

// The case-folded unit at text[i], folded as Qt's own case-insensitive search
// folds it (a surrogate pair as one code point), with ASCII answered inline:
// this runs once per character of every name.
inline ushort foldedUnit(const QChar *text, int length, int i)
{
    const ushort c = text[i].unicode();
    if (c < 128)
        return (c >= 'A' && c <= 'Z') ? ushort(c + ('a' - 'A')) : c;
    if (!QChar::isSurrogate(c))
        return ushort(QChar::toCaseFolded(uint(c)));
    if (QChar::isHighSurrogate(c) && i + 1 < length && text[i + 1].isLowSurrogate())
        return QChar::highSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(c, text[i + 1].unicode())));
    if (QChar::isLowSurrogate(c) && i > 0 && text[i - 1].isHighSurrogate())
        return QChar::lowSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(text[i - 1].unicode(), c)));
    return c;
}

QString foldedTerm(const QString &term)
{
    QString folded(term.size(), Qt::Uninitialized);
    for (int i = 0; i < term.size(); ++i)
        folded[i] = QChar(foldedUnit(term.constData(), term.size(), i));
    return folded;
}

// Case-insensitive search for an already folded term: a first-unit scan, then
// a comparison of the rest. Names are short, so this beats a skip table.
int indexOfFolded(const QString &folded, const QChar *text, int length, int from)
{
    const int termLength = folded.size();
    const ushort *term = reinterpret_cast<const ushort *>(folded.constData());
    for (int i = from; i <= length - termLength; ++i) {
        if (foldedUnit(text, length, i) != term[0])
            continue;
        int j = 1;
        while (j < termLength && foldedUnit(text, length, i + j) == term[j])
            ++j;
        if (j == termLength)
            return i;
    }
    return -1;
}

inline bool continuesWord(uint c)
{
    return c == '_' || QChar::isLetter(c) || QChar::isDigit(c) || QChar::isMark(c);
}

// Quick rejection for the common "*.ext": whatever follows the last "*" must
// end the text. Only plain characters of the Basic Multilingual Plane are
// compared here; a "?" or a surrogate leaves the decision to the full match.
bool suffixCanMatch(QStringView pattern, QStringView text, bool caseSensitive)
{
    int pi = int(pattern.size());
    int ti = int(text.size());
    while (pi > 0) {
        const QChar pc = pattern[--pi];
        if (pc == QLatin1Char('*'))
            return true;
        if (pc == QLatin1Char('?') || pc.isSurrogate())
            return true;
        if (ti == 0)
            return false;
        const QChar tc = text[--ti];
        if (tc.isSurrogate())
            return true;
        if (caseSensitive ? pc != tc : foldCase(pc.unicode()) != foldCase(tc.unicode()))
            return false;
    }
    return true; // no "*": the full match is linear anyway
}

} // namespace

StringMatcher::StringMatcher(const QStringList &terms, const MatchOptions &options)
    : m_terms(terms)
{
    setOptions(options);
}

void StringMatcher::setOptions(const MatchOptions &options)
{
    m_mode = options.mode;
    m_caseSensitive = options.caseSensitive;
    m_fileName = options.fileName;
    prepare();
}

void StringMatcher::prepare()
{
    m_regexps.clear();
    m_wildcardTerms.fill(false, m_terms.size());
    m_finders.clear();
    m_foldedTerms.clear();
    const Qt::CaseSensitivity cs = m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < m_terms.size(); ++i) {
        const QString &term = m_terms.at(i);
        if (m_mode == MatchOptions::Regex) {
            m_regexps.append(QRegExp(term, cs, QRegExp::RegExp));
            continue;
        }
        // In contents "?" and "*" are ordinary characters.
        if (m_fileName && (term.contains(QLatin1Char('?')) || term.contains(QLatin1Char('*'))))
            m_wildcardTerms[i] = true;
        // Each term is searched one way only: a skip table when exact, the
        // folded term otherwise.
        m_finders.append(m_caseSensitive ? QStringMatcher(term, Qt::CaseSensitive) : QStringMatcher());
        m_foldedTerms.append(m_caseSensitive ? QString() : foldedTerm(term));
    }
}

quint32 StringMatcher::match(QStringView text, quint32 wanted, MatchPositions *positions, int *count) const
{
    const bool everyTerm = positions || count;
    quint32 result = 0;
    for (int i = 0; i < m_terms.size(); ++i) {
        const quint32 bit = 1u << (i % 32);
        if (!(wanted & bit) && !everyTerm)
            continue;
        bool found;
        if (m_mode == MatchOptions::Regex)
            found = findRegex(i, text, positions, count);
        else if (m_wildcardTerms.at(i))
            found = wildcardMatch(m_terms.at(i), text, m_caseSensitive);
        else
            found = findPlain(i, text, positions, count);
        if (found)
            result |= bit;
    }
    return result;
}

// Occurrences do not overlap: the search goes on after the end of each one,
// whether or not it passed the whole-word test.
bool StringMatcher::findPlain(int term, QStringView text, MatchPositions *positions, int *count) const
{
    const QStringMatcher &finder = m_finders.at(term);
    const QString &folded = m_foldedTerms.at(term);
    const int termLength = m_terms.at(term).size();
    const int length = int(text.size());
    const auto next = [&](int from) {
        return m_caseSensitive ? finder.indexIn(text.data(), length, from)
                               : indexOfFolded(folded, text.data(), length, from);
    };
    bool found = false;
    int from = 0;
    while ((from = next(from)) >= 0) {
        if (m_mode == MatchOptions::Substring || isWholeWord(text, from, termLength)) {
            found = true;
            if (positions)
                positions->append(qMakePair(from, termLength));
            if (count)
                ++*count;
            if (!positions && !count)
                break; // the first occurrence decides
        }
        from += termLength;
    }
    return found;
}

// A zero-length hit ("x*") finds the term but gives no position to show or
// count, and ends the walk since searching on from it would not advance.
bool StringMatcher::findRegex(int term, QStringView text, MatchPositions *positions, int *count) const
{
    const QRegExp &regexp = m_regexps.at(term);
    const QString subject = QString::fromRawData(text.data(), int(text.size()));
    int start = regexp.indexIn(subject, 0);
    if (start < 0)
        return false;
    if (!positions && !count)
        return true;
    while (start >= 0) {
        const int matched = regexp.matchedLength();
        if (matched <= 0)
            break;
        if (positions)
            positions->append(qMakePair(start, matched));
        if (count)
            ++*count;
        start = regexp.indexIn(subject, start + matched);
    }
    return true;
}

bool StringMatcher::isWholeWord(QStringView text, int start, int length)
{
    const QChar *data = text.data();
    const int size = int(text.size());
    if (start > 0 && continuesWord(codePointBefore(data, start)))
        return false;
    const int end = start + length;
    int width = 0;
    return end >= size || !continuesWord(codePointAt(data, size, end, &width));
}

// Iterative, with backtracking to the last "*" only: a later "*" can always
// absorb what an earlier one would, so older stars need no retry.
bool StringMatcher::wildcardMatch(QStringView pattern, QStringView text, bool caseSensitive)
{
    if (!suffixCanMatch(pattern, text, caseSensitive))
        return false;
    const QChar *p = pattern.data();
    const QChar *t = text.data();
    const int pLength = int(pattern.size());
    const int tLength = int(text.size());
    int pi = 0;
    int ti = 0;
    int starP = -1; // pattern index just after the last "*"
    int starT = 0;  // text index that "*" is currently taken to end at
    while (ti < tLength) {
        if (pi < pLength && p[pi] == QLatin1Char('*')) {
            starP = ++pi;
            starT = ti;
            continue;
        }
        int tWidth = 0;
        const uint tc = codePointAt(t, tLength, ti, &tWidth);
        if (pi < pLength) {
            int pWidth = 0;
            const uint pc = codePointAt(p, pLength, pi, &pWidth);
            const bool same = pc == '?' ? tc != '.'
                                        : (caseSensitive ? pc == tc : foldCase(pc) == foldCase(tc));
            if (same) {
                pi += pWidth;
                ti += tWidth;
                continue;
            }
        }
        if (starP < 0)
            return false;
        // Let the last "*" swallow one more character and try again.
        int width = 0;
        codePointAt(t, tLength, starT, &width);
        starT += width;
        ti = starT;
        pi = starP;
    }
    while (pi < pLength && p[pi] == QLatin1Char('*'))
        ++pi;
    return pi == pLength;
}
