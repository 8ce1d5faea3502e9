#include "session/AutostartEntry.h"

#include "base/DataPaths.h"
#include "platform/linux/SessionUser.h"
#include "session/DesktopEntryFile.h"

#include <QFileInfo>

static const char kComponent[] = "TaskScheduler";

static QString entryPath()
{
    return DataPaths::configDirectory() + QStringLiteral("/autostart/Talvenquist.desktop");
}

void AutostartEntry::set(bool on)
{
    const QString path = entryPath();
    if (!on) {
        DesktopEntryFile::remove(kComponent, path);
        return;
    }
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=Talvenquist\nExec=%1 -minimize\n"
                                         "Terminal=false\nX-GNOME-Autostart-enabled=true\n")
                              .arg(DesktopEntryFile::execWord(DesktopEntryFile::programFile()));
    const SessionUser user = SessionUser::current();
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (DesktopEntryFile::writeAtomically(kComponent, path, entry.toUtf8(), mode)) {
        // A root instance acting for the user writes into the user's folder.
        user.adopt(QFileInfo(path).absolutePath());
        user.adopt(path);
    }
}

bool AutostartEntry::isSet()
{
    const QString path = entryPath();
    return QFile::exists(path) && DesktopEntryFile::value(path, QStringLiteral("Hidden")) != QLatin1String("true");
}
