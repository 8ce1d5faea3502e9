#include "base/BuildInfo.h"
#include "base/DataPaths.h"
#include "base/FileNameCodec.h"
#include "base/Logger.h"
#include "base/MetaTypes.h"
#include "base/Settings.h"
#include "platform/linux/SystemInfo.h"
#include "session/InstanceChannel.h"
#include "session/MessageListenWidget.h"
#include "session/StartupRoles.h"
#include "session/TaskScheduler.h"
#include "ui/MainWindow.h"
#include "ui/SessionHandOver.h"
#include "ui/ShellUtils.h"

#include <QApplication>
#include <QIcon>

#include <exception>
#include <memory>

static const char kComponent[] = "main";

static QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

static void logHeader(Logger *logger, const QStringList &arguments)
{
    const QString rule(28, QLatin1Char('-'));
    const KernelVersion os = kernelVersion();
    logger->log(INFO, kComponent, rule);
    logger->log(INFO, kComponent, QStringLiteral("Version: %1").arg(BuildInfo::version()));
    logger->log(INFO, kComponent, QStringLiteral("Build time: %1").arg(BuildInfo::buildTime()));
    logger->log(INFO, kComponent, QStringLiteral("OS version %1.%2").arg(os.majorVersion).arg(os.minorVersion));
    logger->log(INFO, kComponent, QStringLiteral("Is process admin: %1").arg(yesNo(isProcessAdmin())));
    logger->log(INFO, kComponent, QStringLiteral("Is user admin: %1").arg(yesNo(isUserAdmin())));
    logger->log(INFO, kComponent, QStringLiteral("Arguments = %1").arg(arguments.join(QLatin1Char(' '))));
    logger->log(INFO, kComponent, rule);
}

// A start that finds another instance answering will hand over to it or
// serve it; that instance owns the log, so this one adds its lines instead of
// starting the file anew (which would wipe what the running one wrote).
static Logger::OpenMode logOpenMode()
{
    const bool another = InstanceChannel::exists(QString::fromLatin1(kMainInstanceWindowTitle))
        || InstanceChannel::exists(QString::fromLatin1(kUserInstanceWindowTitle));
    return another ? Logger::Append : Logger::Truncate;
}

// The window's event loop. A standard exception that escapes it is logged
// and passed on.
static int runEventLoop(QApplication &app, Logger *logger)
{
    try {
        return app.exec();
    } catch (const std::exception &error) {
        logger->log(ERROR, kComponent, QString::fromLocal8Bit(error.what()));
        throw;
    }
}

int main(int argc, char *argv[])
{
    // Before any path is decoded, the arguments included.
    FileNameCodec::install();
    // The settings come first: the logger's own option is read from them.
    Settings *settings = Settings::instance(DataPaths::settingsFilePath());
    Logger *logger = Logger::instance(DataPaths::logFilePath(), logOpenMode());
    logger->setAssertLogging(settings->value(Settings::DebugAssertLogging).toBool());
    logger->log(INFO, kComponent, "Log file created.");
    installCrashDumpWriter();

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvenquist"));
    QApplication::setDesktopFileName(QStringLiteral("talvenquist"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":Images/Talvenquist.png")));
    logHeader(logger, app.arguments());

    handleAdminSwitches(app.arguments());
    // A companion runs the desktop's errands of its root instance.
    MessageListenWidget::setSessionErrandHandler([](quint64 kind, const QString &text) {
        const auto errand = SessionErrand(kind);
        return ShellUtils::performSessionErrand(errand, sessionErrandArguments(errand, text));
    });
    std::unique_ptr<MessageListenWidget> listener;
    QStringList forwarded;
    const int roleExitCode = settleProcessRole(app.arguments(), &listener, &forwarded);
    if (roleExitCode >= 0) {
        DataPaths::adoptDataFiles();
        return roleExitCode;
    }
    registerMetaTypes();
    if (isActingForSessionUser())
        installCompanionHandOver();

    // The index needs root's rights; "-no-elevation" searches by walking.
    const bool useIndex = isProcessAdmin() && !app.arguments().contains(QStringLiteral("-no-elevation"));
    auto window = std::make_unique<MainWindow>(forwarded.isEmpty() ? app.arguments() : forwarded, useIndex);
    MainWindow *shown = window.get();
    QObject::connect(listener.get(), &MessageListenWidget::activationRequested, shown, [shown] {
        shown->showNormal();
        shown->raise();
        shown->activateWindow();
    });
    QObject::connect(listener.get(), &MessageListenWidget::newSearchRequested, shown, &MainWindow::newSearchInFolder);
    const int code = runEventLoop(app, logger);
    logger->log(INFO, kComponent, QStringLiteral("Exiting with code: %1").arg(code));
    window.reset();
    listener.reset();
    Settings::destroyInstance();
    DataPaths::adoptDataFiles();
    return code;
}
