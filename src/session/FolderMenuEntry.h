#pragma once

#include <QString>

// The folder-menu entries, captioned "Search with Talvenquist..." in the
// current language and running this program with "-path" and the folder: a
// desktop entry for folders (GNOME, Cinnamon, MATE and XFCE file managers
// list it under "Open With") and a KDE service menu, both machine-wide, so
// writing them needs root.
class FolderMenuEntry
{
public:
    static void set(bool on);
    static bool isSet();
    // Tests put the machine-wide files ("<dir>/applications",
    // "<dir>/kio/servicemenus") under a temporary folder; empty restores
    // "/usr/share".
    static void setSystemDataDirectory(const QString &folder);
};
