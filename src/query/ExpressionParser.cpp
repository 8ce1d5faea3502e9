#include "query/ExpressionParser.h"

#include "query/IExpressionLexer.h"

namespace {

// What an operand of the script holds: a truth value, or the failure of a
// call, which ends the whole script (nothing here catches it).
enum Value : char { False = 0, True = 1, Failed = 2 };

} // namespace

// Reads the tokens into reverse Polish steps by the grammar the script
// language gives them:
//   or := and { "||" and }       and := unary { "&&" unary }
//   unary := "!" unary | call    call := operand { "(" [ or ] ")" }
//   operand := term | "(" or ")"
// A list this grammar refuses is a syntax error in the script language too,
// and the other way round.
class ExpressionParser::Grammar
{
public:
    Grammar(const QList<int> &tokens, std::vector<int> &steps)
        : m_tokens(tokens)
        , m_steps(steps)
    {
    }

    // An empty script is valid; it leaves no value.
    bool read() { return m_tokens.isEmpty() || (readOr() && m_at == m_tokens.size()); }

private:
    bool next(int token)
    {
        if (m_at >= m_tokens.size() || m_tokens[m_at] != token)
            return false;
        ++m_at;
        return true;
    }

    bool readOr() { return readChain(&Grammar::readAnd, IExpressionLexer::Or, OrStep); }
    bool readAnd() { return readChain(&Grammar::readUnary, IExpressionLexer::And, AndStep); }

    // operand { operator operand }, the operator's step after each right operand.
    bool readChain(bool (Grammar::*readSide)(), int token, Step step)
    {
        if (!(this->*readSide)())
            return false;
        while (next(token)) {
            if (!(this->*readSide)())
                return false;
            m_steps.push_back(step);
        }
        return true;
    }

    bool readUnary()
    {
        if (!next(IExpressionLexer::Not))
            return readCall();
        if (!readUnary())
            return false;
        m_steps.push_back(NotStep);
        return true;
    }

    bool readCall()
    {
        if (!readOperand())
            return false;
        while (next(IExpressionLexer::Open)) {
            if (next(IExpressionLexer::Close)) {
                m_steps.push_back(CallStep);
                continue;
            }
            if (!readOr() || !next(IExpressionLexer::Close))
                return false;
            m_steps.push_back(CallWithArgumentStep);
        }
        return true;
    }

    bool readOperand()
    {
        if (next(IExpressionLexer::Term)) {
            m_steps.push_back(m_terms++);
            return true;
        }
        return next(IExpressionLexer::Open) && readOr() && next(IExpressionLexer::Close);
    }

    const QList<int> &m_tokens;
    std::vector<int> &m_steps;
    int m_at = 0;
    int m_terms = 0;
};

ExpressionParser::ExpressionParser(const QList<int> &tokens)
{
    for (int token : tokens) {
        switch (token) {
        case IExpressionLexer::Term:
            m_script += placeholder(++m_termCount);
            break;
        case IExpressionLexer::And:
            m_script += QLatin1String("&&");
            break;
        case IExpressionLexer::Or:
            m_script += QLatin1String("||");
            break;
        case IExpressionLexer::Not:
            m_script += QLatin1Char('!');
            break;
        case IExpressionLexer::Open:
            m_script += QLatin1Char('(');
            break;
        case IExpressionLexer::Close:
            m_script += QLatin1Char(')');
            break;
        }
    }
    m_valid = Grammar(tokens, m_steps).read();
    if (!m_valid)
        m_steps.clear();
    m_stack.resize(m_steps.size());
}

QString ExpressionParser::placeholder(int term)
{
    return QStringLiteral(" %") + QString::number(term) + QLatin1Char(' ');
}

// As the script evaluates it: the n-th placeholder is 1 when bit n-1 (modulo
// 32) of the mask is set, else 0; "!" gives a truth value, "&&" and "||"
// give the operand that decided, and calling a number fails. The operands
// have no effects, so evaluating both sides of "&&" and "||" changes
// nothing as long as the one that decided is taken: a failure on the side
// that was not needed does not count. The verdict is the truth of the
// outcome; a failure's outcome is an error object, which is true, and an
// empty script's is undefined, which is false.
bool ExpressionParser::evaluate(quint32 mask)
{
    char *stack = m_stack.data();
    std::size_t depth = 0;
    for (const int step : m_steps) {
        if (step >= 0) {
            stack[depth++] = (mask >> (step % 32)) & 1u ? True : False;
            continue;
        }
        switch (step) {
        case NotStep:
            if (stack[depth - 1] != Failed)
                stack[depth - 1] = stack[depth - 1] == True ? False : True;
            break;
        case AndStep:
        case OrStep: {
            const char right = stack[--depth];
            char &left = stack[depth - 1];
            const bool leftDecides = left == Failed || (step == AndStep ? left == False : left == True);
            if (!leftDecides)
                left = right;
            break;
        }
        case CallWithArgumentStep:
            --depth;
            stack[depth - 1] = Failed;
            break;
        case CallStep:
            stack[depth - 1] = Failed;
            break;
        }
    }
    return depth == 1 && stack[0] != False;
}
