#include "indexproto/ResultBatch.h"

#include "indexproto/IndexProtocol.h"
#include "indexproto/MessageReader.h"

#include <cstring>

namespace {

// Request id and count, at the start of the body.
constexpr int kHeaderSize = 8;

void putU32(char *at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xff);
}

void appendBytes(QByteArray &body, const char *data, int size)
{
    char length[4];
    putU32(length, quint32(size));
    body.append(length, 4);
    body.append(data, size);
}

} // namespace

ResultBatch::ResultBatch(quint32 requestId)
    : m_requestId(requestId)
{
    restart();
}

void ResultBatch::restart()
{
    m_body.clear();
    m_body.reserve(IndexProtocol::kBatchSize + 8192);
    m_body.resize(kHeaderSize);
    putU32(m_body.data(), m_requestId);
    m_count = 0;
}

void ResultBatch::add(bool isFolder, const char *parent, int parentSize, const char *name, int nameSize)
{
    m_body.append(char(isFolder ? 1 : 0));
    appendBytes(m_body, parent, parentSize);
    appendBytes(m_body, name, nameSize);
    ++m_count;
}

bool ResultBatch::full() const
{
    return m_body.size() >= IndexProtocol::kBatchSize;
}

QByteArray ResultBatch::takeFrame()
{
    putU32(m_body.data() + 4, quint32(m_count));
    const QByteArray frame = IndexProtocol::frame(IndexProtocol::Results, m_body);
    restart();
    return frame;
}

bool ResultBatch::decode(const QByteArray &body, quint32 *requestId, const std::function<void(const Entry &)> &entry)
{
    MessageReader in(body);
    *requestId = in.u32();
    // Each entry takes at least a flag and two lengths.
    const quint32 count = in.count(/*minElementSize=*/9);
    for (quint32 i = 0; i < count && in.ok(); ++i) {
        Entry e;
        const quint8 flags = in.u8();
        e.isFolder = flags & 1;
        e.parent = in.bytes(&e.parentSize);
        e.name = in.bytes(&e.nameSize);
        if (!in.ok() || flags > 1)
            return false;
        entry(e);
    }
    return in.complete();
}
