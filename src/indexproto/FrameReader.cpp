#include "indexproto/FrameReader.h"

#include "indexproto/IndexProtocol.h"
#include "indexproto/MessageReader.h"

void FrameReader::append(const char *data, int size)
{
    // What was handed out is dropped before the buffer grows again.
    if (m_start > 0) {
        m_buffer.remove(0, m_start);
        m_start = 0;
    }
    m_buffer.append(data, size);
}

FrameReader::Status FrameReader::next(QByteArray *payload)
{
    if (m_invalid)
        return Invalid;
    const int available = m_buffer.size() - m_start;
    if (available < IndexProtocol::kLengthSize)
        return NeedMore;
    MessageReader header(m_buffer.constData() + m_start, IndexProtocol::kLengthSize);
    const quint32 length = header.u32();
    if (length == 0 || length > quint32(IndexProtocol::kMaxFrameSize)) {
        m_invalid = true;
        m_buffer.clear();
        m_start = 0;
        return Invalid;
    }
    if (quint32(available - IndexProtocol::kLengthSize) < length)
        return NeedMore;
    *payload = m_buffer.mid(m_start + IndexProtocol::kLengthSize, int(length));
    m_start += IndexProtocol::kLengthSize + int(length);
    if (m_start == m_buffer.size()) {
        m_buffer.clear();
        m_start = 0;
    }
    return Frame;
}
