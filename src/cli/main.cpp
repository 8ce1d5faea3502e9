#include "base/FileNameCodec.h"
#include "cli/CommandLine.h"
#include "cli/TvqProgram.h"
#include "platform/linux/SystemInfo.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

static const char kVersion[] = "1.43";

int main(int argc, char *argv[])
{
    // A reader that stops early (| head) must not kill tvq before the index is saved.
    std::signal(SIGPIPE, SIG_IGN);
    // Before any path is decoded, the arguments included.
    FileNameCodec::install();
    const bool stdoutClosed = holdClosedDescriptor(1);
    holdClosedDescriptor(2);
    // tvq runs no GLib code: Qt's own event loop starts in a fraction of the
    // time the GLib one takes, which a name query answered in milliseconds
    // notices.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tvq"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    CommandLine commandLine;
    if (!commandLine.parse(app.arguments()))
        return TvqProgram::usageError(commandLine.errorText());
    if (commandLine.helpRequested()) {
        QTextStream(stdout) << commandLine.helpText();
        return TvqProgram::kFound;
    }
    if (commandLine.versionRequested()) {
        QTextStream(stdout) << "tvq " << kVersion << '\n';
        return TvqProgram::kFound;
    }
    const int status = TvqProgram(commandLine, stdoutClosed).run();
    TvqProgram::finish(status);
    return status;
}
