#include "content/Helper64Thread.h"

#include "app/Logger.h"
#include "helper/HelperProtocol.h"

#include <QLocalServer>
#include <QLocalSocket>

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
    quit();
    wait();
}

void Helper64Thread::run()
{
    exec();
    m_socket.reset();
    m_server.reset();
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
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &Helper64Thread::onNewConnection);
    if (path.isEmpty() || !m_server->listen(path)) {
        Logger::instance()->log(WARNING, kComponent,
                                QStringLiteral("Failed to open the pipe, err=%1").arg(m_server->serverError()));
        // No helper can come: the client need not wait for it.
        emit connectFinished();
        return;
    }
    Logger::instance()->log(INFO, kComponent, "Create pipe");
}

void Helper64Thread::onNewConnection()
{
    QLocalSocket *socket = m_server->nextPendingConnection();
    if (!socket || m_socket) {
        delete socket;
        return;
    }
    m_socket.reset(socket);
    m_socket->setParent(nullptr);
    connect(socket, &QLocalSocket::readyRead, this, &Helper64Thread::onReadyRead);
    connect(socket, &QLocalSocket::disconnected, this, &Helper64Thread::onDisconnected);
    // One helper per channel: the socket's name goes away with the listening.
    m_server->close();
    {
        QMutexLocker lock(&m_mutex);
        m_connected = true;
    }
    emit connectFinished();
}

void Helper64Thread::onWrite(const QString &data)
{
    bool written = false;
    if (m_socket && m_socket->state() == QLocalSocket::ConnectedState) {
        const QByteArray frame = HelperProtocol::encodeFrame(data);
        written = m_socket->write(frame) == frame.size();
        m_socket->flush();
    }
    {
        QMutexLocker lock(&m_mutex);
        m_written = written;
    }
    emit writeFinished();
}

void Helper64Thread::onRead()
{
    {
        QMutexLocker lock(&m_mutex);
        m_reply.clear();
    }
    m_reading = true;
    if (!m_socket || m_socket->state() != QLocalSocket::ConnectedState) {
        // What already arrived may still hold the answer.
        finishRead();
        if (m_reading)
            failRead(m_socket ? QString::number(m_socket->error()) : QStringLiteral("not connected"));
        return;
    }
    finishRead();
}

void Helper64Thread::onReadyRead()
{
    m_received += m_socket->readAll();
    if (m_reading)
        finishRead();
}

void Helper64Thread::onDisconnected()
{
    {
        QMutexLocker lock(&m_mutex);
        m_connected = false;
    }
    if (m_reading) {
        m_received += m_socket->readAll();
        finishRead();
    }
    if (m_reading)
        failRead(QString::number(m_socket->error()));
}

// Ends the read when a whole message has arrived.
void Helper64Thread::finishRead()
{
    QString message;
    bool broken = false;
    if (!HelperProtocol::takeFrame(&m_received, &message, &broken)) {
        if (broken)
            failRead(QStringLiteral("malformed message"));
        return;
    }
    m_reading = false;
    {
        QMutexLocker lock(&m_mutex);
        m_reply = message;
        m_readOk = true;
    }
    emit readFinished();
}

void Helper64Thread::failRead(const QString &error)
{
    m_reading = false;
    Logger::instance()->log(WARNING, kComponent, QStringLiteral("Read pipe failed, error=%1").arg(error));
    {
        QMutexLocker lock(&m_mutex);
        m_readOk = false;
    }
    emit readFinished();
}
