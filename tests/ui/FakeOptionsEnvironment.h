#pragma once

#include "ui/IIndexControl.h"
#include "ui/ISystemIntegration.h"

#include <QStringList>

// Stand-ins for the searcher and the desktop that record what the options
// dialog asks of them.
class FakeIndexControl : public IIndexControl
{
public:
    bool isSearching() override { return searching; }
    bool isBusy() const override { return busy; }
    IndexingSettings indexingSettings() const override { return settings; }
    QMap<QChar, int> objectCounts() const override { return counts; }
    QList<Volume> localVolumes() const override { return volumes; }
    void rebuild() override { ++rebuilds; }

    bool searching = false;
    bool busy = false;
    IndexingSettings settings;
    QMap<QChar, int> counts;
    QList<Volume> volumes;
    int rebuilds = 0;
};

class FakeIntegration : public ISystemIntegration
{
public:
    bool isProcessAdmin() const override { return admin; }
    bool isAutostart() const override { return autostart; }
    void setAutostart(bool on) override { calls << QStringLiteral("setAutostart %1").arg(on); }
    bool isShellIntegrated() const override { return integrated; }
    void setShellIntegration(bool on) override { calls << QStringLiteral("setShellIntegration %1").arg(on); }
    bool isSkipUacTaskEnabled() const override { return skipUac; }
    void createSkipUacTask() override { calls << QStringLiteral("createSkipUacTask"); }
    void deleteSkipUacTask() override { calls << QStringLiteral("deleteSkipUacTask"); }
    bool runElevated(const QString &parameters) override
    {
        calls << QStringLiteral("runElevated ") + parameters;
        return true;
    }

    bool admin = true;
    bool autostart = false;
    bool integrated = false;
    bool skipUac = false;
    QStringList calls;
};
