#include "index/DriveDBRecordReader.h"

#include <QtEndian>

#include <cstring>

namespace {

constexpr std::size_t kBufferSize = 1 << 20;
// parent, frn and the name length, ahead of the name.
constexpr std::size_t kFixedPart = 8 + 8 + 4;

} // namespace

DriveDBRecordReader::DriveDBRecordReader(QIODevice &device)
    : m_device(device)
    , m_buffer(kBufferSize)
{
}

bool DriveDBRecordReader::next(DriveDBFile::Record &record)
{
    if (!fill(kFixedPart))
        return false;
    const char *p = m_buffer.data() + m_begin;
    const quint64 parent = qFromBigEndian<quint64>(p);
    const quint64 frn = qFromBigEndian<quint64>(p + 8);
    const qint32 length = qFromBigEndian<qint32>(p + 16);
    if (length < 0 || length > DriveDBFile::kMaxNameLength)
        return false;
    const std::size_t size = kFixedPart + std::size_t(length) + 1;
    if (!fill(size))
        return false;
    p = m_buffer.data() + m_begin;
    std::memcpy(record.name, p + kFixedPart, std::size_t(length));
    record.name[length] = '\0';
    record.parent = parent;
    record.frn = frn;
    record.isDir = p[size - 1] != 0;
    m_begin += size;
    return true;
}

bool DriveDBRecordReader::atEnd()
{
    return !fill(1);
}

// Makes at least `needed` unread bytes available, unless the device ends first.
bool DriveDBRecordReader::fill(std::size_t needed)
{
    if (m_end - m_begin >= needed)
        return true;
    std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
    m_end -= m_begin;
    m_begin = 0;
    while (m_end < needed) {
        const qint64 read = m_device.read(m_buffer.data() + m_end, qint64(m_buffer.size() - m_end));
        if (read <= 0)
            return false;
        m_end += std::size_t(read);
    }
    return true;
}
