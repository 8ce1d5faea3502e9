#include "strings/BlockArena.h"

#include "platform/linux/HugePages.h"

#include <algorithm>
#include <cstdint>

namespace {

std::size_t paddingFor(const char *address, std::size_t alignment)
{
    const auto misalignment = reinterpret_cast<std::uintptr_t>(address) & (alignment - 1);
    return misalignment == 0 ? 0 : alignment - misalignment;
}

} // namespace

BlockArena::~BlockArena()
{
    for (const Block &block : m_blocks)
        HugePages::release(block.start, block.size);
}

void *BlockArena::allocate(std::size_t n, std::size_t alignment)
{
    // Heap blocks are aligned for every fundamental type, so only an
    // over-aligned object needs room to be moved up in a new block.
    const std::size_t slack = alignment > __STDCPP_DEFAULT_NEW_ALIGNMENT__ ? alignment - 1 : 0;
    if (m_blocks.empty())
        return startBlock(std::max(n + slack, kFirstBlockMinimum), n, alignment);
    if (n > kBlockSize) {
        char *object = startBlock(n + slack, n, alignment);
        m_next = m_end;
        return object;
    }
    const std::size_t padding = paddingFor(m_next, alignment);
    const auto free = static_cast<std::size_t>(m_end - m_next);
    if (padding <= free && n <= free - padding) {
        char *object = m_next + padding;
        m_next = object + n;
        m_used += padding + n;
        return object;
    }
    const std::size_t size = m_nextBlockSize;
    m_nextBlockSize = std::min(2 * m_nextBlockSize, kLargestBlockSize);
    return startBlock(std::max(n + slack, size), n, alignment);
}

char *BlockArena::startBlock(std::size_t blockSize, std::size_t n, std::size_t alignment)
{
    char *start = openBlock(blockSize);
    char *object = start + paddingFor(start, alignment);
    m_next = object + n;
    m_used += std::size_t(m_next - start);
    return object;
}

void BlockArena::deallocate(void *, std::size_t) noexcept
{
}

std::size_t BlockArena::blockFilled(std::size_t index) const
{
    const Block &block = m_blocks.at(index);
    return index + 1 == m_blocks.size() ? std::size_t(m_next - block.start) : block.filled;
}

char *BlockArena::openBlock(std::size_t size)
{
    // Room first: a block taken and then lost to a failed push would leak.
    if (m_blocks.size() == m_blocks.capacity())
        m_blocks.reserve(std::max<std::size_t>(8, 2 * m_blocks.size()));
    char *start = static_cast<char *>(HugePages::allocate(size));
    if (!m_blocks.empty())
        m_blocks.back().filled = std::size_t(m_next - m_blocks.back().start);
    m_blocks.push_back(Block{start, size, 0});
    m_end = start + size;
    m_reserved += size;
    return start;
}
