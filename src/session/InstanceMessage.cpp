#include "session/InstanceMessage.h"

#include <QtEndian>

InstanceMessage InstanceMessage::plain(quint32 number, quint64 wParam)
{
    InstanceMessage message;
    message.message = number;
    message.wParam = wParam;
    return message;
}

InstanceMessage InstanceMessage::copyData(quint64 kind, const QString &text)
{
    InstanceMessage message;
    message.message = CopyData;
    message.kind = kind;
    message.payload.resize((text.size() + 1) * 2);
    uchar *out = reinterpret_cast<uchar *>(message.payload.data());
    for (int i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), out + 2 * i);
    qToLittleEndian<quint16>(0, out + 2 * text.size());
    return message;
}

QString InstanceMessage::text() const
{
    const int units = payload.size() / 2 - 1;
    QString result(qMax(units, 0), Qt::Uninitialized);
    const uchar *in = reinterpret_cast<const uchar *>(payload.constData());
    for (int i = 0; i < units; ++i)
        result[i] = QChar(qFromLittleEndian<quint16>(in + 2 * i));
    return result;
}

QByteArray InstanceMessage::encode() const
{
    QByteArray frame(kHeaderSize, Qt::Uninitialized);
    uchar *out = reinterpret_cast<uchar *>(frame.data());
    qToLittleEndian<quint32>(message, out);
    qToLittleEndian<quint64>(wParam, out + 4);
    qToLittleEndian<quint64>(kind, out + 12);
    qToLittleEndian<quint32>(quint32(payload.size()), out + 20);
    return frame + payload;
}

static bool isTerminatedString(const QByteArray &payload)
{
    return payload.size() >= 2 && payload.size() % 2 == 0 && payload.endsWith(QByteArray(2, '\0'));
}

InstanceMessage::Parse InstanceMessage::parse(QByteArray *buffer, InstanceMessage *message, QString *error)
{
    if (buffer->size() < kHeaderSize)
        return Parse::Incomplete;
    const uchar *in = reinterpret_cast<const uchar *>(buffer->constData());
    const quint32 number = qFromLittleEndian<quint32>(in);
    const quint32 byteCount = qFromLittleEndian<quint32>(in + 20);
    if (byteCount > kMaxPayload) {
        *error = QStringLiteral("payload of %1 bytes is over the limit").arg(byteCount);
        return Parse::Malformed;
    }
    if (number != CopyData && byteCount != 0) {
        *error = QStringLiteral("message %1 carries %2 bytes").arg(number).arg(byteCount);
        return Parse::Malformed;
    }
    if (buffer->size() < kHeaderSize + int(byteCount))
        return Parse::Incomplete;
    const QByteArray payload = buffer->mid(kHeaderSize, int(byteCount));
    if (number == CopyData && !isTerminatedString(payload)) {
        *error = QStringLiteral("copy data of %1 bytes is not a terminated string").arg(byteCount);
        return Parse::Malformed;
    }
    message->message = number;
    message->wParam = qFromLittleEndian<quint64>(in + 4);
    message->kind = qFromLittleEndian<quint64>(in + 12);
    message->payload = payload;
    buffer->remove(0, kHeaderSize + int(byteCount));
    return Parse::Complete;
}
