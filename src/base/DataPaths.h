#pragma once

#include <QString>

// Where the per-user files live: the settings, the log and the default
// database folder all sit in one data folder.
//
// The folders are the session user's: a process that runs as root for
// another user (pkexec, sudo) uses that user's folders, not root's.
class DataPaths
{
public:
    // The platform's generic data location followed by "/Talvenquist"
    // (~/.local/share/Talvenquist on Linux).
    static QString dataDirectory();
    static QString settingsFilePath();
    static QString logFilePath();
    static QString crashDumpFilePath();
    // The user's configuration folder ($XDG_CONFIG_HOME, ~/.config).
    static QString configDirectory();

    // Gives the data folder and the files directly in it to the session
    // user, when this process acts for another user. Subfolders (the index
    // databases) stay root's.
    static void adoptDataFiles();
};
