#pragma once

#include "query/IStringMatcher.h"

#include <QList>
#include <QString>

// One line of a file in which the content expression found something.
struct MatchLine
{
    int lineNumber = 0; // counted from 0
    QString text;
    MatchPositions positions; // (start, length) of each occurrence in 'text'
};

// What ContentSearcher::findAll reports for the preview of one file. Every
// matching line is listed; display limits are the views' business.
struct ContentMatches
{
    // The file that was read: a converter's output when one made it (it
    // stays on disk for the preview), else the file itself.
    QString filePath;
    bool converted = false;
    int linesRead = 0;
    QList<MatchLine> lines;
};
