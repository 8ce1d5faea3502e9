#include "session/ElevatedLauncher.h"

#include "base/Logger.h"
#include "platform/linux/ElevatedLaunch.h"
#include "platform/linux/Polkit.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <unistd.h>

static qint64 &elevatedProcessId()
{
    static qint64 pid = 0;
    return pid;
}

qint64 ElevatedLauncher::lastProcessId()
{
    return elevatedProcessId();
}

bool ElevatedLauncher::launch(const QStringList &arguments, const QString &failurePrefix)
{
    ElevatedLaunch launch(arguments);
    QEventLoop loop;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (launch.poll() != ElevatedLaunch::Waiting)
            loop.quit();
    });
    // No look at once: the process's name settles a moment after the spawn.
    if (launch.pid() > 0) {
        timer.start(50);
        loop.exec();
    }
    if (launch.poll() != ElevatedLaunch::Started) {
        Logger::instance()->log(WARNING, "TaskScheduler", failurePrefix + QString::number(launch.exitCode()));
        return false;
    }
    elevatedProcessId() = launch.pid();
    return true;
}

// What pkexec runs for `path`: the program itself where the installed action
// names it; otherwise (a build tree) env, which carries across what pkexec
// clears and the window needs: the display, its key, the language and the
// user the program acts for.
QStringList ElevatedLauncher::pkexecArguments(const QString &path)
{
    if (Polkit::isActionInstalledFor(path))
        return {path};
    QStringList arguments{QStringLiteral("/usr/bin/env")};
    for (const char *name : {"DISPLAY", "XAUTHORITY", "LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty())
            arguments << QString::fromLatin1(name) + QLatin1Char('=') + QString::fromLocal8Bit(value);
    }
    arguments << QStringLiteral("PKEXEC_UID=%1").arg(::getuid()) << path;
    return arguments;
}

bool ElevatedLauncher::run(const QString &path, const QString &parameters)
{
    return launch(pkexecArguments(path) + QProcess::splitCommand(parameters),
                  QStringLiteral("pkexec did not start ") + path + QStringLiteral(", error = "));
}
