#pragma once

#include <QString>

// One file category of the filter bar, as the settings store keeps it.
struct FileCategory
{
    QString attributes; // letters: "d" folders only, "f" files only, "h" hidden, "r" read-only
    QString extensions; // extensions without dots, joined by ";"
    QString name;
};
