#include "session/MessageListenWidget.h"

#include "base/Logger.h"
#include "platform/linux/PeerCredentials.h"
#include "platform/linux/SessionUser.h"
#include "session/InstanceChannel.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

const char kMainInstanceWindowTitle[] = "Talvenquist-9EF18664-AD47-4D54-A1DE-59FB8E81DCFD";
const char kUserInstanceWindowTitle[] = "Talvenquist-F22A61EC-0F49-4E61-ABDB-24AD2BA6612D";

static const char kComponent[] = "MessageListenWidget";

static void logLine(int level, const QString &message)
{
    Logger::instance()->log(level, kComponent, message);
}

MessageListenWidget::MessageListenWidget(const QString &title, QObject *parent)
    : QObject(parent), m_title(title), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &MessageListenWidget::onNewConnection);
    if (!listen())
        logLine(ERROR, QStringLiteral("Cannot listen as %1: %2").arg(title, m_server->errorString()));
}

MessageListenWidget::~MessageListenWidget() = default;

bool MessageListenWidget::isListening() const
{
    return m_server->isListening();
}

bool MessageListenWidget::listen()
{
    const QString path = InstanceChannel::socketPath(m_title);
    if (path.isEmpty() || InstanceChannel::exists(m_title))
        return false;
    // Nobody answers on a socket file left over from a crash. (The server
    // would replace it anyway: it binds elsewhere and renames into place.)
    QLocalServer::removeServer(path);
    if (!m_server->listen(path))
        return false;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    SessionUser::current().adopt(path);
    return true;
}

void MessageListenWidget::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!isPeerAllowed(socket)) {
            socket->abort();
            continue;
        }
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] { readFrames(socket, buffer.get()); });
        connect(socket, &QLocalSocket::disconnected, this, [buffer] {
            if (!buffer->isEmpty())
                logLine(WARNING, QStringLiteral("Dropped a truncated message of %1 bytes").arg(buffer->size()));
        });
        readFrames(socket, buffer.get());
    }
}

bool MessageListenWidget::isPeerAllowed(QLocalSocket *socket)
{
    PeerCredentials peer;
    if (!readPeerCredentials(int(socket->socketDescriptor()), &peer)) {
        logLine(WARNING, QStringLiteral("Refused a connection without credentials"));
        emit peerRefused(uint(-1));
        return false;
    }
    if (peer.uid == 0 || peer.uid == SessionUser::current().uid)
        return true;
    logLine(WARNING, QStringLiteral("Refused a connection from user %1 (process %2)").arg(peer.uid).arg(peer.pid));
    emit peerRefused(uint(peer.uid));
    return false;
}

void MessageListenWidget::readFrames(QLocalSocket *socket, QByteArray *buffer)
{
    buffer->append(socket->readAll());
    for (;;) {
        InstanceMessage message;
        QString error;
        const InstanceMessage::Parse result = InstanceMessage::parse(buffer, &message, &error);
        if (result == InstanceMessage::Parse::Incomplete)
            return;
        if (result == InstanceMessage::Parse::Malformed) {
            logLine(WARNING, QStringLiteral("Dropped a malformed message: %1").arg(error));
            buffer->clear();
            socket->abort();
            return;
        }
        dispatch(message);
        // At once: a slot of dispatch may leave the event loop for a while,
        // and the sender is blocked until it reads this.
        socket->putChar(InstanceMessage::kAcknowledgement);
        socket->flush();
    }
}

void MessageListenWidget::dispatch(const InstanceMessage &message)
{
    switch (message.message) {
    case kMsgActivate:
        emit activationRequested();
        break;
    case kMsgSendArguments:
        sendArguments();
        break;
    case kMsgAdminPid:
        emit pidReceived(int(message.wParam));
        break;
    case InstanceMessage::CopyData:
        dispatchCopyData(message);
        break;
    default:
        logLine(DEBUG, QStringLiteral("Ignored message %1").arg(message.message));
        break;
    }
}

static MessageListenWidget::SessionErrandHandler &sessionErrandHandler()
{
    static MessageListenWidget::SessionErrandHandler handler;
    return handler;
}

void MessageListenWidget::setSessionErrandHandler(SessionErrandHandler handler)
{
    sessionErrandHandler() = std::move(handler);
}

void MessageListenWidget::dispatchCopyData(const InstanceMessage &message)
{
    switch (message.kind) {
    case InstanceMessage::CopyDataNewSearch:
        emit activationRequested();
        emit newSearchRequested(message.text());
        break;
    case InstanceMessage::CopyDataArguments:
        emit argumentsReceived(message.text());
        break;
    case InstanceMessage::CopyDataOpenFile:
        emit openFileRequested(message.text());
        break;
    case InstanceMessage::CopyDataActivationToken:
        emit activationTokenReceived(message.text());
        break;
    default:
        if (message.kind > InstanceMessage::CopyDataOpenFile && message.kind < InstanceMessage::CopyDataActivationToken
            && sessionErrandHandler() && sessionErrandHandler()(message.kind, message.text())) {
            break;
        }
        // Kinds from newer instances that this one does not know.
        logLine(DEBUG, QStringLiteral("Ignored copy data of kind %1").arg(message.kind));
        break;
    }
}

void MessageListenWidget::sendArguments()
{
    const QString title = QString::fromLatin1(kMainInstanceWindowTitle);
    if (!InstanceChannel::exists(title))
        return;
    const QString arguments = QCoreApplication::arguments().join(QLatin1Char('|'));
    InstanceChannel::send(title, InstanceMessage::copyData(InstanceMessage::CopyDataArguments, arguments));
}
