#include "index/BlockArena.h"

#include <cstdint>

namespace {

std::size_t paddingFor(const char *address, std::size_t alignment)
{
    const auto misalignment = reinterpret_cast<std::uintptr_t>(address) & (alignment - 1);
    return misalignment == 0 ? 0 : alignment - misalignment;
}

} // namespace

void *BlockArena::allocate(std::size_t n, std::size_t alignment)
{
    if (m_blocks.empty()) {
        // Heap blocks are aligned for any fundamental type, so the object
        // can start the block without padding.
        char *object = openBlock(n > kFirstBlockMinimum ? n : kFirstBlockMinimum);
        m_next = object + n;
        m_used += n;
        return object;
    }
    if (n > kBlockSize) {
        char *object = openBlock(n);
        m_next = m_end;
        m_used += n;
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
    char *object = openBlock(kBlockSize);
    m_next = object + n;
    m_used += n;
    return object;
}

void BlockArena::deallocate(void *, std::size_t) noexcept
{
}

char *BlockArena::openBlock(std::size_t size)
{
    Block block{std::unique_ptr<char[]>(new char[size]), size};
    char *start = block.start.get();
    m_blocks.push_back(std::move(block));
    m_end = start + size;
    m_reserved += size;
    return start;
}
