#include "ui/AppDataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList AppDataFolders::roots()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../share/talvenquist"))};
}

QString AppDataFolders::find(const QString &relativePath)
{
    const QStringList candidates = roots();
    for (const QString &root : candidates) {
        const QString path = root + QLatin1Char('/') + relativePath;
        if (QFileInfo::exists(path))
            return path;
    }
    return candidates.first() + QLatin1Char('/') + relativePath;
}
