#pragma once

#include <QString>
#include <QStringList>

// Where the program's read-only files (translations, manual) are found: in
// the program's own folder first, which is how it runs from the build tree,
// then in the installed data folder "<prefix>/share/talvenquist" beside the
// program's "bin" folder.
class AppDataFolders
{
public:
    // The candidate folders, in the order they are tried.
    static QStringList roots();
    // The first existing "<root>/<relativePath>", or the one under the
    // program's folder when none exists.
    static QString find(const QString &relativePath);
};
