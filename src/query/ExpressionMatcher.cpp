#include "query/ExpressionMatcher.h"

#include "query/AsciiMatcher.h"
#include "query/ExpressionLexer.h"
#include "query/ExpressionParser.h"
#include "query/StringMatcher.h"

#include <algorithm>

ExpressionMatcher::ExpressionMatcher(const QString &text, const MatchOptions &options,
                                     std::unique_ptr<IExpressionLexer> lexer)
    : m_options(options)
    , m_lexer(lexer ? std::move(lexer) : std::make_unique<ExpressionLexer>())
{
    QStringList terms;
    QList<int> tokens;
    m_lexer->tokenize(text, options.boolean, terms, tokens);
    m_termCount = terms.size();
    m_terms = terms;
    // Only an empty expression matches everything; operators without terms
    // ("not", "( )") are invalid and, like every invalid one, match nothing.
    m_matchesAll = tokens.isEmpty();
    m_parser = std::make_unique<ExpressionParser>(tokens);
    m_matcher = std::make_unique<StringMatcher>(terms, options);
    if (AsciiMatcher::applies(terms, options))
        m_ascii = std::make_unique<AsciiMatcher>(terms, options);
}

ExpressionMatcher::~ExpressionMatcher() = default;

int ExpressionMatcher::match(QStringView text, MatchPositions *positions, int *count)
{
    if (m_matchesAll)
        return Match;
    quint32 wanted = allTermsMask();
    if (m_options.wholeFile)
        wanted &= ~m_found; // a term once found is not looked for again
    else
        m_found = 0;
    return verdict(m_matcher->match(text, wanted, positions, count));
}

int ExpressionMatcher::matchBytes(const char *utf8)
{
    if (m_matchesAll)
        return Match;
    quint32 wanted = allTermsMask();
    if (m_options.wholeFile)
        wanted &= ~m_found;
    quint32 found = 0;
    if (!m_ascii->matchTerminated(utf8, wanted, &found))
        return NotAscii;
    if (!m_options.wholeFile)
        m_found = 0;
    return verdict(found);
}

void ExpressionMatcher::matchBytes(const char *const *names, int count, quint8 *verdicts)
{
    Q_ASSERT(!m_options.wholeFile);
    if (m_matchesAll) {
        std::fill(verdicts, verdicts + count, quint8(Match));
        return;
    }
    if (count > m_batchCapacity) {
        m_batchFound.resize(std::size_t(count));
        m_batchAscii = std::make_unique<bool[]>(std::size_t(count));
        m_batchCapacity = count;
    }
    m_ascii->matchTerminated(names, count, allTermsMask(), m_batchFound.data(), m_batchAscii.get());
    m_found = 0;
    for (int i = 0; i < count; ++i)
        verdicts[i] = quint8(!m_batchAscii[i] ? NotAscii : evaluate(m_batchFound[i]) ? Match : NoMatch);
}

bool ExpressionMatcher::findInNames(const char *first, const char *last, std::vector<const char *> &matches,
                                    std::vector<const char *> &undecided)
{
    if (m_matchesAll || !m_ascii || !m_ascii->isLoneSubstring() || m_options.wholeFile || !evaluate(1u)
        || evaluate(0u))
        return false;
    m_ascii->findInStrings(first, last, matches, undecided);
    return true;
}

bool ExpressionMatcher::evaluateUnknown(quint32 mask)
{
    const bool verdict = m_parser->evaluate(mask);
    if (mask < 64) {
        const quint64 bit = quint64(1) << mask;
        m_knownMasks |= bit;
        if (verdict)
            m_matchingMasks |= bit;
    }
    return verdict;
}

int ExpressionMatcher::finish()
{
    if (m_matchesAll)
        return Match;
    return evaluate(m_found) ? Match : NoMatch;
}

bool ExpressionMatcher::canMatchWithin(quint32 possible)
{
    if (m_matchesAll)
        return true;
    // Every subset of the possible terms is tried: a Boolean "not" makes the
    // verdict fall as well as rise with what is found.
    constexpr int kMostTermsTried = 12;
    if (m_termCount > kMostTermsTried)
        return true;
    possible &= allTermsMask();
    for (quint32 subset = possible;; subset = (subset - 1) & possible) {
        if (evaluate(subset))
            return true;
        if (subset == 0)
            return false;
    }
}
