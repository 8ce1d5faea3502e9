#include "base/Logger.h"
#include "helper/HelperServer.h"
#include "platform/linux/ProcessLimits.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

const char kComponent[] = "talvenquist-helper";
// A document that needs more than this is refused by the allocator rather
// than allowed to take the computer's memory.
const quint64 kAddressSpaceLimit = 1024ull * 1024 * 1024;
// How long the program may take to listen after starting the helper.
const int kConnectTimeoutMs = 10000;

} // namespace

// talvenquist-helper CHANNEL LOGFILE TEMPFOLDER: started by the program, never
// by a user. It reads office documents out of the program's process, so a
// hostile or broken document can at worst end this process.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        QTextStream(stderr) << "usage: talvenquist-helper CHANNEL LOGFILE TEMPFOLDER (started by talvenquist)\n";
        return 2;
    }
    Logger *logger = Logger::instance(arguments.at(2), Logger::Append);
    if (!limitAddressSpace(kAddressSpaceLimit))
        logger->log(WARNING, kComponent, "Failed to limit the address space");
    HelperServer server(arguments.at(1), arguments.at(3));
    if (!server.connectToProgram(kConnectTimeoutMs))
        return 1;
    server.run();
    return 0;
}
