#include "indexproto/IndexProtocol.h"

#include "indexproto/MessageWriter.h"

#include <QFile>

namespace IndexProtocol {

QString defaultSocketPath()
{
    return QStringLiteral("/run/talvenquist/index.socket");
}

QString socketPath()
{
    const QByteArray chosen = qgetenv("TALVENQUIST_INDEX_SOCKET");
    return chosen.isEmpty() ? defaultSocketPath() : QFile::decodeName(chosen);
}

QByteArray frame(MessageType type, const QByteArray &body)
{
    MessageWriter out;
    out.u32(quint32(body.size() + 1));
    out.u8(type);
    QByteArray bytes = out.take();
    bytes += body;
    return bytes;
}

QByteArray helloBody(quint32 magic, quint16 version)
{
    MessageWriter out;
    out.u32(magic);
    out.u16(version);
    return out.take();
}

QByteArray errorBody(quint32 requestId, ErrorCode code, const QString &message)
{
    MessageWriter out;
    out.u32(requestId);
    out.u8(code);
    out.bytes(message.toUtf8());
    return out.take();
}

QByteArray requestIdBody(quint32 requestId)
{
    MessageWriter out;
    out.u32(requestId);
    return out.take();
}

QByteArray doneBody(quint32 requestId, quint64 count)
{
    MessageWriter out;
    out.u32(requestId);
    out.u64(count);
    return out.take();
}

} // namespace IndexProtocol
