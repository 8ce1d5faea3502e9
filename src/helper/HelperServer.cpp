#include "helper/HelperServer.h"

#include "base/Logger.h"
#include "helper/DocumentExtractor.h"
#include "helper/HelperProtocol.h"
#include "platform/linux/LocalStream.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cstdlib>

namespace {

const char kComponent[] = "talvenquist-helper";
// Between two tries to reach a socket that is not listening yet.
const int kRetryMs = 20;

} // namespace

HelperServer::HelperServer(const QString &channel, const QString &tempFolder)
    : m_channel(channel)
    , m_tempFolder(tempFolder)
    , m_watchdog(kTimeLimitMs, kCancelGraceMs, [this](const QString &path) { answerTimeout(path); },
                 [](const QString &path) {
                     // A reader stuck where it cannot see the flag: ending the
                     // process is the only way out; the program starts a new helper.
                     Logger::instance()->log(ERROR, kComponent,
                                             QStringLiteral("Reader did not stop, file = %1").arg(path));
                     std::_Exit(EXIT_FAILURE);
                 })
{
}

bool HelperServer::connectToProgram(int timeoutMs)
{
    const QString path = HelperProtocol::socketPath(m_channel);
    if (path.isEmpty())
        return false;
    // The program starts listening on its own thread while this process
    // starts, so the first tries may find no socket yet.
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        m_socket = LocalStream::connect(path);
        if (m_socket.isValid())
            return true;
        QThread::msleep(kRetryMs);
    }
    Logger::instance()->log(WARNING, kComponent, QStringLiteral("Failed to connect to %1").arg(path));
    return false;
}

void HelperServer::run()
{
    for (;;) {
        QString message;
        int error = 0;
        switch (HelperProtocol::receiveFrame(m_socket.get(), &m_received, &message, &error)) {
        case HelperProtocol::Received::Message:
            if (!answer(message))
                return;
            break;
        case HelperProtocol::Received::Malformed:
            Logger::instance()->log(WARNING, kComponent, "Malformed message; leaving");
            return;
        case HelperProtocol::Received::Closed:
        case HelperProtocol::Received::TimedOut: // not asked for: no time limit here
            return; // the program has gone
        }
    }
}

bool HelperServer::answer(const QString &message)
{
    const QLatin1String convertPrefix(HelperProtocol::kConvert);
    if (message == QLatin1String(HelperProtocol::kExit))
        return false;
    if (message == QLatin1String(HelperProtocol::kGetFilters)) {
        return send(HelperProtocol::formatFilterList(DocumentExtractor::filters()));
    } else if (message.startsWith(convertPrefix)) {
        convert(message.mid(convertPrefix.size()));
        return true;
    }
    Logger::instance()->log(WARNING, kComponent, QStringLiteral("Unknown message: %1").arg(message.left(64)));
    return send(QString());
}

void HelperServer::convert(const QString &path)
{
    if (!DocumentExtractor::serves(path)) {
        send(QString());
        return;
    }
    const std::atomic<bool> &cancel = m_watchdog.begin(path);
    const QString output = DocumentExtractor::extract(path, m_tempFolder, &cancel);
    if (m_watchdog.end()) {
        send(output);
        return;
    }
    // The program was told "TIMEOUT" already and has moved on.
    if (!output.isEmpty())
        QFile::remove(output);
}

void HelperServer::answerTimeout(const QString &path)
{
    send(QString::fromLatin1(HelperProtocol::kTimeout));
    Logger::instance()->log(WARNING, kComponent, QStringLiteral("convert TIMEOUT, file = %1").arg(path));
}

// False when the program has gone.
bool HelperServer::send(const QString &message)
{
    const QByteArray frame = HelperProtocol::encodeFrame(message);
    return LocalStream::sendAll(m_socket.get(), frame.constData(), frame.size());
}
