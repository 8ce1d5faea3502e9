#pragma once

#include "strings/BlockArena.h"

#include <functional>
#include <limits>
#include <map>
#include <new>
#include <utility>

// A standard allocator that carves from a BlockArena, so node-based
// containers (std::map, std::multimap, std::set, std::list) cost one heap
// block per megabyte instead of one heap allocation per node. Freeing is a
// no-op: erased nodes keep their bytes until the arena dies.
//
// A node costs exactly its size rounded to its alignment, with no heap
// header: with libstdc++ a std::map<quint64, {quint64, const char *}> node
// is 56 bytes (32 of tree links and colour, 24 of key and value) where the
// default allocator takes a 64-byte heap chunk.
//
// The container keeps a pointer to the arena: the arena must outlive every
// container built on it (declare it first). Containers never adopt another
// container's arena on assignment or swap; copying between arenas copies
// the elements.
template <typename T>
class ArenaAllocator
{
public:
    using value_type = T;

    explicit ArenaAllocator(BlockArena &arena) noexcept : m_arena(&arena) {}
    template <typename U>
    ArenaAllocator(const ArenaAllocator<U> &other) noexcept : m_arena(other.arena())
    {
    }

    T *allocate(std::size_t n)
    {
        if (n > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T *>(m_arena->allocate(n * sizeof(T), alignof(T)));
    }
    void deallocate(T *p, std::size_t n) noexcept { m_arena->deallocate(p, n * sizeof(T)); }

    BlockArena *arena() const noexcept { return m_arena; }

    template <typename U>
    friend bool operator==(const ArenaAllocator &a, const ArenaAllocator<U> &b) noexcept
    {
        return a.arena() == b.arena();
    }
    template <typename U>
    friend bool operator!=(const ArenaAllocator &a, const ArenaAllocator<U> &b) noexcept
    {
        return a.arena() != b.arena();
    }

private:
    BlockArena *m_arena;
};

// An ordered map whose nodes live in a BlockArena:
//   ArenaMap<FRN, FileRecord> folders{ArenaMap<FRN, FileRecord>::allocator_type(arena)};
template <typename Key, typename Value, typename Compare = std::less<Key>>
using ArenaMap = std::map<Key, Value, Compare, ArenaAllocator<std::pair<const Key, Value>>>;

template <typename Key, typename Value, typename Compare = std::less<Key>>
using ArenaMultiMap = std::multimap<Key, Value, Compare, ArenaAllocator<std::pair<const Key, Value>>>;
