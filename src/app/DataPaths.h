#pragma once

#include <QString>

// Where the per-user files live: the settings, the log and the default
// database folder all sit in one data folder.
class DataPaths
{
public:
    // The platform's generic data location followed by "/Talvenquist"
    // (~/.local/share/Talvenquist on Linux).
    static QString dataDirectory();
    static QString settingsFilePath();
    static QString logFilePath();
};
