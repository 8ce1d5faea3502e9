#include "session/StartupRoles.h"

#include "base/DataPaths.h"
#include "base/Logger.h"
#include "platform/linux/CrashHandler.h"
#include "platform/linux/SystemInfo.h"
#include "session/InstanceChannel.h"
#include "session/MessageListenWidget.h"
#include "session/TaskScheduler.h"
#include "session/WaitAdminProcessThread.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <cstdlib>

static const char kComponent[] = "main";
static const int kHandOverTimeoutMs = 5000;

static const char kEnableSkipUACArgument[] = "-enable-skip-uac";
static const char kDisableSkipUACArgument[] = "-disable-skip-uac";
static const char kEnableShellIntegration[] = "-enable-shell-integration";
static const char kDisableShellIntegration[] = "-disable-shell-integration";
static const char kNoElevationArgument[] = "-no-elevation";
static const char kPathArgument[] = "-path";

static void logLine(int level, const QString &message)
{
    Logger::instance()->log(level, kComponent, message);
}

static int exitCodeLogged(int code)
{
    logLine(INFO, QStringLiteral("Exit with code %1").arg(code));
    return code;
}

void installCrashDumpWriter()
{
    QDir().mkpath(DataPaths::dataDirectory());
    installCrashHandler(QFile::encodeName(DataPaths::crashDumpFilePath()).constData());
}

int performAdminSwitch(const QStringList &arguments)
{
    // Which outcomes log their exit code differs from switch to switch; the
    // log lines are kept as they always were.
    struct Switch
    {
        const char *argument;
        const char *logName;
        void (*perform)();
        bool logsRefusal;
        bool logsSuccess;
    };
    static const Switch switches[] = {
        {kEnableSkipUACArgument, "kEnableSkipUACArgument", [] { createSkipUacTask(); }, true, false},
        {kDisableSkipUACArgument, "kDisableSkipUACArgument", [] { deleteSkipUacTask(); }, true, true},
        {kEnableShellIntegration, "kEnableShellIntegration", [] { setShellIntegration(true); }, false, false},
        {kDisableShellIntegration, "kDisableShellIntegration", [] { setShellIntegration(false); }, false, true},
    };
    for (const Switch &entry : switches) {
        if (!arguments.contains(QLatin1String(entry.argument)))
            continue;
        logLine(DEBUG, QLatin1String(entry.logName));
        const bool elevated = isProcessAdmin();
        if (elevated)
            entry.perform();
        const int code = elevated ? 0 : 5;
        if (elevated ? entry.logsSuccess : entry.logsRefusal)
            exitCodeLogged(code);
        return code;
    }
    return -1;
}

void handleAdminSwitches(const QStringList &arguments)
{
    const int code = performAdminSwitch(arguments);
    if (code >= 0)
        std::exit(code);
}

void notifyAnotherInstance(const QStringList &arguments)
{
    logLine(DEBUG, QStringLiteral("notifyAnotherInstance"));
    const QString title = QLatin1String(kMainInstanceWindowTitle);
    // Desktops let the running window take the focus only with the token
    // they gave this start.
    for (const char *name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"}) {
        const QString token = qEnvironmentVariable(name);
        if (!token.isEmpty()) {
            InstanceChannel::send(title, InstanceMessage::copyData(InstanceMessage::CopyDataActivationToken, token));
            break;
        }
    }
    if (arguments.size() >= 3 && arguments.at(1) == QLatin1String(kPathArgument))
        InstanceChannel::send(title, InstanceMessage::copyData(InstanceMessage::CopyDataNewSearch, arguments.at(2)));
    else
        InstanceChannel::send(title, InstanceMessage::plain(kMsgActivate));
}

// Runs a nested event loop until `signal` of `listener` fires or the
// hand-over time runs out; true when it fired.
template <typename Signal>
static bool waitForSignal(MessageListenWidget *listener, Signal signal, bool *fired)
{
    QEventLoop loop;
    QObject::connect(listener, signal, &loop, &QEventLoop::quit);
    QTimer::singleShot(kHandOverTimeoutMs, &loop, &QEventLoop::quit);
    if (!*fired)
        loop.exec();
    return *fired;
}

int initAdminInstance(MessageListenWidget *listener, QStringList *arguments)
{
    logLine(DEBUG, QStringLiteral("initAdminInstance"));
    arguments->clear();
    const QString companion = QLatin1String(kUserInstanceWindowTitle);
    if (!InstanceChannel::exists(companion))
        return -1;
    bool received = false;
    QString text;
    const QMetaObject::Connection connection =
        QObject::connect(listener, &MessageListenWidget::argumentsReceived, [&](const QString &value) {
            text = value;
            received = true;
        });
    InstanceChannel::post(companion, InstanceMessage::plain(kMsgAdminPid, quint64(QCoreApplication::applicationPid())));
    InstanceChannel::post(companion, InstanceMessage::plain(kMsgSendArguments));
    waitForSignal(listener, &MessageListenWidget::argumentsReceived, &received);
    QObject::disconnect(connection);
    if (!received)
        return 1;
    *arguments = text.split(QLatin1Char('|'));
    return -1;
}

QString unelevatedParameters(const QStringList &arguments)
{
    QStringList words;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        words << (argument.contains(QLatin1Char(' ')) ? QLatin1Char('"') + argument + QLatin1Char('"') : argument);
    }
    words << QLatin1String(kNoElevationArgument);
    return words.join(QLatin1Char(' '));
}

// Under Wayland the elevated window reaches the display through XWayland,
// which admits root only when told to. The grant lasts while the elevated
// instance runs.
static bool isWaylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY");
}

static bool setRootDisplayAccess(bool granted)
{
    const QString rule = QStringLiteral("SI:localuser:root");
    return QProcess::execute(QStringLiteral("xhost"), {(granted ? QLatin1Char('+') : QLatin1Char('-')) + rule}) == 0;
}

// Starts the elevated instance; true when it started.
static bool startElevated(bool *displayGranted)
{
    if (isWaylandSession()) {
        // With the display's key (XAUTHORITY, which pkexec passes on) root
        // gets in anyway; without it the grant is the only way.
        *displayGranted = setRootDisplayAccess(true);
        if (!*displayGranted && qEnvironmentVariableIsEmpty("XAUTHORITY")) {
            logLine(WARNING, QStringLiteral("The X display does not admit root (xhost failed): "
                                            "starting without elevation"));
            return false;
        }
    }
    if (runSkipUacTask()) {
        logLine(DEBUG, QStringLiteral("Task lauched."));
        return true;
    }
    logLine(DEBUG, QStringLiteral("Running task failed."));
    return isUserAdmin() && runElevated(QCoreApplication::applicationFilePath(), QString());
}

static int startUnelevated()
{
    const QString parameters = unelevatedParameters(QCoreApplication::arguments());
    if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), QProcess::splitCommand(parameters))) {
        logLine(ERROR, QStringLiteral("Failed to run with no elevation"));
        return 1;
    }
    return 0;
}

int runUserInstance(MessageListenWidget *listener)
{
    logLine(DEBUG, QStringLiteral("runUserInstance"));
    // The elevated instance may report before the launch is seen as done.
    bool pidKnown = false;
    int pid = 0;
    QObject::connect(listener, &MessageListenWidget::pidReceived, [&](int value) {
        pid = value;
        pidKnown = true;
    });
    // The elevated instance hands over the files it must not open as root.
    QObject::connect(listener, &MessageListenWidget::openFileRequested, [](const QString &path) {
        if (!QProcess::startDetached(QStringLiteral("xdg-open"), {path}))
            logLine(WARNING, QStringLiteral("Cannot open %1").arg(path));
    });
    bool displayGranted = false;
    if (!startElevated(&displayGranted)) {
        if (displayGranted)
            setRootDisplayAccess(false);
        return startUnelevated();
    }
    if (!waitForSignal(listener, &MessageListenWidget::pidReceived, &pidKnown)) {
        logLine(ERROR, QStringLiteral("Admin process PID not received."));
        if (displayGranted)
            setRootDisplayAccess(false);
        return 1;
    }
    WaitAdminProcessThread waiter(pid);
    waiter.start();
    const int code = QCoreApplication::exec();
    waiter.wait();
    if (displayGranted)
        setRootDisplayAccess(false);
    return code;
}

int settleProcessRole(const QStringList &arguments, std::unique_ptr<MessageListenWidget> *listener,
                      QStringList *forwarded)
{
    if (InstanceChannel::exists(QLatin1String(kMainInstanceWindowTitle))) {
        notifyAnotherInstance(arguments);
        return exitCodeLogged(0);
    }
    if (arguments.contains(QLatin1String(kNoElevationArgument))) {
        *listener = std::make_unique<MessageListenWidget>(QLatin1String(kMainInstanceWindowTitle));
        return -1;
    }
    if (isProcessAdmin()) {
        // Index databases list every name on the system: only their owner
        // may read what this process creates.
        restrictNewFilesToOwner();
        DataPaths::adoptDataFiles();
        *listener = std::make_unique<MessageListenWidget>(QLatin1String(kMainInstanceWindowTitle));
        return initAdminInstance(listener->get(), forwarded);
    }
    *listener = std::make_unique<MessageListenWidget>(QLatin1String(kUserInstanceWindowTitle));
    return runUserInstance(listener->get());
}
