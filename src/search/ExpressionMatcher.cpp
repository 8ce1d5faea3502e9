#include "search/ExpressionMatcher.h"

#include "search/AsciiMatcher.h"
#include "search/ExpressionLexer.h"
#include "search/ExpressionParser.h"
#include "search/StringMatcher.h"

ExpressionMatcher::ExpressionMatcher(const QString &text, const MatchOptions &options,
                                     std::unique_ptr<IExpressionLexer> lexer)
    : m_options(options)
    , m_lexer(lexer ? std::move(lexer) : std::make_unique<ExpressionLexer>())
{
    QStringList terms;
    QList<int> tokens;
    m_lexer->tokenize(text, options.boolean, terms, tokens);
    m_termCount = terms.size();
    // Only an empty expression matches everything; operators without terms
    // ("not", "( )") are invalid and, like every invalid one, match nothing.
    m_matchesAll = tokens.isEmpty();
    m_parser = std::make_unique<ExpressionParser>(tokens);
    m_matcher = std::make_unique<StringMatcher>(terms, options);
    if (AsciiMatcher::applies(terms, options))
        m_ascii = std::make_unique<AsciiMatcher>(terms, options);
}

ExpressionMatcher::~ExpressionMatcher() = default;

// Bit positions wrap at 32: with more terms, several share one bit.
quint32 ExpressionMatcher::allTermsMask() const
{
    return m_termCount >= 32 ? ~quint32(0) : (quint32(1) << m_termCount) - 1;
}

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

int ExpressionMatcher::verdict(quint32 foundNow)
{
    m_found |= foundNow;
    if (m_options.wholeFile && int(qPopulationCount(m_found)) != m_termCount)
        return Undecided;
    return evaluate(m_found) ? Match : NoMatch;
}

// The verdict depends on the found-term mask alone. With few terms every
// mask has a bit here, so a search of a whole volume asks the parser once
// per mask instead of once per name.
bool ExpressionMatcher::evaluate(quint32 mask)
{
    if (mask >= 64)
        return m_parser->evaluate(mask);
    const quint64 bit = quint64(1) << mask;
    if (!(m_knownMasks & bit)) {
        if (m_parser->evaluate(mask))
            m_matchingMasks |= bit;
        m_knownMasks |= bit;
    }
    return m_matchingMasks & bit;
}

int ExpressionMatcher::finish()
{
    if (m_matchesAll)
        return Match;
    return evaluate(m_found) ? Match : NoMatch;
}
