#pragma once

#include <cstddef>
#include <vector>

// Memory for many small objects that all die together: interned names and
// the nodes of the index's maps. Memory is carved from large blocks and is
// given back only when the arena is destroyed, so freeing a single
// object is a no-op and an erased map entry keeps its bytes.
//
// Blocks: the first allocation opens a block of max(n, 1024) bytes; later an
// object that no longer fits opens a block of kBlockSize bytes, then of twice
// the size of the one before, up to kLargestBlockSize, or one of exactly n
// bytes when n is larger than kBlockSize. A new block abandons the unused
// tail of the previous one. Objects are packed back to back; only the
// requested alignment adds padding (strings ask for none). Blocks of a huge
// page or more are backed by huge pages where the kernel offers them: an
// arena that grows that large (a large result set's names) is written
// through, and a fault per 4 KiB was most of the cost of filling it.
//
// Not thread-safe: the owner's lock guards it (the string pool's write lock,
// a drive database's write lock). Neither copyable nor movable, because the
// allocators of the containers built on it hold its address.
class BlockArena
{
public:
    static constexpr std::size_t kBlockSize = 1024 * 1024;
    static constexpr std::size_t kLargestBlockSize = 8 * kBlockSize;
    static constexpr std::size_t kFirstBlockMinimum = 1024;

    BlockArena() = default;
    ~BlockArena();
    BlockArena(const BlockArena &) = delete;
    BlockArena &operator=(const BlockArena &) = delete;

    // n contiguous bytes starting at a multiple of 'alignment' (a power of
    // two no larger than alignof(std::max_align_t)). Throws std::bad_alloc
    // when the heap refuses a block.
    void *allocate(std::size_t n, std::size_t alignment = 1);
    // Does nothing: memory goes back only with the whole arena.
    void deallocate(void *address, std::size_t n) noexcept;

    // Introspection for tests and memory reports.
    std::size_t blockCount() const { return m_blocks.size(); }
    std::size_t blockSize(std::size_t index) const { return m_blocks.at(index).size; }
    const char *blockStart(std::size_t index) const { return m_blocks.at(index).start; }
    // Bytes of a block handed out, from its start: the tail a new block
    // abandoned was never written.
    std::size_t blockFilled(std::size_t index) const;
    // Bytes of all blocks together, as taken from the heap.
    std::size_t reservedBytes() const { return m_reserved; }
    // Bytes handed out, alignment padding included.
    std::size_t usedBytes() const { return m_used; }

private:
    struct Block
    {
        char *start;
        std::size_t size;
        std::size_t filled; // kept when the block stops being the last
    };

    char *openBlock(std::size_t size);
    char *startBlock(std::size_t blockSize, std::size_t n, std::size_t alignment);

    std::vector<Block> m_blocks;
    char *m_next = nullptr; // first free byte of the last block
    char *m_end = nullptr;  // end of the last block
    std::size_t m_nextBlockSize = kBlockSize;
    std::size_t m_reserved = 0;
    std::size_t m_used = 0;
};
