#include "session/FolderMenuEntry.h"

#include "session/DesktopEntryFile.h"

#include <QCoreApplication>

static const char kComponent[] = "TaskScheduler";
static const char kFolderMenuFile[] = "talvenquist-search-folder.desktop";

static QString &systemDataDirectory()
{
    static QString folder;
    return folder;
}

void FolderMenuEntry::setSystemDataDirectory(const QString &folder)
{
    systemDataDirectory() = folder;
}

static QString systemData(const QString &relative)
{
    const QString base = systemDataDirectory().isEmpty() ? QStringLiteral("/usr/share") : systemDataDirectory();
    return base + QLatin1Char('/') + relative + QLatin1String(kFolderMenuFile);
}

static QString applicationsEntryPath()
{
    return systemData(QStringLiteral("applications/"));
}

static QString serviceMenuPath()
{
    return systemData(QStringLiteral("kio/servicemenus/"));
}

void FolderMenuEntry::set(bool on)
{
    if (!on) {
        DesktopEntryFile::remove(kComponent, applicationsEntryPath());
        DesktopEntryFile::remove(kComponent, serviceMenuPath());
        return;
    }
    const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    const QString caption =
        QCoreApplication::translate("TaskScheduler", "Search with %1...").arg(QStringLiteral("Talvenquist"));
    const QString exec = DesktopEntryFile::execWord(DesktopEntryFile::programFile()) + QStringLiteral(" -path %f");
    // Shown in the application menus too: some file managers' application
    // choosers leave out entries hidden there (NoDisplay). Started from a
    // menu, "-path" without a folder only opens the window.
    const QString application = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n"
                                                "MimeType=inode/directory;\nIcon=system-search\nTerminal=false\n")
                                    .arg(caption, exec);
    const QString serviceMenu = QStringLiteral("[Desktop Entry]\nType=Service\nMimeType=inode/directory;\n"
                                               "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\nActions=searchFolder;\n\n"
                                               "[Desktop Action searchFolder]\nName=%1\nExec=%2\nIcon=system-search\n")
                                    .arg(caption, exec);
    DesktopEntryFile::writeAtomically(kComponent, applicationsEntryPath(), application.toUtf8(), readable);
    // KDE offers service menus only when they are executable.
    DesktopEntryFile::writeAtomically(kComponent, serviceMenuPath(), serviceMenu.toUtf8(),
                                      readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

bool FolderMenuEntry::isSet()
{
    return !DesktopEntryFile::value(applicationsEntryPath(), QStringLiteral("Exec")).isEmpty();
}
