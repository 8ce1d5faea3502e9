#pragma once

#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "support/LoopMount.h"

#include <QStringList>

// What find lists under `root`, as sorted "d path" / "f path" lines: the ground truth every index must reproduce.
// Symbolic links are files to the index.
inline QStringList findTree(const QString &root)
{
    QString output;
    LoopMount::run(QStringLiteral("find"), {root, "-xdev", "-mindepth", "1", "-printf", "%y %p\\n"}, &output);
    QStringList lines;
    for (QString line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("d ")))
            line.replace(0, 1, QStringLiteral("f"));
        lines << line;
    }
    lines.sort();
    return lines;
}

// An index's answer to `request` in the same form.
template<typename Index>
QStringList indexTree(Index &index, FileSearchRequest request = FileSearchRequest())
{
    FileSearchResults results;
    index.search(request, results);
    QStringList lines;
    for (int row = 0; row < results.count(); ++row)
        lines << (results.isFolder(row) ? QStringLiteral("d ") : QStringLiteral("f ")) + results.fullPath(row);
    lines.sort();
    return lines;
}
