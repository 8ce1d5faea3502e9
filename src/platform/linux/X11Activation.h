#pragma once

#include <QByteArray>

#include <cstdint>

// Activation of a window on X11 for another start of the program, as the
// freedesktop.org startup-notification and EWMH rules have it: the start's
// launch feedback (the busy cursor, the task-bar entry) is ended with
// "remove", and the window asks for the focus with the time the user
// started the program, which the window manager's focus-stealing
// prevention accepts, unlike the time of the window's last own input.
class X11Activation
{
public:
    // `window`: the top-level window's X id; `startupId`: the start's
    // DESKTOP_STARTUP_ID. Talks to $DISPLAY over a connection of its own.
    // False when no X server answers.
    static bool activate(std::uint32_t window, const QByteArray &startupId);
    // The user time a startup id carries after "_TIME"; 0 when none.
    static std::uint32_t timestampOf(const QByteArray &startupId);
    // The "remove" message for `startupId`, with the quoting the rules ask for.
    static QByteArray removeMessage(const QByteArray &startupId);
};
