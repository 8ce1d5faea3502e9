#include "ui/ShellOpen.h"

#include "base/Logger.h"
#include "session/TaskScheduler.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

static const char kComponent[] = "ShellUtils";

static ShellOpener &shellOpener()
{
    static ShellOpener opener;
    return opener;
}

void setShellOpener(ShellOpener opener)
{
    shellOpener() = std::move(opener);
}

static bool openWithDesktop(const QString &path, const QString &parameters)
{
    // An elevated instance would open the file with root's rights, as root's
    // desktop settings: the session user opens it instead.
    if (isActingForSessionUser())
        return openAsSessionUser(path, parameters);
    const QFileInfo info(path);
    // A program with parameters is started as a program; anything else is
    // handed to the desktop's default application for its type.
    if (!parameters.isEmpty() && info.isFile() && info.isExecutable())
        return QProcess::startDetached(path, QProcess::splitCommand(parameters));
    const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!opened)
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("Cannot open %1").arg(path));
    return opened;
}

bool openWithShell(QWidget *owner, const QString &path, const QString &parameters)
{
    if (path.isEmpty())
        return false;
    if (shellOpener())
        return shellOpener()(owner, path, parameters);
    return openWithDesktop(path, parameters);
}
