#pragma once

// The user's XDG autostart entry "$XDG_CONFIG_HOME/autostart/Talvenquist.desktop",
// starting this program with "-minimize" at login.
class AutostartEntry
{
public:
    static void set(bool on);
    // The entry exists and is not hidden.
    static bool isSet();
};
