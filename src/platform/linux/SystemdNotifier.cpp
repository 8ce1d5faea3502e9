#include "platform/linux/SystemdNotifier.h"

#include <systemd/sd-daemon.h>

namespace SystemdNotifier {

void ready()
{
    sd_notify(0, "READY=1");
}

void status(const QString &text)
{
    sd_notify(0, ("STATUS=" + text.toUtf8()).constData());
}

void reloading()
{
    sd_notify(0, "RELOADING=1");
}

void stopping()
{
    sd_notify(0, "STOPPING=1");
}

} // namespace SystemdNotifier
