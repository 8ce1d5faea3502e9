#include "ui/DesktopIntegration.h"

#include "platform/linux/SystemInfo.h"
#include "session/TaskScheduler.h"

#include <QCoreApplication>

bool DesktopIntegration::isProcessAdmin() const
{
    return ::isProcessAdmin();
}

bool DesktopIntegration::isAutostart() const
{
    return ::isAutostart();
}

void DesktopIntegration::setAutostart(bool on)
{
    ::setAutostart(on);
}

bool DesktopIntegration::isShellIntegrated() const
{
    return ::isShellIntegrated();
}

void DesktopIntegration::setShellIntegration(bool on)
{
    ::setShellIntegration(on);
}

bool DesktopIntegration::isSkipUacTaskEnabled() const
{
    return ::isSkipUacTaskEnabled();
}

void DesktopIntegration::createSkipUacTask()
{
    ::createSkipUacTask();
}

void DesktopIntegration::deleteSkipUacTask()
{
    ::deleteSkipUacTask();
}

bool DesktopIntegration::runElevated(const QString &parameters)
{
    return ::runElevated(QCoreApplication::applicationFilePath(), parameters);
}
