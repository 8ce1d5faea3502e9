#pragma once

#include <QString>

// Tells the service manager how the service is doing (sd_notify). Outside
// systemd (no NOTIFY_SOCKET) every call does nothing.
namespace SystemdNotifier {

// The service answers requests now.
void ready();
// One line for "systemctl status".
void status(const QString &text);
void reloading();
void stopping();

} // namespace SystemdNotifier
