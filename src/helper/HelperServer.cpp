#include "helper/HelperServer.h"

#include "app/Logger.h"
#include "helper/DocumentExtractor.h"
#include "helper/HelperProtocol.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <atomic>
#include <cstdlib>
#include <memory>

namespace {

const char kComponent[] = "talvenquist-helper";
// Between two tries to reach a socket that is not listening yet.
const int kRetryMs = 20;

} // namespace

HelperServer::HelperServer(const QString &channel, const QString &tempFolder, QObject *parent)
    : QObject(parent)
    , m_channel(channel)
    , m_tempFolder(tempFolder)
{
    connect(&m_socket, &QLocalSocket::readyRead, this, &HelperServer::onReadyRead);
    connect(&m_socket, &QLocalSocket::disconnected, this, &HelperServer::finished);
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
        m_socket.connectToServer(path);
        if (m_socket.waitForConnected(int(qMax<qint64>(deadline.remainingTime(), 0))))
            return true;
        m_socket.abort();
        QThread::msleep(kRetryMs);
    }
    Logger::instance()->log(WARNING, kComponent, QStringLiteral("Failed to connect to %1").arg(path));
    return false;
}

void HelperServer::onReadyRead()
{
    m_received += m_socket.readAll();
    QString message;
    bool broken = false;
    while (HelperProtocol::takeFrame(&m_received, &message, &broken)) {
        if (!answer(message)) {
            emit finished();
            return;
        }
    }
    if (broken) {
        Logger::instance()->log(WARNING, kComponent, "Malformed message; leaving");
        emit finished();
    }
}

bool HelperServer::answer(const QString &message)
{
    const QLatin1String convertPrefix(HelperProtocol::kConvert);
    if (message == QLatin1String(HelperProtocol::kExit))
        return false;
    if (message == QLatin1String(HelperProtocol::kGetFilters)) {
        send(HelperProtocol::formatFilterList(DocumentExtractor::filters()));
    } else if (message.startsWith(convertPrefix)) {
        convert(message.mid(convertPrefix.size()));
    } else {
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("Unknown message: %1").arg(message.left(64)));
        send(QString());
    }
    return true;
}

// The reading runs on a thread of its own so that a document that takes too
// long can be answered "TIMEOUT" at once while the reader is told to stop.
void HelperServer::convert(const QString &path)
{
    if (!DocumentExtractor::serves(path)) {
        send(QString());
        return;
    }
    std::atomic<bool> cancel{false};
    QString output;
    const QString folder = m_tempFolder;
    std::unique_ptr<QThread> worker(
        QThread::create([&output, &cancel, path, folder] { output = DocumentExtractor::extract(path, folder, &cancel); }));
    worker->start();
    if (worker->wait(kTimeLimitMs)) {
        send(output);
        return;
    }
    cancel = true;
    send(QString::fromLatin1(HelperProtocol::kTimeout));
    m_socket.flush();
    Logger::instance()->log(WARNING, kComponent, QStringLiteral("convert TIMEOUT, file = %1").arg(path));
    if (!worker->wait(kCancelGraceMs)) {
        // A reader stuck where it cannot see the flag: ending the process is
        // the only way out; the program starts a new helper.
        Logger::instance()->log(ERROR, kComponent, QStringLiteral("Reader did not stop, file = %1").arg(path));
        m_socket.waitForBytesWritten(kCancelGraceMs);
        std::_Exit(EXIT_FAILURE);
    }
    if (!output.isEmpty())
        QFile::remove(output);
}

void HelperServer::send(const QString &message)
{
    m_socket.write(HelperProtocol::encodeFrame(message));
    // At once, rather than on the next turn of the event loop.
    m_socket.flush();
}
