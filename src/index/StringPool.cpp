#include "index/StringPool.h"

#include <cstring>

quint32 StringPool::hash(const char *data, std::size_t length)
{
    quint32 h = kHashBasis;
    for (std::size_t i = 0; i < length; ++i) {
        h *= kHashPrime;
        h ^= static_cast<unsigned char>(data[i]);
    }
    return h;
}

quint32 StringPool::hash(const char *utf8)
{
    return hash(utf8, std::strlen(utf8));
}

StringPool::StringPool()
    : m_index(ArenaMultiMap<quint32, const char *>::allocator_type(m_arena))
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
    auto *copy = static_cast<char *>(m_arena.allocate(length + 1));
    std::memcpy(copy, utf8, length + 1);
    // A multimap inserts after the entries with an equal key, so the first
    // copy of a text keeps being the one found.
    m_index.emplace(key, copy);
    return copy;
}

const char *StringPool::intern(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return intern(utf8.constData());
}

const char *StringPool::find(const char *utf8, quint32 key) const
{
    const auto range = m_index.equal_range(key);
    for (auto it = range.first; it != range.second; ++it) {
        if (std::strcmp(it->second, utf8) == 0)
            return it->second;
    }
    return nullptr;
}

std::size_t StringPool::size() const
{
    QReadLocker locker(&m_lock);
    return m_index.size();
}

std::size_t StringPool::reservedBytes() const
{
    QReadLocker locker(&m_lock);
    return m_arena.reservedBytes();
}

std::size_t StringPool::usedBytes() const
{
    QReadLocker locker(&m_lock);
    return m_arena.usedBytes();
}
