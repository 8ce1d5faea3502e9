#pragma once

#include "base/IndexingSettings.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QProcess;

// What only root may do to the index service, asked for from a window that
// runs as its user: turning the service on or off (systemctl), building its
// index again, and giving it new indexing settings. The window starts this
// program through pkexec with one of the switches below (requestAsRoot);
// the root process carries it out (perform) and ends with its status.
class IndexServiceAdmin : public QObject
{
    Q_OBJECT
public:
    static const char kEnableArgument[];   // "-enable-index-service"
    static const char kDisableArgument[];  // "-disable-index-service"
    static const char kRebuildArgument[];  // "-rebuild-index"
    static const char kSettingsArgument[]; // "-set-index-settings" ENCODED
    static const char kUnitName[];         // "talvenquist-indexd.service"

    // Whether systemd runs this machine, so that the service can be turned
    // on; false with the reason otherwise.
    static bool canManageService(QString *why);

    // The switch words for each request.
    static QStringList enableArguments(bool on);
    static QStringList rebuildArguments();
    static QStringList settingsArguments(const IndexingSettings &settings);

    // Runs one of the switches when `arguments` holds one: the exit status
    // (0 done, 1 failed, 5 not root), or -1 when none is there.
    static int perform(const QStringList &arguments);

    explicit IndexServiceAdmin(QObject *parent = nullptr);
    // Starts this program as root through pkexec with `switchArguments`
    // and returns at once; finished() tells how it went.
    void requestAsRoot(const QStringList &switchArguments);

signals:
    // `ok` false with the reason: the password was refused, or the
    // service or systemd said no.
    void finished(bool ok, const QString &why);

private:
    static int setServiceEnabled(bool on);
    static int askService(const QStringList &arguments);
};
