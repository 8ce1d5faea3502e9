#pragma once

#include <QMetaType>
#include <QString>

// A named group of results offered by the filter bar, e.g. "Picture" =
// files with one of "bmp;gif;...".
struct FileCategory
{
    QString attributes; // letters: "d" folders only, "f" files only, "h" hidden, "r" read-only
    QString extensions; // extensions without dots, joined by ";"
    QString name;
};

inline bool operator==(const FileCategory &a, const FileCategory &b)
{
    return a.attributes == b.attributes && a.extensions == b.extensions && a.name == b.name;
}

inline bool operator!=(const FileCategory &a, const FileCategory &b)
{
    return !(a == b);
}

Q_DECLARE_METATYPE(FileCategory)
