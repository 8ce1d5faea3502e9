#include "session/SessionUserOpener.h"

#include "base/Logger.h"
#include "platform/linux/SessionUser.h"
#include "session/InstanceChannel.h"
#include "session/InstanceMessage.h"
#include "session/MessageListenWidget.h"

#include <QProcess>
#include <QProcessEnvironment>

bool SessionUserOpener::isActingForSessionUser()
{
    return SessionUser::current().isOtherThanProcess();
}

// The environment a program of the session user expects: pkexec leaves
// root's HOME and no runtime folder.
static QProcessEnvironment sessionEnvironment(const SessionUser &user)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), user.home);
    environment.insert(QStringLiteral("USER"), user.name);
    environment.insert(QStringLiteral("LOGNAME"), user.name);
    const QString runtime = user.runtimeDirectory();
    if (!runtime.isEmpty())
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    for (const char *name : {"PKEXEC_UID", "SUDO_UID", "SUDO_GID", "SUDO_USER", "SUDO_COMMAND"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

bool SessionUserOpener::open(const QString &path, const QString &parameters)
{
    const QString companion = QLatin1String(kUserInstanceWindowTitle);
    if (parameters.isEmpty() && InstanceChannel::exists(companion))
        return InstanceChannel::send(companion, InstanceMessage::copyData(InstanceMessage::CopyDataOpenFile, path));
    const SessionUser user = SessionUser::current();
    QProcess process;
    process.setProgram(QStringLiteral("setpriv"));
    QStringList arguments{QStringLiteral("--reuid=%1").arg(user.uid), QStringLiteral("--regid=%1").arg(user.gid),
                          QStringLiteral("--init-groups"), QStringLiteral("--")};
    if (parameters.isEmpty())
        arguments << QStringLiteral("xdg-open") << path;
    else
        arguments << path << QProcess::splitCommand(parameters);
    process.setArguments(arguments);
    process.setProcessEnvironment(sessionEnvironment(user));
    process.setWorkingDirectory(user.home);
    if (!process.startDetached()) {
        Logger::instance()->log(WARNING, "TaskScheduler", QStringLiteral("Cannot open %1 as user %2").arg(path, user.name));
        return false;
    }
    return true;
}
