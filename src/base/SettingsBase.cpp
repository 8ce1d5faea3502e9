#include "base/SettingsBase.h"

SettingsBase::SettingsBase(const QString &fileName)
    : QSettings(fileName, QSettings::IniFormat)
{
}

SettingsBase::~SettingsBase() = default;
