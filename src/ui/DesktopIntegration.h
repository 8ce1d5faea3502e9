#pragma once

#include "ui/ISystemIntegration.h"

// The desktop's real configuration: the XDG autostart entry, the file
// managers' folder entries, the polkit rule, pkexec.
class DesktopIntegration : public ISystemIntegration
{
public:
    bool isProcessAdmin() const override;
    bool isAutostart() const override;
    void setAutostart(bool on) override;
    bool isShellIntegrated() const override;
    void setShellIntegration(bool on) override;
    bool isSkipUacTaskEnabled() const override;
    void createSkipUacTask() override;
    void deleteSkipUacTask() override;
    bool runElevated(const QString &parameters) override;
};
