#pragma once

#include <QString>

// The desktop's configuration the General options page shows and changes:
// autostart, the folder menu entry and the rule that starts the program as
// root without a prompt. The program hands it DesktopIntegration; tests
// stand in for it. GUI thread only.
class ISystemIntegration
{
public:
    virtual ~ISystemIntegration() = default;

    virtual bool isProcessAdmin() const = 0;
    virtual bool isAutostart() const = 0;
    virtual void setAutostart(bool on) = 0;
    virtual bool isShellIntegrated() const = 0;
    // Writes machine-wide files: needs root.
    virtual void setShellIntegration(bool on) = 0;
    virtual bool isSkipUacTaskEnabled() const = 0;
    // Both need root.
    virtual void createSkipUacTask() = 0;
    virtual void deleteSkipUacTask() = 0;
    // Starts this program as root with `parameters`; false when it did not start.
    virtual bool runElevated(const QString &parameters) = 0;
};
