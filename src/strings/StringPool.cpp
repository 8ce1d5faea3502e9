#include "strings/StringPool.h"

#include <cstring>

// Eight bytes a step: a byte at a time, the multiplications of a long path
// formed one chain that cost more than the look-up it served. The final mix
// makes the low bits, which choose the slot, depend on every byte.
quint32 StringPool::hash(const char *data, std::size_t length)
{
    constexpr quint64 kMultiplier = 0x9e3779b97f4a7c15ull;
    quint64 h = quint64(length) * kMultiplier;
    std::size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        h = (h ^ word) * kMultiplier;
        h ^= h >> 29;
    }
    quint64 tail = 0;
    std::memcpy(&tail, data + i, length - i);
    h = (h ^ tail) * kMultiplier;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ull;
    h ^= h >> 33;
    return quint32(h);
}

quint32 StringPool::hash(const char *utf8)
{
    return hash(utf8, std::strlen(utf8));
}

namespace {
// Kept at most this full, so that probe runs stay short.
constexpr std::size_t kMaxLoadPercent = 70;
constexpr std::size_t kInitialSlots = 1024;
} // namespace

StringPool::StringPool()
    : m_slots(kInitialSlots)
{
}

const char *StringPool::intern(const char *utf8)
{
    if (!utf8)
        return nullptr;
    const std::size_t length = std::strlen(utf8);
    const quint32 key = hash(utf8, length);
    {
        QReadLocker locker(&m_lock);
        if (const char *existing = find(utf8, key))
            return existing;
    }
    // No second look-up under the write lock: a racing thread may have added
    // the same text meanwhile, and then both copies stay (see the header).
    QWriteLocker locker(&m_lock);
    return store(utf8, length, key);
}

void StringPool::intern(const char *const *texts, std::size_t count, const char **interned)
{
    // The index is far larger than the caches and a look-up misses on its
    // first slot: hashing everything first lets the slot of a later text be
    // fetched while an earlier one is compared. A text passed again at once
    // (the same pointer: one folder's many files) is taken as it was.
    constexpr std::size_t kAhead = 8;
    bool indexed;
    {
        QReadLocker locker(&m_lock);
        indexed = m_indexed;
    }
    // Told apart before the loop below writes over `texts` (which may be
    // the same array as `interned`).
    std::vector<unsigned char> repeats(count);
    std::vector<quint32> keys(count);
    std::vector<std::size_t> lengths(count);
    for (std::size_t i = 0; i < count; ++i) {
        repeats[i] = i > 0 && texts[i] && texts[i] == texts[i - 1];
        if (!texts[i] || repeats[i])
            continue;
        lengths[i] = std::strlen(texts[i]);
        // Without an index nothing is looked up, so nothing is hashed.
        keys[i] = indexed ? hash(texts[i], lengths[i]) : 0;
    }
    QWriteLocker locker(&m_lock);
    for (std::size_t i = 0; i < count; ++i) {
        if (m_indexed && i + kAhead < count)
            __builtin_prefetch(&m_slots[keys[i + kAhead] & (m_slots.size() - 1)]);
        const char *utf8 = texts[i];
        if (!utf8) {
            interned[i] = nullptr;
            continue;
        }
        if (repeats[i]) {
            interned[i] = interned[i - 1];
            continue;
        }
        // A dropped index is never made again: a key left 0 above is never
        // looked up.
        const char *existing = find(utf8, keys[i]);
        interned[i] = existing ? existing : store(utf8, lengths[i], keys[i]);
    }
}

// Called under the write lock.
const char *StringPool::store(const char *utf8, std::size_t length, quint32 key)
{
    auto *copy = static_cast<char *>(m_arena.allocate(length + 1));
    std::memcpy(copy, utf8, length + 1);
    insert(copy, key);
    return copy;
}

const char *StringPool::intern(const QString &text)
{
    // Names are kept as the file system's bytes: the locale codec is the
    // file-name codec (FileNameCodec), as for QFile::encodeName().
    const QByteArray utf8 = text.toLocal8Bit();
    return intern(utf8.constData());
}

const char *StringPool::find(const char *utf8, quint32 key) const
{
    if (!m_indexed)
        return nullptr;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = key & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (!slot.text)
            return nullptr;
        if (slot.hash == key && std::strcmp(slot.text, utf8) == 0)
            return slot.text;
    }
}

// Probing goes on past the slots taken by earlier copies of the same text,
// so the first copy stays the one found.
void StringPool::insert(const char *text, quint32 key)
{
    if (!m_indexed) {
        ++m_count;
        return;
    }
    if ((m_count + 1) * 100 > m_slots.size() * kMaxLoadPercent)
        grow();
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = key & mask;
    while (m_slots[i].text)
        i = (i + 1) & mask;
    m_slots[i] = Slot{text, key};
    ++m_count;
}

void StringPool::dropIndex()
{
    QWriteLocker locker(&m_lock);
    m_indexed = false;
    decltype(m_slots)().swap(m_slots);
}

void StringPool::reserve(std::size_t count)
{
    QWriteLocker locker(&m_lock);
    if (!m_indexed)
        return;
    std::size_t slots = m_slots.size();
    while ((m_count + count) * 100 > slots * kMaxLoadPercent)
        slots *= 2;
    if (slots != m_slots.size())
        rehash(slots);
}

void StringPool::grow()
{
    rehash(m_slots.size() * 2);
}

void StringPool::rehash(std::size_t slots)
{
    decltype(m_slots) old(slots);
    old.swap(m_slots);
    m_count = 0;
    // Re-inserted run by run, starting after a free slot, so that no probe
    // run is split where the table wraps around: copies of one text keep
    // their order, and the first copy is still the one found.
    const std::size_t size = old.size();
    std::size_t start = 0;
    while (old[start].text)
        ++start;
    for (std::size_t n = 1; n <= size; ++n) {
        const Slot &slot = old[(start + n) % size];
        if (slot.text)
            insert(slot.text, slot.hash);
    }
}

std::vector<StringPool::Span> StringPool::spans() const
{
    QReadLocker locker(&m_lock);
    std::vector<Span> spans;
    spans.reserve(m_arena.blockCount());
    for (std::size_t i = 0; i < m_arena.blockCount(); ++i) {
        const char *start = m_arena.blockStart(i);
        const std::size_t filled = m_arena.blockFilled(i);
        if (filled != 0)
            spans.push_back(Span{start, start + filled});
    }
    return spans;
}

std::size_t StringPool::size() const
{
    QReadLocker locker(&m_lock);
    return m_count;
}

std::size_t StringPool::reservedBytes() const
{
    QReadLocker locker(&m_lock);
    return m_arena.reservedBytes() + m_slots.capacity() * sizeof(Slot);
}

std::size_t StringPool::usedBytes() const
{
    QReadLocker locker(&m_lock);
    return m_arena.usedBytes();
}
