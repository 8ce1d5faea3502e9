#include "base/DataPaths.h"

#include "platform/linux/SessionUser.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The session user's folder under their home, or the platform's location
// for the process's own user. Another user's XDG variables are not known
// here, so their defaults stand.
static QString userLocation(QStandardPaths::StandardLocation location, const char *homeRelative)
{
    const SessionUser user = SessionUser::current();
    if (user.isOtherThanProcess() && !user.home.isEmpty())
        return user.home + QLatin1Char('/') + QLatin1String(homeRelative);
    return QStandardPaths::writableLocation(location);
}

QString DataPaths::dataDirectory()
{
    const QString base = userLocation(QStandardPaths::GenericDataLocation, ".local/share");
    return QDir::toNativeSeparators(base) + QDir::separator() + QStringLiteral("Talvenquist");
}

QString DataPaths::settingsFilePath()
{
    return dataDirectory() + QDir::separator() + QStringLiteral("Settings.ini");
}

QString DataPaths::logFilePath()
{
    return dataDirectory() + QDir::separator() + QStringLiteral("Talvenquist.log");
}

QString DataPaths::crashDumpFilePath()
{
    return dataDirectory() + QDir::separator() + QStringLiteral("TalvenquistCrash.dmp");
}

QString DataPaths::configDirectory()
{
    return userLocation(QStandardPaths::GenericConfigLocation, ".config");
}

void DataPaths::adoptDataFiles()
{
    const SessionUser user = SessionUser::current();
    if (!user.isOtherThanProcess())
        return;
    const QDir folder(dataDirectory());
    // Folders between the home and the data folder may have been made by
    // this process on a fresh account; inside a home they are the user's.
    for (QString path = folder.absolutePath(); path.startsWith(user.home + QLatin1Char('/'));
         path = QFileInfo(path).absolutePath())
        user.adopt(path);
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        user.adopt(folder.absoluteFilePath(name));
}
