#pragma once

#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QString>

// Small icons of results by the kind of file, from the desktop's icon theme,
// found from the name alone without touching the file. Icons are shared per
// extension ("<DIR>" for folders), except those of programs and icon files,
// which stand for themselves and are looked up each time.
class FileIconCache
{
public:
    FileIconCache();

    // A null icon when the theme has none for this kind (logged once).
    QIcon icon(const QString &fileName, bool isFolder);
    // How many times the theme was asked; tells cached icons from fresh ones.
    int lookupCount() const { return m_lookups; }

    // Where the platform names no icon theme (offscreen, a bare X server),
    // selects one that is installed, so rows have icons on every desktop.
    static void ensureIconTheme();

private:
    QIcon lookUp(const QString &fileName, bool isFolder);

    QMimeDatabase m_mimeTypes;
    QHash<QString, QIcon> m_icons;
    int m_lookups = 0;
};
