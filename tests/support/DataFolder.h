#pragma once

#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A data folder of the test's own with "Settings.ini" in it. Settings objects
// handed out stay valid until the next reopenSettings() or the folder goes.
class DataFolder
{
public:
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("Settings.ini")); }

    // A new settings object on the file, as after a restart; with `fresh`
    // the file is removed first, as on a first start.
    QSettings *reopenSettings(bool fresh = false)
    {
        m_settings.reset();
        if (fresh)
            QFile::remove(settingsPath());
        m_settings = std::make_unique<QSettings>(settingsPath(), QSettings::IniFormat);
        return m_settings.get();
    }
    QSettings *settings() { return m_settings ? m_settings.get() : reopenSettings(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_settings;
};
