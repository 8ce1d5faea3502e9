#include "app/DataPaths.h"
#include "app/Logger.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Logger::instance(DataPaths::logFilePath())->log(INFO, "main", "Log file created.");
    QTextStream(stderr) << "talvenquist: the window front end is not built yet; "
                           "the tvq command-line front end is not built yet either.\n";
    Logger::instance()->log(INFO, "main", QStringLiteral("Exiting with code: %1").arg(1));
    return 1;
}
