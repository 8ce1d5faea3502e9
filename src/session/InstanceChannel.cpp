#include "session/InstanceChannel.h"

#include "base/Logger.h"
#include "platform/linux/SessionUser.h"

#include <QFile>
#include <QLocalSocket>

static const char kComponent[] = "MessageListenWidget";

// Room in a local socket's address (sun_path) for the path and its zero.
static const int kMaxSocketPath = 107;

QString InstanceChannel::socketPath(const QString &title)
{
    const SessionUser user = SessionUser::current();
    QString folder = user.runtimeDirectory();
    if (!folder.isEmpty() && QFile::encodeName(folder + QLatin1Char('/') + title).size() > kMaxSocketPath)
        folder = user.privateTemporaryDirectory();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + title;
}

// A connected socket, or one in UnconnectedState when nobody listens.
static bool connectTo(QLocalSocket *socket, const QString &title)
{
    const QString path = InstanceChannel::socketPath(title);
    if (path.isEmpty())
        return false;
    socket->connectToServer(path);
    return socket->waitForConnected(InstanceChannel::kTimeoutMs);
}

bool InstanceChannel::exists(const QString &title)
{
    QLocalSocket socket;
    return connectTo(&socket, title);
}

bool InstanceChannel::send(const QString &title, const InstanceMessage &message)
{
    return deliver(title, message, /*waitForAcknowledgement=*/true);
}

bool InstanceChannel::post(const QString &title, const InstanceMessage &message)
{
    return deliver(title, message, /*waitForAcknowledgement=*/false);
}

bool InstanceChannel::deliver(const QString &title, const InstanceMessage &message, bool waitForAcknowledgement)
{
    QLocalSocket socket;
    if (!connectTo(&socket, title))
        return false;
    socket.write(message.encode());
    bool delivered = socket.waitForBytesWritten(kTimeoutMs) || socket.bytesToWrite() == 0;
    if (delivered && waitForAcknowledgement) {
        char answer = 0;
        delivered = socket.waitForReadyRead(kTimeoutMs) && socket.getChar(&answer)
            && answer == InstanceMessage::kAcknowledgement;
    }
    if (!delivered) {
        Logger::instance()->log(WARNING, kComponent,
                                QStringLiteral("Message %1 to %2 not delivered: %3")
                                    .arg(message.message)
                                    .arg(title, socket.errorString()));
    }
    socket.disconnectFromServer();
    return delivered;
}
