#pragma once

#include <QByteArray>
#include <QtGlobal>

// Appends the fields of a message body in the protocol's encoding: integers
// little-endian, byte strings as a 32-bit length and the bytes.
class MessageWriter
{
public:
    MessageWriter() = default;
    explicit MessageWriter(int reserve) { m_bytes.reserve(reserve); }

    void u8(quint8 value) { m_bytes.append(char(value)); }
    void u16(quint16 value);
    void u32(quint32 value);
    void u64(quint64 value);
    void bytes(const char *data, int size);
    void bytes(const QByteArray &data) { bytes(data.constData(), data.size()); }

    int size() const { return m_bytes.size(); }
    const QByteArray &data() const { return m_bytes; }
    QByteArray take();

private:
    void little(quint64 value, int size);

    QByteArray m_bytes;
};
