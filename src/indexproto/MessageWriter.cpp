#include "indexproto/MessageWriter.h"

void MessageWriter::little(quint64 value, int size)
{
    char buffer[8];
    for (int i = 0; i < size; ++i)
        buffer[i] = char((value >> (8 * i)) & 0xff);
    m_bytes.append(buffer, size);
}

void MessageWriter::u16(quint16 value)
{
    little(value, 2);
}

void MessageWriter::u32(quint32 value)
{
    little(value, 4);
}

void MessageWriter::u64(quint64 value)
{
    little(value, 8);
}

void MessageWriter::bytes(const char *data, int size)
{
    u32(quint32(size));
    m_bytes.append(data, size);
}

QByteArray MessageWriter::take()
{
    QByteArray result;
    result.swap(m_bytes);
    return result;
}
