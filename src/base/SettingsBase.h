#pragma once

#include <QSettings>

// The INI file under Settings: opened in INI form with Qt's own text
// handling (no codec is forced), and no parent, because the store is a
// process-wide object deleted explicitly.
class SettingsBase : public QSettings
{
public:
    explicit SettingsBase(const QString &fileName);
    ~SettingsBase() override;
};
