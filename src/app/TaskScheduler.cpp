#include "app/TaskScheduler.h"

#include "base/DataPaths.h"
#include "app/InstanceChannel.h"
#include "base/Logger.h"
#include "app/MessageListenWidget.h"
#include "platform/linux/ElevatedLaunch.h"
#include "platform/linux/Polkit.h"
#include "platform/linux/SessionUser.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSaveFile>
#include <QTimer>

#include <unistd.h>

const char kSkipUacTaskName[] = "Talvenquist_SkipUAC";

static const char kComponent[] = "TaskScheduler";
static const char kFolderMenuFile[] = "talvenquist-search-folder.desktop";

static void logLine(int level, const QString &message)
{
    Logger::instance()->log(level, kComponent, message);
}

static QString &systemDataDirectory()
{
    static QString folder;
    return folder;
}

void setSystemDataDirectory(const QString &folder)
{
    systemDataDirectory() = folder;
}

static QString systemData(const QString &relative)
{
    const QString base = systemDataDirectory().isEmpty() ? QStringLiteral("/usr/share") : systemDataDirectory();
    return base + QLatin1Char('/') + relative;
}

static QString programFile()
{
    return QCoreApplication::applicationFilePath();
}

// Replaces `path` whole: readers see the old file or the new one.
static bool writeFileAtomically(const QString &path, const QByteArray &content, QFile::Permissions mode)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        logLine(ERROR, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    QFile::setPermissions(path, mode);
    return true;
}

static bool removeFile(const QString &path)
{
    if (!QFile::exists(path) || QFile::remove(path))
        return true;
    logLine(ERROR, QStringLiteral("Cannot remove %1").arg(path));
    return false;
}

static QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static QString skipUacRulePath()
{
    return Polkit::rulesDirectory() + QStringLiteral("/49-%1.rules").arg(QLatin1String(kSkipUacTaskName));
}

// The rule's test of the subject, also how isSkipUacTaskEnabled recognises
// whom the rule admits. A JavaScript string: quotes and backslashes escaped.
static QByteArray skipUacSubjectTest()
{
    QString name = SessionUser::current().name;
    name.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return "subject.user == \"" + name.toUtf8() + "\"";
}

bool createSkipUacTask()
{
    const QByteArray rule = "// " + QByteArray(kSkipUacTaskName)
        + ": lets this user start Talvenquist as root without a password prompt.\n"
          "polkit.addRule(function(action, subject) {\n"
          "    if (action.id == \""
        + QByteArray(Polkit::kActionId) + "\" && " + skipUacSubjectTest()
        + " && subject.local && subject.active)\n"
          "        return polkit.Result.YES;\n"
          "});\n";
    // polkitd runs as its own user and must be able to read the rule.
    return writeFileAtomically(skipUacRulePath(), rule,
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

bool deleteSkipUacTask()
{
    return removeFile(skipUacRulePath());
}

bool isSkipUacTaskEnabled()
{
    return readFile(skipUacRulePath()).contains(skipUacSubjectTest());
}

static qint64 &elevatedProcessId()
{
    static qint64 pid = 0;
    return pid;
}

qint64 lastElevatedProcessId()
{
    return elevatedProcessId();
}

// Runs pkexec and follows it until the program behind it started or pkexec
// gave up. The event loop runs meanwhile: a password prompt may take long.
static bool launchThroughPkexec(const QStringList &arguments, const QString &failurePrefix)
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
        logLine(WARNING, failurePrefix + QString::number(launch.exitCode()));
        return false;
    }
    elevatedProcessId() = launch.pid();
    return true;
}

bool runSkipUacTask()
{
    if (!isSkipUacTaskEnabled() || !Polkit::isActionInstalledFor(programFile())) {
        logLine(INFO, QStringLiteral("rootFolder->GetTask failed, error = %1").arg(ENOENT));
        return false;
    }
    return launchThroughPkexec({programFile()}, QStringLiteral("registeredTask->Run failed, error = "));
}

// What pkexec runs for `path`: the program itself where the installed action
// names it; otherwise (a build tree) env, which carries across what pkexec
// clears and the window needs: the display, its key, the language and the
// user the program acts for.
static QStringList pkexecArguments(const QString &path)
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

bool runElevated(const QString &path, const QString &parameters)
{
    return launchThroughPkexec(pkexecArguments(path) + QProcess::splitCommand(parameters),
                               QStringLiteral("pkexec did not start ") + path + QStringLiteral(", error = "));
}

bool isActingForSessionUser()
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

bool openAsSessionUser(const QString &path, const QString &parameters)
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
        logLine(WARNING, QStringLiteral("Cannot open %1 as user %2").arg(path, user.name));
        return false;
    }
    return true;
}

bool isVistaOrLater()
{
    return true;
}

bool isWow64()
{
    return false;
}

// Characters after which the Desktop Entry rules want an argument quoted.
static bool needsQuoting(const QString &word)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QChar c : word) {
        if (reserved.contains(c))
            return true;
    }
    return word.isEmpty();
}

QString desktopExecWord(const QString &word)
{
    QString quoted = word;
    if (needsQuoting(word)) {
        quoted.clear();
        for (const QChar c : word) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // The string-value escapes apply before the quoting rules are read, so
    // every backslash is written twice; "%" starts a field code.
    return quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('%'), QStringLiteral("%%"));
}

static QString autostartPath()
{
    return DataPaths::configDirectory() + QStringLiteral("/autostart/Talvenquist.desktop");
}

void setAutostart(bool on)
{
    const QString path = autostartPath();
    if (!on) {
        removeFile(path);
        return;
    }
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=Talvenquist\nExec=%1 -minimize\n"
                                         "Terminal=false\nX-GNOME-Autostart-enabled=true\n")
                              .arg(desktopExecWord(programFile()));
    const SessionUser user = SessionUser::current();
    if (writeFileAtomically(path, entry.toUtf8(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther)) {
        user.adopt(QFileInfo(path).absolutePath());
        user.adopt(path);
    }
}

// The value of `key` in the main group of a desktop entry, empty when absent.
static QString desktopEntryValue(const QString &path, const QString &key)
{
    const QString text = QString::fromUtf8(readFile(path));
    bool inMainGroup = false;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line.trimmed() == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.section(QLatin1Char('='), 0, 0).trimmed() == key)
            return line.section(QLatin1Char('='), 1).trimmed();
    }
    return QString();
}

bool isAutostart()
{
    const QString path = autostartPath();
    return QFile::exists(path) && desktopEntryValue(path, QStringLiteral("Hidden")) != QLatin1String("true");
}

static QString folderMenuCaption()
{
    return QCoreApplication::translate("TaskScheduler", "Search with %1...").arg(QStringLiteral("Talvenquist"));
}

static QString applicationsEntryPath()
{
    return systemData(QStringLiteral("applications/")) + QLatin1String(kFolderMenuFile);
}

static QString serviceMenuPath()
{
    return systemData(QStringLiteral("kio/servicemenus/")) + QLatin1String(kFolderMenuFile);
}

static QString folderMenuExec()
{
    return desktopExecWord(programFile()) + QStringLiteral(" -path %f");
}

void setShellIntegration(bool on)
{
    if (!on) {
        removeFile(applicationsEntryPath());
        removeFile(serviceMenuPath());
        return;
    }
    const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    const QString caption = folderMenuCaption();
    // Shown in the application menus too: some file managers' application
    // choosers leave out entries hidden there (NoDisplay). Started from a
    // menu, "-path" without a folder only opens the window.
    const QString application = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n"
                                                "MimeType=inode/directory;\nIcon=system-search\nTerminal=false\n")
                                    .arg(caption, folderMenuExec());
    const QString serviceMenu = QStringLiteral("[Desktop Entry]\nType=Service\nMimeType=inode/directory;\n"
                                               "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\nActions=searchFolder;\n\n"
                                               "[Desktop Action searchFolder]\nName=%1\nExec=%2\nIcon=system-search\n")
                                    .arg(caption, folderMenuExec());
    writeFileAtomically(applicationsEntryPath(), application.toUtf8(), readable);
    // KDE offers service menus only when they are executable.
    writeFileAtomically(serviceMenuPath(), serviceMenu.toUtf8(),
                        readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

bool isShellIntegrated()
{
    return !desktopEntryValue(applicationsEntryPath(), QStringLiteral("Exec")).isEmpty();
}
