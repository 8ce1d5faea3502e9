#include "app/FileNameCodec.h"
#include "app/DataPaths.h"
#include "app/Logger.h"
#include "app/MetaTypes.h"
#include "app/Settings.h"
#include "platform/linux/SystemInfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QTextStream>

static const char kComponent[] = "main";
static const char kVersion[] = "1.43";

static QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

// When this program was compiled, as the compiler's local date and time.
static QString buildTime()
{
    const QDate date = QLocale::c().toDate(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    const QTime time = QTime::fromString(QString::fromLatin1(__TIME__), QStringLiteral("hh:mm:ss"));
    return QLocale().toString(QDateTime(date, time), QLocale::ShortFormat);
}

static void logHeader(Logger *logger, const QStringList &arguments)
{
    const QString rule(28, QLatin1Char('-'));
    const KernelVersion os = kernelVersion();
    logger->log(INFO, kComponent, rule);
    logger->log(INFO, kComponent, QStringLiteral("Version: %1").arg(QLatin1String(kVersion)));
    logger->log(INFO, kComponent, QStringLiteral("Build time: %1").arg(buildTime()));
    logger->log(INFO, kComponent, QStringLiteral("OS version %1.%2").arg(os.majorVersion).arg(os.minorVersion));
    logger->log(INFO, kComponent, QStringLiteral("Is process admin: %1").arg(yesNo(isProcessAdmin())));
    logger->log(INFO, kComponent, QStringLiteral("Is user admin: %1").arg(yesNo(isUserAdmin())));
    logger->log(INFO, kComponent, QStringLiteral("Arguments = %1").arg(arguments.join(QLatin1Char(' '))));
    logger->log(INFO, kComponent, rule);
}

int main(int argc, char *argv[])
{
    // Before any path is decoded, the arguments included.
    FileNameCodec::install();
    // The settings come first: the logger's own option is read from them.
    Settings *settings = Settings::instance(DataPaths::settingsFilePath());
    Logger *logger = Logger::instance(DataPaths::logFilePath());
    logger->setAssertLogging(settings->value(Settings::DebugAssertLogging).toBool());
    logger->log(INFO, kComponent, "Log file created.");

    QCoreApplication app(argc, argv);
    logHeader(logger, app.arguments());
    registerMetaTypes();

    QTextStream(stderr) << "talvenquist: the window front end is not built yet; "
                           "search with the command-line front end tvq (tvq --help).\n";
    const int code = 1;
    logger->log(INFO, kComponent, QStringLiteral("Exiting with code: %1").arg(code));
    // Writes the defaults of a new settings file.
    Settings::destroyInstance();
    return code;
}
