#pragma once

#include "content/ContentMatches.h"

#include <QString>
#include <QVector>

// Turns the matching lines of one file into the lines the matches view shows:
// either each matching line whole, or a short context around every single
// match. Kept apart from the widget so the cutting rules read as plain code.
//
// Positions are in UTF-16 units within one output line; the view places them
// in its document by line.
class MatchesTextBuilder
{
public:
    struct Options
    {
        int maximumMatches = 100; // matching lines shown; more give a notice
        bool fullLine = false;
        int charsBefore = 50;
        int charsAfter = 50;
    };

    struct Line
    {
        QString text;
        int numberLength = 0;   // the line number digits at the start of 'text'
        MatchPositions matches; // (start, length) within 'text'
    };

    explicit MatchesTextBuilder(const Options &options);

    void build(const QList<MatchLine> &records);

    // True when the records were cut to the limit (the notice is shown).
    bool isCut() const { return m_cut; }
    int limit() const { return m_options.maximumMatches; }
    const QVector<Line> &lines() const { return m_lines; }

private:
    void addFullLine(const MatchLine &record);
    void addContextLine(const MatchLine &record, int start, int length);

    Options m_options;
    bool m_cut = false;
    QVector<Line> m_lines;
};
