#include "query/ExpressionLexer.h"

namespace {

// Escaped characters stand in as private-use code points until the text has
// been split, so that the splitting never sees them. Real characters are used
// from the Private Use Area only: fullwidth letters such as "Ａ" are ordinary
// search text.
const QChar kEscapedOpen(0xE028);
const QChar kEscapedClose(0xE029);
const QChar kEscapedSemicolon(0xE03B);
const QChar kEscapedBlank(0xE020);
const QChar kEscapedBang(0xE021);

const QLatin1Char kBlank(' ');

} // namespace

void ExpressionLexer::tokenize(const QString &text, bool boolean, QStringList &terms, QList<int> &tokens) const
{
    if (boolean)
        tokenizeBoolean(text, terms, tokens);
    else
        tokenizeList(text, terms, tokens);
}

void ExpressionLexer::tokenizeBoolean(QString text, QStringList &terms, QList<int> &tokens)
{
    text.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    text.replace(QLatin1String("\\("), QString(kEscapedOpen));
    text.replace(QLatin1String("\\)"), QString(kEscapedClose));
    text.replace(QLatin1String("("), QLatin1String(" ( "));
    text.replace(QLatin1String(")"), QLatin1String(" ) "));

    const QStringList parts = text.split(kBlank, Qt::KeepEmptyParts);
    for (const QString &rawPart : parts) {
        QString part = rawPart.trimmed();
        if (part.isEmpty())
            continue;
        // Keywords are lower-case only: "AND" is searched for as a word.
        if (part == QLatin1String("and")) {
            tokens.append(And);
        } else if (part == QLatin1String("or")) {
            tokens.append(Or);
        } else if (part == QLatin1String("not")) {
            tokens.append(Not);
        } else if (part == QLatin1String("(")) {
            tokens.append(Open);
        } else if (part == QLatin1String(")")) {
            tokens.append(Close);
        } else {
            part.replace(kEscapedOpen, QLatin1Char('('));
            part.replace(kEscapedClose, QLatin1Char(')'));
            terms.append(part);
            tokens.append(Term);
        }
    }
}

QStringList ExpressionLexer::splitWords(const QString &part)
{
    QStringList words;
    const QStringList pieces = part.split(kBlank, Qt::SkipEmptyParts);
    for (QString word : pieces) {
        word.replace(kEscapedBang, QLatin1Char('!'));
        word.replace(kEscapedBlank, kBlank);
        words.append(word);
    }
    return words;
}

void ExpressionLexer::tokenizeList(QString text, QStringList &terms, QList<int> &tokens)
{
    text.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    text.replace(QLatin1String("\\;"), QString(kEscapedSemicolon));
    text.replace(QLatin1String("\\ "), QString(kEscapedBlank));

    QList<QStringList> inclusions;
    QList<QStringList> exclusions;
    splitParts(text, inclusions, exclusions);

    // The caller's list may already hold tokens: "first" is about this text.
    const int before = tokens.size();
    appendInclusions(inclusions, /*grouped=*/!exclusions.isEmpty() && inclusions.size() > 1, terms, tokens);
    for (const QStringList &words : qAsConst(exclusions))
        appendExclusion(words, tokens.size() == before, terms, tokens);
}

void ExpressionLexer::splitParts(const QString &text, QList<QStringList> &inclusions,
                                 QList<QStringList> &exclusions)
{
    const QStringList parts = text.split(QLatin1Char(';'), Qt::KeepEmptyParts);
    for (const QString &rawPart : parts) {
        QString part = rawPart.trimmed();
        if (part.isEmpty())
            continue;
        part.replace(kEscapedSemicolon, QLatin1Char(';'));
        if (part.startsWith(QLatin1String("\\!")))
            part.replace(0, 2, kEscapedBang);
        if (part.startsWith(QLatin1Char('!'))) {
            // A bare "!" (a list being typed) has no words; as an exclusion it
            // would exclude everything, so it is dropped.
            const QStringList words = splitWords(part.mid(1));
            if (!words.isEmpty())
                exclusions.append(words);
        } else {
            inclusions.append(splitWords(part));
        }
    }
}

// Words of one part joined by and, parts joined by or: ( a and b or c ).
void ExpressionLexer::appendInclusions(const QList<QStringList> &inclusions, bool grouped, QStringList &terms,
                                       QList<int> &tokens)
{
    if (grouped)
        tokens.append(Open);
    for (int p = 0; p < inclusions.size(); ++p) {
        if (p > 0)
            tokens.append(Or);
        for (int w = 0; w < inclusions.at(p).size(); ++w) {
            if (w > 0)
                tokens.append(And);
            terms.append(inclusions.at(p).at(w));
            tokens.append(Term);
        }
    }
    if (grouped)
        tokens.append(Close);
}

// "!w1 w2" holds unless every word is found: ( not w1 or not w2 ).
void ExpressionLexer::appendExclusion(const QStringList &words, bool first, QStringList &terms,
                                      QList<int> &tokens)
{
    if (!first)
        tokens.append(And);
    tokens.append(Open);
    for (int w = 0; w < words.size(); ++w) {
        if (w > 0)
            tokens.append(Or);
        tokens.append(Not);
        terms.append(words.at(w));
        tokens.append(Term);
    }
    tokens.append(Close);
}
