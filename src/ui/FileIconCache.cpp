#include "ui/FileIconCache.h"

#include "base/Logger.h"
#include "query/FileSearchResults.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char kComponent[] = "FileTable";
const QString kFolderKey = QStringLiteral("<DIR>");
// Each such file may carry its own picture; never shared through the cache.
const QStringList kUncachedExtensions{QStringLiteral("exe"), QStringLiteral("ico"), QStringLiteral("cur")};
// Installed with the program (a dependency), tried in this order.
const QStringList kFallbackThemes{QStringLiteral("Adwaita"), QStringLiteral("hicolor")};

bool themeInstalled(const QString &theme)
{
    for (const QString &folder : QIcon::themeSearchPaths()) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + theme + QStringLiteral("/index.theme")))
            return true;
    }
    return false;
}

} // namespace

FileIconCache::FileIconCache()
{
    ensureIconTheme();
}

void FileIconCache::ensureIconTheme()
{
    // "hicolor" is what Qt reports when the platform named nothing; it holds
    // application icons only, no icons of file kinds.
    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != QLatin1String("hicolor"))
        return;
    // Such platforms search only the built-in resources: add the desktop's
    // icon folders (XDG data folders, then the old per-user one).
    QStringList searchPaths = QIcon::themeSearchPaths();
    QStringList folders = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                                    QStandardPaths::LocateDirectory);
    folders.append(QDir::homePath() + QStringLiteral("/.icons"));
    for (const QString &folder : qAsConst(folders)) {
        if (!searchPaths.contains(folder))
            searchPaths.append(folder);
    }
    QIcon::setThemeSearchPaths(searchPaths);
    for (const QString &theme : kFallbackThemes) {
        if (themeInstalled(theme)) {
            QIcon::setThemeName(theme);
            return;
        }
    }
}

QIcon FileIconCache::icon(const QString &fileName, bool isFolder)
{
    const QString key = isFolder ? kFolderKey : FileSearchResults::extension(fileName);
    if (!isFolder && kUncachedExtensions.contains(key))
        return lookUp(fileName, isFolder);
    auto found = m_icons.constFind(key);
    if (found == m_icons.constEnd())
        found = m_icons.insert(key, lookUp(fileName, isFolder));
    return found.value();
}

QIcon FileIconCache::lookUp(const QString &fileName, bool isFolder)
{
    ++m_lookups;
    if (isFolder) {
        const QIcon folder = QIcon::fromTheme(QStringLiteral("folder"));
        if (folder.isNull())
            Logger::instance()->log(WARNING, kComponent,
                                    QStringLiteral("file name = %1, error = %2")
                                        .arg(fileName, QStringLiteral("no folder icon in the icon theme")));
        return folder;
    }
    const QMimeType type = m_mimeTypes.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        Logger::instance()->log(WARNING, kComponent,
                                QStringLiteral("file name = %1, error = %2")
                                    .arg(fileName, QStringLiteral("no icon for %1 in the icon theme").arg(type.name())));
    return icon;
}
