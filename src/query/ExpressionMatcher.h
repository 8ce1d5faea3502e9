#pragma once

#include "query/IExpressionLexer.h"
#include "query/IExpressionParser.h"
#include "query/IStringMatcher.h"
#include "query/MatchOptions.h"

#include <QString>
#include <QStringList>
#include <QtAlgorithms>
#include <QStringView>

#include <memory>
#include <vector>

class AsciiMatcher;

// The one way in which names and texts are matched against a user's
// expression: the lexer splits the text into terms, the string matcher finds
// which terms occur, the parser decides from the found terms.
//
// Used by one thread at a time; build one per worker. Evaluating the parser
// goes through the process-wide script engine (see ExpressionParser), once
// per distinct set of found terms.
class ExpressionMatcher
{
public:
    enum Verdict {
        Undecided = 0, // whole-file scope: waiting for more input or finish()
        Match = 1,
        NoMatch = 2,
        NotAscii = 3,  // matchBytes() only: decode the name and call match()
    };

    // `lexer` replaces the default ExpressionLexer when given.
    ExpressionMatcher(const QString &text, const MatchOptions &options,
                      std::unique_ptr<IExpressionLexer> lexer = nullptr);
    ~ExpressionMatcher();
    ExpressionMatcher(const ExpressionMatcher &) = delete;
    ExpressionMatcher &operator=(const ExpressionMatcher &) = delete;
    ExpressionMatcher(ExpressionMatcher &&) = default;
    ExpressionMatcher &operator=(ExpressionMatcher &&) = default;

    // The verdict on `text` (a name, a line or a chunk). In whole-file scope
    // found terms accumulate over calls and the verdict is Undecided until
    // every term has been seen. `positions` and `count` as in IStringMatcher.
    int match(QStringView text, MatchPositions *positions = nullptr, int *count = nullptr);
    int match(const QString &text, MatchPositions *positions = nullptr, int *count = nullptr)
    {
        return match(QStringView(text), positions, count);
    }

    // Whether matchBytes() can be used: the expression's terms can be found
    // in the bytes of an ASCII name.
    bool hasAsciiPath() const { return m_ascii != nullptr; }
    // match() for a NUL-terminated UTF-8 name read as bytes, without decoding
    // it; NotAscii when the name holds characters other than ASCII that the
    // verdict may depend on: then decode it and call match(). No positions,
    // no count.
    int matchBytes(const char *utf8);
    // matchBytes() for `count` names at once, verdicts[i] for names[i]: an
    // index search gives a whole leaf of names, and the byte path reads
    // ahead in it. Names only: not for whole-file scope.
    void matchBytes(const char *const *names, int count, quint8 *verdicts);
    // Whether the expression holds for every name (it has no term at all).
    bool matchesEveryName() const { return m_matchesAll; }
    // For an expression that holds exactly when its one plain term occurs
    // in a name: of the NUL-terminated names lying back to back in
    // [first, last), the matching ones go to `matches` and those that must
    // be decoded and given to match() to `undecided`. False, and nothing
    // done, for any other expression: then use matchBytes().
    bool findInNames(const char *first, const char *last, std::vector<const char *> &matches,
                     std::vector<const char *> &undecided);

    // The verdict on all input given so far: Match or NoMatch.
    int finish();

    // Forgets the terms found so far, for the next file in whole-file scope.
    void reset() { m_found = 0; }

    // Whether some set of terms taken from `possible` (a found-term mask)
    // makes the expression hold. A caller that knows which terms cannot occur
    // in a text learns from it that the text cannot match; true whenever
    // the answer would take too long to work out.
    bool canMatchWithin(quint32 possible);

    const MatchOptions &options() const { return m_options; }
    const QStringList &terms() const { return m_terms; }
    int termCount() const { return m_termCount; }
    quint32 found() const { return m_found; }

private:
    // Bit positions wrap at 32: with more terms, several share one bit.
    quint32 allTermsMask() const { return m_termCount >= 32 ? ~quint32(0) : (quint32(1) << m_termCount) - 1; }
    bool evaluateUnknown(quint32 mask);
    // The verdict depends on the found-term mask alone. With few terms every
    // mask has a bit here, so a search of a whole volume asks the parser once
    // per mask instead of once per name.
    bool evaluate(quint32 mask)
    {
        const quint64 bit = mask < 64 ? quint64(1) << mask : 0;
        return (m_knownMasks & bit) ? (m_matchingMasks & bit) != 0 : evaluateUnknown(mask);
    }
    int verdict(quint32 foundNow)
    {
        m_found |= foundNow;
        if (m_options.wholeFile && int(qPopulationCount(m_found)) != m_termCount)
            return Undecided;
        return evaluate(m_found) ? Match : NoMatch;
    }

    MatchOptions m_options;
    std::unique_ptr<IExpressionParser> m_parser;
    std::unique_ptr<IStringMatcher> m_matcher;
    std::unique_ptr<IExpressionLexer> m_lexer;
    std::unique_ptr<AsciiMatcher> m_ascii;
    QStringList m_terms;
    std::vector<quint32> m_batchFound; // matchBytes() of many names: their found-term masks...
    std::unique_ptr<bool[]> m_batchAscii; // ...and whether each was decided on its bytes
    int m_batchCapacity = 0;
    quint32 m_found = 0;
    quint64 m_knownMasks = 0;    // masks below 64 whose verdict is known...
    quint64 m_matchingMasks = 0; // ...and those of them that match
    int m_termCount = 0;
    bool m_matchesAll = false; // the text held no token at all
};
