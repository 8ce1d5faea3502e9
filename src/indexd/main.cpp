#include "base/FileNameCodec.h"
#include "base/Logger.h"
#include "base/MetaTypes.h"
#include "indexd/IndexService.h"
#include "indexd/IndexdOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <csignal>
#include <sys/stat.h>

int main(int argc, char *argv[])
{
    // A client gone mid-answer must not end the service.
    std::signal(SIGPIPE, SIG_IGN);
    // Databases and the log are root's alone.
    ::umask(077);
    FileNameCodec::install();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("talvenquist-indexd"));
    IndexdOptions options;
    QString error;
    bool help = false;
    if (!options.parse(app.arguments(), &error, &help)) {
        QTextStream(help ? stdout : stderr) << (help ? error : QStringLiteral("talvenquist-indexd: %1\n").arg(error));
        return help ? 0 : 2;
    }
    QDir().mkpath(options.stateDir);
    Logger *logger = Logger::instance(options.logFile());
    logger->setEchoProblems(true);
    logger->log(INFO, "main", QStringLiteral("Log file created."));
    registerMetaTypes();
    IndexService service(options);
    if (!service.start())
        return 1;
    const int status = app.exec();
    return status != 0 ? status : service.exitCode();
}
