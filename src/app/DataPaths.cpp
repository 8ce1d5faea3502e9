#include "app/DataPaths.h"

#include <QDir>
#include <QStandardPaths>

QString DataPaths::dataDirectory()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
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
