#include "ui/MatchesTextBuilder.h"

#include <algorithm>

namespace {

const QChar kEllipsis(0x2026);

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString numberPrefix(int lineNumber)
{
    // Users count lines from 1; the records count from 0.
    return QString::number(lineNumber + 1) + QLatin1Char('\t');
}

// Where the context of the match [start, start + length) begins: at most
// 'before' characters ahead, moved forward to a word break and past blanks.
int contextStart(const QString &line, int start, int before, bool *cutBefore)
{
    int s = std::max(start - before, 0);
    *cutBefore = s != 0;
    if (s != 0) {
        while (s < start && !isBlank(line.at(s)))
            ++s;
    }
    while (s < start && isBlank(line.at(s)))
        ++s;
    return s;
}

// Where it ends (exclusive): at most 'after' characters past the match, moved
// back to a word break and before the blanks there.
int contextEnd(const QString &line, int matchEnd, int after, bool *cutAfter)
{
    const int n = line.size();
    int e = std::min<qint64>(n, qint64(matchEnd) + after);
    if (e != n) {
        while (e > matchEnd && !isBlank(line.at(e)))
            --e;
        while (e > matchEnd && isBlank(line.at(e)))
            --e;
        ++e;
    }
    *cutAfter = e != n;
    return e;
}

} // namespace

MatchesTextBuilder::MatchesTextBuilder(const Options &options)
    : m_options(options)
{
    m_options.maximumMatches = std::max(m_options.maximumMatches, 0);
    m_options.charsBefore = std::max(m_options.charsBefore, 0);
    m_options.charsAfter = std::max(m_options.charsAfter, 0);
}

void MatchesTextBuilder::build(const QList<MatchLine> &records)
{
    m_lines.clear();
    m_cut = records.size() > m_options.maximumMatches;
    const int used = m_cut ? m_options.maximumMatches : records.size();
    for (int i = 0; i < used; ++i) {
        const MatchLine &record = records.at(i);
        if (m_options.fullLine) {
            addFullLine(record);
            continue;
        }
        for (const auto &match : record.positions) {
            // A position outside the line would index past it below.
            if (match.first < 0 || match.second < 0 || match.first + match.second > record.text.size())
                continue;
            addContextLine(record, match.first, match.second);
        }
    }
}

void MatchesTextBuilder::addFullLine(const MatchLine &record)
{
    // trimmed() drops every kind of white space, so the shift counts what it
    // dropped at the front, not only blanks and tabs: otherwise a line
    // indented with another space character would be highlighted off target.
    const QString &text = record.text;
    int leading = 0;
    while (leading < text.size() && text.at(leading).isSpace())
        ++leading;
    const QString trimmed = text.trimmed();
    Line line;
    const QString prefix = numberPrefix(record.lineNumber);
    line.numberLength = prefix.size() - 1;
    line.text = prefix + trimmed;
    for (const auto &match : record.positions) {
        const int from = std::max(match.first - leading, 0);
        const int to = std::min(match.first + match.second - leading, int(trimmed.size()));
        if (to > from)
            line.matches.append({prefix.size() + from, to - from});
    }
    m_lines.append(line);
}

void MatchesTextBuilder::addContextLine(const MatchLine &record, int start, int length)
{
    const QString &text = record.text;
    bool cutBefore = false;
    bool cutAfter = false;
    const int s = contextStart(text, start, m_options.charsBefore, &cutBefore);
    const int e = contextEnd(text, start + length, m_options.charsAfter, &cutAfter);

    Line line;
    const QString prefix = numberPrefix(record.lineNumber);
    line.numberLength = prefix.size() - 1;
    line.text = prefix;
    if (cutBefore)
        line.text += kEllipsis;
    const int matchColumn = line.text.size() + start - s;
    line.text += text.midRef(s, e - s);
    if (cutAfter)
        line.text += kEllipsis;
    line.matches.append({matchColumn, length});
    m_lines.append(line);
}
