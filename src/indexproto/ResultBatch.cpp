#include "indexproto/ResultBatch.h"

#include "indexproto/IndexProtocol.h"
#include "indexproto/MessageReader.h"

#include <cstring>

namespace {

// Request id and count, at the start of the body.
constexpr int kHeaderSize = 8;

// An entry's flags.
constexpr quint8 kFolder = 1;
constexpr quint8 kSameParent = 2;

void putU32(char *at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xff);
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
    m_lastParentSize = -1;
}

// Written in place: a broad search adds hundreds of thousands of entries,
// and five appends each cost more than the copying.
void ResultBatch::add(bool isFolder, const char *parent, int parentSize, const char *name, int nameSize)
{
    const bool sameParent = parentSize == m_lastParentSize
        && std::memcmp(m_body.constData() + m_lastParentAt, parent, std::size_t(parentSize)) == 0;
    const int at = m_body.size();
    m_body.resize(at + 1 + (sameParent ? 0 : 4 + parentSize) + 4 + nameSize);
    char *out = m_body.data() + at;
    *out++ = char((isFolder ? kFolder : 0) | (sameParent ? kSameParent : 0));
    if (!sameParent) {
        putU32(out, quint32(parentSize));
        std::memcpy(out + 4, parent, std::size_t(parentSize));
        m_lastParentAt = at + 1 + 4;
        m_lastParentSize = parentSize;
        out += 4 + parentSize;
    }
    putU32(out, quint32(nameSize));
    std::memcpy(out + 4, name, std::size_t(nameSize));
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
    // Each entry takes at least its flags and the name's length.
    const quint32 count = in.count(/*minElementSize=*/5);
    Entry e;
    for (quint32 i = 0; i < count && in.ok(); ++i) {
        const quint8 flags = in.u8();
        // The first entry has no parent before it to repeat.
        if (flags > (kFolder | kSameParent) || ((flags & kSameParent) && i == 0))
            return false;
        e.isFolder = flags & kFolder;
        if (!(flags & kSameParent))
            e.parent = in.bytes(&e.parentSize);
        e.name = in.bytes(&e.nameSize);
        if (!in.ok())
            return false;
        entry(e);
    }
    return in.complete();
}
