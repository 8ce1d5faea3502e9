#include "indexd/IndexdConfig.h"

#include <QSettings>

namespace {

QList<QChar> letters(const QString &text)
{
    QList<QChar> keys;
    for (const QChar c : text) {
        if (c.isLetter())
            keys.append(c.toUpper());
    }
    return keys;
}

QString joined(const QList<QChar> &keys)
{
    QString text;
    for (const QChar key : keys)
        text += key;
    return text;
}

} // namespace

IndexingSettings IndexdConfig::read(const QString &file)
{
    QSettings ini(file, QSettings::IniFormat);
    IndexingSettings settings;
    settings.indexDrives = letters(ini.value(QStringLiteral("IndexDrives")).toString());
    settings.noIndexDrives = letters(ini.value(QStringLiteral("NoIndexDrives")).toString());
    settings.autoAddFixed = ini.value(QStringLiteral("AutoAddFixed"), true).toBool();
    settings.autoAddRemovable = ini.value(QStringLiteral("AutoAddRemovable"), false).toBool();
    const int n = ini.beginReadArray(QStringLiteral("ExcludePaths"));
    for (int i = 0; i < n; ++i) {
        ini.setArrayIndex(i);
        const QString path = ini.value(QStringLiteral("path")).toString();
        if (!path.isEmpty() && ini.value(QStringLiteral("active"), true).toBool())
            settings.excludePaths.append(path);
    }
    ini.endArray();
    // The window's defaults when the file names none.
    if (n == 0 && !ini.contains(QStringLiteral("ExcludePaths/size")))
        settings.excludePaths = QStringList{QStringLiteral("$Recycle.Bin"), QStringLiteral(".svn")};
    return settings;
}

bool IndexdConfig::write(const QString &file, const IndexingSettings &settings)
{
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(QStringLiteral("IndexDrives"), joined(settings.indexDrives));
    ini.setValue(QStringLiteral("NoIndexDrives"), joined(settings.noIndexDrives));
    ini.setValue(QStringLiteral("AutoAddFixed"), settings.autoAddFixed);
    ini.setValue(QStringLiteral("AutoAddRemovable"), settings.autoAddRemovable);
    ini.beginWriteArray(QStringLiteral("ExcludePaths"), settings.excludePaths.size());
    for (int i = 0; i < settings.excludePaths.size(); ++i) {
        ini.setArrayIndex(i);
        ini.setValue(QStringLiteral("path"), settings.excludePaths.at(i));
        ini.setValue(QStringLiteral("active"), true);
    }
    ini.endArray();
    ini.sync();
    return ini.status() == QSettings::NoError;
}
