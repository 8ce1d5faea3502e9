#include "content/Helper64Thread.h"

#include "base/Logger.h"
#include "helper/HelperProtocol.h"

#include "platform/linux/LocalStream.h"

#include <QFile>

#include <cerrno>

namespace {

const char kComponent[] = "Helper64Thread";

} // namespace

Helper64Thread::Helper64Thread()
{
    moveToThread(this);
    connect(this, &Helper64Thread::doConnect, this, &Helper64Thread::onConnect);
}

Helper64Thread::~Helper64Thread()
{
    cancelIo();
    quit();
    wait();
}

void Helper64Thread::run()
{
    exec();
    {
        QMutexLocker lock(&m_mutex);
        m_channel.reset();
    }
}

bool Helper64Thread::isConnected() const
{
    QMutexLocker lock(&m_mutex);
    return m_connected;
}

int Helper64Thread::channel() const
{
    QMutexLocker lock(&m_mutex);
    return m_channel.get();
}

void Helper64Thread::lose()
{
    QMutexLocker lock(&m_mutex);
    m_connected = false;
}

void Helper64Thread::onConnect(const QString &pipeId)
{
    const QString path = HelperProtocol::socketPath(pipeId);
    FileDescriptor listener = LocalStream::listen(path);
    if (!listener.isValid()) {
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("Failed to open the pipe, err=%1").arg(errno));
        // No helper can come: the client need not wait for it.
        emit connectFinished();
        return;
    }
    Logger::instance()->log(INFO, kComponent, "Create pipe");
    {
        QMutexLocker lock(&m_mutex);
        m_listener = std::move(listener);
        if (m_canceled)
            LocalStream::shutdown(m_listener.get());
    }
    // Blocks until the helper connects, or until cancelIo() when it never does.
    FileDescriptor channel = LocalStream::accept(m_listener.get());
    const int error = errno;
    // One helper per channel: the socket's name goes away with the listening.
    QFile::remove(path);
    {
        QMutexLocker lock(&m_mutex);
        m_listener.reset();
        m_channel = std::move(channel);
        if (m_canceled)
            LocalStream::shutdown(m_channel.get());
        m_connected = m_channel.isValid();
    }
    if (!m_connected)
        Logger::instance()->log(WARNING, kComponent,
                                QStringLiteral("Failed to make connection on named pipe, err=%1").arg(error));
    emit connectFinished();
}

void Helper64Thread::cancelIo()
{
    QMutexLocker lock(&m_mutex);
    m_canceled = true;
    LocalStream::shutdown(m_listener.get());
    LocalStream::shutdown(m_channel.get());
}

Helper64Thread::Outcome Helper64Thread::write(const QString &data, int timeoutMs)
{
    const int fd = channel();
    const QByteArray frame = HelperProtocol::encodeFrame(data);
    if (fd >= 0 && LocalStream::sendAll(fd, frame.constData(), frame.size(), timeoutMs))
        return Outcome::Done;
    if (fd >= 0 && errno == ETIMEDOUT)
        return Outcome::TimedOut;
    lose();
    return Outcome::Failed;
}

Helper64Thread::Outcome Helper64Thread::read(QString *reply, int timeoutMs)
{
    reply->clear();
    const int fd = channel();
    int error = ENOTCONN;
    const HelperProtocol::Received received = fd >= 0
        ? HelperProtocol::receiveFrame(fd, &m_received, reply, &error, timeoutMs)
        : HelperProtocol::Received::Closed;
    QString failure;
    switch (received) {
    case HelperProtocol::Received::Message:
        return Outcome::Done;
    case HelperProtocol::Received::TimedOut:
        return Outcome::TimedOut;
    case HelperProtocol::Received::Malformed:
        failure = QStringLiteral("malformed message");
        break;
    case HelperProtocol::Received::Closed:
        failure = QString::number(error); // 0: the helper closed its end
        break;
    }
    lose();
    reply->clear();
    Logger::instance()->log(WARNING, kComponent, QStringLiteral("Read pipe failed, error=%1").arg(failure));
    return Outcome::Failed;
}
