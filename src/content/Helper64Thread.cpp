#include "content/Helper64Thread.h"

#include "app/Logger.h"
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
    connect(this, &Helper64Thread::doRead, this, &Helper64Thread::onRead);
    connect(this, &Helper64Thread::doWrite, this, &Helper64Thread::onWrite);
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

bool Helper64Thread::writeResult() const
{
    QMutexLocker lock(&m_mutex);
    return m_written;
}

bool Helper64Thread::readResult() const
{
    QMutexLocker lock(&m_mutex);
    return m_readOk;
}

QString Helper64Thread::reply() const
{
    QMutexLocker lock(&m_mutex);
    return m_reply;
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

void Helper64Thread::onWrite(const QString &data)
{
    const QByteArray frame = HelperProtocol::encodeFrame(data);
    const bool written = m_channel.isValid() && LocalStream::sendAll(m_channel.get(), frame.constData(), frame.size());
    {
        QMutexLocker lock(&m_mutex);
        m_written = written;
        if (!written)
            m_connected = false;
    }
    emit writeFinished();
}

void Helper64Thread::onRead()
{
    bool sent;
    {
        QMutexLocker lock(&m_mutex);
        m_reply.clear();
        sent = m_written;
    }
    // No reply can come to a request that was not sent; the client reports
    // the failed write.
    if (!sent) {
        {
            QMutexLocker lock(&m_mutex);
            m_readOk = false;
        }
        emit readFinished();
        return;
    }
    QString message;
    int error = ENOTCONN;
    const HelperProtocol::Received received = m_channel.isValid()
        ? HelperProtocol::receiveFrame(m_channel.get(), &m_received, &message, &error)
        : HelperProtocol::Received::Closed;
    switch (received) {
    case HelperProtocol::Received::Message:
        endRead(true, message);
        return;
    case HelperProtocol::Received::Malformed:
        endRead(false, QStringLiteral("malformed message"));
        return;
    case HelperProtocol::Received::Closed:
        {
            QMutexLocker lock(&m_mutex);
            m_connected = false;
        }
        // error 0: the helper closed its end.
        endRead(false, QString::number(error));
        return;
    }
}

void Helper64Thread::endRead(bool ok, const QString &message)
{
    if (!ok)
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("Read pipe failed, error=%1").arg(message));
    {
        QMutexLocker lock(&m_mutex);
        m_readOk = ok;
        m_reply = ok ? message : QString();
    }
    emit readFinished();
}
