#include "index/DriveDBRecordWriter.h"

#include "index/DriveDBFile.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBufferSize = 1 << 20;
// parent, frn, name length, the longest name and the folder byte.
constexpr std::size_t kLargestRecord = 8 + 8 + 4 + DriveDBFile::kMaxNameLength + 1;

} // namespace

DriveDBRecordWriter::DriveDBRecordWriter(QIODevice &device)
    : m_device(device)
    , m_buffer(kBufferSize)
{
}

void DriveDBRecordWriter::write(FRN parent, FRN frn, const char *name, bool isDir)
{
    if (m_buffer.size() - m_used < kLargestRecord)
        flush();
    const std::size_t length = name ? std::min<std::size_t>(std::strlen(name), DriveDBFile::kMaxNameLength) : 0;
    char *p = m_buffer.data() + m_used;
    qToBigEndian<quint64>(parent, p);
    qToBigEndian<quint64>(frn, p + 8);
    qToBigEndian<qint32>(qint32(length), p + 16);
    if (length > 0)
        std::memcpy(p + 20, name, length);
    p[20 + length] = isDir ? 1 : 0;
    m_used += 20 + length + 1;
}

bool DriveDBRecordWriter::flush()
{
    if (m_used > 0 && !m_failed)
        m_failed = m_device.write(m_buffer.data(), qint64(m_used)) != qint64(m_used);
    m_used = 0;
    return !m_failed;
}
