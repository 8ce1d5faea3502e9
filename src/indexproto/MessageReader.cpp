#include "indexproto/MessageReader.h"

bool MessageReader::take(int size)
{
    if (!m_ok || size < 0 || size > m_size - m_pos) {
        m_ok = false;
        return false;
    }
    return true;
}

quint64 MessageReader::little(int size)
{
    if (!take(size))
        return 0;
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value |= quint64(static_cast<unsigned char>(m_data[m_pos + i])) << (8 * i);
    m_pos += size;
    return value;
}

quint8 MessageReader::u8()
{
    return quint8(little(1));
}

quint16 MessageReader::u16()
{
    return quint16(little(2));
}

quint32 MessageReader::u32()
{
    return quint32(little(4));
}

quint64 MessageReader::u64()
{
    return little(8);
}

const char *MessageReader::bytes(int *size)
{
    const quint32 length = u32();
    *size = 0;
    if (!m_ok || length > quint32(m_size - m_pos)) {
        m_ok = false;
        return nullptr;
    }
    const char *data = m_data + m_pos;
    m_pos += int(length);
    *size = int(length);
    return data;
}

QByteArray MessageReader::bytes()
{
    int size = 0;
    const char *data = bytes(&size);
    return data ? QByteArray(data, size) : QByteArray();
}

quint32 MessageReader::count(int minElementSize)
{
    const quint32 n = u32();
    if (m_ok && quint64(n) * quint64(minElementSize) > quint64(m_size - m_pos))
        m_ok = false;
    return m_ok ? n : 0;
}
