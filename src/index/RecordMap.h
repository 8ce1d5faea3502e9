#pragma once

#include "base/IndexTypes.h"
#include "index/FileRecord.h"
#include "strings/BlockArena.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The records of one kind (folders or files) of a volume, ordered by number.
//
// An ordered map in two levels: leaves of up to kLeafCapacity entries sorted
// by number, carved from the database's BlockArena, and a directory of the
// leaves' first numbers. A search reads every record in number order, which
// here streams through 24 bytes per record, where a tree of linked nodes
// would chase a pointer per record and spend 56 bytes on it.
//
// Numbers that arrive in ascending order (an enumeration, a database file)
// fill each leaf completely; other insertions split a full leaf in two.
// A leaf emptied by erasures is kept for reuse, since the arena never frees.
//
// Unlike a node-based map, an insertion or erasure invalidates every
// iterator and reference into the map. Not thread-safe: the database's lock
// guards it.
class RecordMap
{
public:
    // Named as the members of a map's pair, so that a visit reads the same.
    struct Entry
    {
        FRN first;
        FileRecord second;
    };

    static constexpr std::uint32_t kLeafCapacity = 128;

    template <typename Map, typename Value>
    class Iterator;
    using iterator = Iterator<RecordMap, Entry>;
    using const_iterator = Iterator<const RecordMap, const Entry>;

    explicit RecordMap(BlockArena &arena);
    RecordMap(const RecordMap &) = delete;
    RecordMap &operator=(const RecordMap &) = delete;

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    iterator begin();
    iterator end();
    const_iterator begin() const;
    const_iterator end() const;
    iterator find(FRN frn);
    const_iterator find(FRN frn) const;

    // The record of `frn`, inserted as {0, null} when absent.
    FileRecord &operator[](FRN frn);
    void insert_or_assign(FRN frn, const FileRecord &record);
    // Number of records erased: 0 or 1.
    std::size_t erase(FRN frn);
    // Erases every record; the leaves are kept for reuse.
    void clear();

    // The records of one leaf, for loops that visit every record: cheaper
    // than an iterator, which looks its leaf up again at every step.
    struct Span
    {
        const Entry *first;
        const Entry *last;
        const Entry *begin() const { return first; }
        const Entry *end() const { return last; }
    };
    Span leaf(std::size_t index) const
    {
        const Leaf &l = *m_leaves[index];
        return {l.entries, l.entries + l.count};
    }

    // Leaves holding records, and bytes of all leaves taken from the arena.
    std::size_t leafCount() const { return m_leaves.size(); }
    std::size_t leafBytes() const;

private:
    struct Leaf
    {
        std::uint32_t count;
        Entry entries[kLeafCapacity];
    };
    struct Position
    {
        std::size_t leaf;
        std::uint32_t slot;
        bool found;
    };

    Position locate(FRN frn) const;
    Entry &insertAt(Position at, FRN frn);
    Leaf *newLeaf();
    void addLeaf(std::size_t index, Leaf *leaf, FRN firstKey);
    void removeLeaf(std::size_t index);

    BlockArena &m_arena;
    // m_firstKeys[i] is the smallest number of m_leaves[i]; no leaf is empty.
    std::vector<FRN> m_firstKeys;
    std::vector<Leaf *> m_leaves;
    std::vector<Leaf *> m_spare;
    std::size_t m_size = 0;
};

template <typename Map, typename Value>
class RecordMap::Iterator
{
public:
    Iterator(Map *map, std::size_t leaf, std::uint32_t slot)
        : m_map(map)
        , m_leaf(leaf)
        , m_slot(slot)
    {
    }
    // An iterator converts to a const_iterator, as with the standard maps.
    operator Iterator<const RecordMap, const Entry>() const { return {m_map, m_leaf, m_slot}; }

    Value &operator*() const { return m_map->m_leaves[m_leaf]->entries[m_slot]; }
    Value *operator->() const { return &**this; }
    Iterator &operator++()
    {
        if (++m_slot == m_map->m_leaves[m_leaf]->count) {
            ++m_leaf;
            m_slot = 0;
        }
        return *this;
    }
    bool operator==(const Iterator &other) const { return m_leaf == other.m_leaf && m_slot == other.m_slot; }
    bool operator!=(const Iterator &other) const { return !(*this == other); }

private:
    Map *m_map;
    std::size_t m_leaf;
    std::uint32_t m_slot;
};
