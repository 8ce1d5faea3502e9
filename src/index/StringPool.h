#pragma once

#include "index/ArenaAllocator.h"
#include "index/BlockArena.h"

#include <QReadWriteLock>
#include <QString>
#include <QtGlobal>

#include <cstddef>

// Interned names: each distinct NUL-terminated UTF-8 string is stored once
// and referred to by its pointer from then on. The pointers stay valid for
// the life of the pool; entries are never removed.
//
// One pool is shared by every drive database (through a shared pointer);
// each result set owns two. Any thread may intern. The pool's lock is the
// innermost lock of the index: callers may hold their own lock while
// interning, never the other way round.
//
// Two threads that intern the same new string at the same moment may both
// store a copy; both pointers stay valid and later calls return the first.
class StringPool
{
public:
    // FNV-1 (multiply, then XOR) over the bytes, without the terminator. Also
    // the hash of the index's excluded-name set.
    static constexpr quint32 kHashBasis = 2166136261u;
    static constexpr quint32 kHashPrime = 16777619u;
    static quint32 hash(const char *data, std::size_t length);
    static quint32 hash(const char *utf8);

    StringPool();
    StringPool(const StringPool &) = delete;
    StringPool &operator=(const StringPool &) = delete;

    // The pool's copy of 'utf8'; null for a null argument.
    const char *intern(const char *utf8);
    // Encodes to UTF-8 and interns that. Text after a NUL character is lost.
    const char *intern(const QString &text);

    // Number of stored strings, duplicates of a race included.
    std::size_t size() const;
    // Heap bytes held by the pool (strings and index nodes), and the part of
    // them handed out.
    std::size_t reservedBytes() const;
    std::size_t usedBytes() const;

private:
    const char *find(const char *utf8, quint32 key) const;

    BlockArena m_arena;
    ArenaMultiMap<quint32, const char *> m_index;
    mutable QReadWriteLock m_lock;
};
