#pragma once

#include "platform/linux/HugePages.h"
#include "strings/BlockArena.h"

#include <QReadWriteLock>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <vector>

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
    // Of the bytes, without the terminator; for tables in memory only (it is
    // stored nowhere). Also the hash of the index's excluded-name set.
    static quint32 hash(const char *data, std::size_t length);
    static quint32 hash(const char *utf8);

    StringPool();
    StringPool(const StringPool &) = delete;
    StringPool &operator=(const StringPool &) = delete;

    // The pool's copy of 'utf8'; null for a null argument.
    const char *intern(const char *utf8);
    // Encodes to UTF-8 and interns that. Text after a NUL character is lost.
    const char *intern(const QString &text);
    // Interns texts[0..count) into interned[0..count) under one lock, for
    // filling an index: a lock per name cost as much as the look-ups. The
    // two arrays may be the same.
    void intern(const char *const *texts, std::size_t count, const char **interned);

    // Frees the look-up table once no more sharing is wanted (a finished
    // result set): the stored strings and every pointer handed out stay,
    // and later calls store each text anew instead of looking it up.
    void dropIndex();

    // Makes room for `count` more strings at once, so that filling the pool
    // from a file does not rebuild its index again and again as it grows.
    void reserve(std::size_t count);

    // Stored bytes, [first, last): whole strings back to back, each with its
    // terminator.
    struct Span
    {
        const char *first;
        const char *last;
    };
    // Every stored string, in the order the strings lie in memory, for a scan
    // that reads them all: far faster than following the pointers of the
    // records that name them, which lie all over the pool. The strings stay
    // as they are after the call; strings added later are not in it.
    std::vector<Span> spans() const;

    // Number of stored strings, duplicates of a race included.
    std::size_t size() const;
    // Heap bytes held by the pool (strings and the index), and the part of
    // them handed out.
    std::size_t reservedBytes() const;
    std::size_t usedBytes() const;

private:
    // The index is an open-addressing table over the FNV-1 hash: a look-up
    // touches one or two neighbouring slots instead of walking a tree of
    // scattered nodes, which made interning the bottleneck of building and
    // loading an index of several hundred thousand names.
    struct Slot
    {
        const char *text = nullptr;
        quint32 hash = 0;
    };

    const char *find(const char *utf8, quint32 key) const;
    const char *store(const char *utf8, std::size_t length, quint32 key);
    void insert(const char *text, quint32 key);
    void grow();
    void rehash(std::size_t slots);

    BlockArena m_arena;
    // Megabytes for a large pool, every page of it written while it fills.
    std::vector<Slot, HugePageAllocator<Slot>> m_slots;
    std::size_t m_count = 0;
    bool m_indexed = true;
    mutable QReadWriteLock m_lock;
};
