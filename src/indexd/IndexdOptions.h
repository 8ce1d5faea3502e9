#pragma once

#include <QString>
#include <QStringList>

// The index service's command line: where it listens, keeps its state and
// reads its indexing settings.
struct IndexdOptions
{
    QString socketPath = QStringLiteral("/run/talvenquist/index.socket");
    QString stateDir = QStringLiteral("/var/lib/talvenquist");
    QString configFile = QStringLiteral("/etc/talvenquist/indexing.ini");

    // False with `error` set on a usage error; `help` asked for the help text
    // (put in `error`).
    bool parse(const QStringList &arguments, QString *error, bool *help);

    QString logFile() const { return stateDir + QStringLiteral("/indexd.log"); }
    // The keys the service gives volumes, kept with its state (the config
    // may lie on a read-only file system).
    QString volumesFile() const { return stateDir + QStringLiteral("/volumes.ini"); }
};
