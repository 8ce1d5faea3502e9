#include "platform/linux/HugePages.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <sys/mman.h>

namespace {

std::size_t roundUp(std::size_t value, std::size_t to)
{
    return (value + to - 1) / to * to;
}

// "always [madvise] never": the setting in brackets is the one in force.
bool readAvailable()
{
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string line;
    return std::getline(in, line) && line.find('[') != std::string::npos
           && line.find("[never]") == std::string::npos;
}

} // namespace

bool HugePages::available()
{
    static const bool kAvailable = readAvailable();
    return kAvailable;
}

void *HugePages::allocate(std::size_t bytes)
{
    if (bytes < kPageSize || !available()) {
        void *memory = std::malloc(bytes == 0 ? 1 : bytes);
        if (!memory)
            throw std::bad_alloc();
        return memory;
    }
    // Mapped one huge page larger and cut to a huge page boundary at both
    // ends: a huge page can only back an aligned range.
    const std::size_t size = roundUp(bytes, kPageSize);
    void *mapped = mmap(nullptr, size + kPageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = roundUp(start, kPageSize);
    if (aligned > start)
        munmap(mapped, aligned - start);
    const std::size_t tail = kPageSize - (aligned - start);
    if (tail > 0)
        munmap(reinterpret_cast<void *>(aligned + size), tail);
    // A refusal leaves ordinary pages, which work all the same.
    madvise(reinterpret_cast<void *>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void *>(aligned);
}

void HugePages::release(void *memory, std::size_t bytes) noexcept
{
    if (!memory)
        return;
    if (bytes < kPageSize || !available())
        std::free(memory);
    else
        munmap(memory, roundUp(bytes, kPageSize));
}

void HugePages::advise(void *memory, std::size_t bytes) noexcept
{
    if (!memory || bytes < kPageSize || !available())
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(memory);
    const std::uintptr_t first = roundUp(start, kPageSize);
    const std::uintptr_t end = (start + bytes) / kPageSize * kPageSize;
    if (end > first)
        madvise(reinterpret_cast<void *>(first), end - first, MADV_HUGEPAGE);
}
