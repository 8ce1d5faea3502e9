#pragma once

// The polkit rule "<rules>/49-Talvenquist_SkipUAC.rules" that lets the
// session user start the program as root without a password prompt.
class SkipPasswordRule
{
public:
    // Need root; false (and an ERROR line) when the write fails.
    static bool create();
    static bool remove();
    // The rule exists and names the session user.
    static bool isEnabled();
    // Starts this program through pkexec when the rule allows it without a
    // prompt; otherwise logs at INFO and gives false.
    static bool run();
};
