#pragma once

#include <cstddef>
#include <new>

// Memory for large buffers that are filled at once: a search's result
// lists, the table that shares its names, a sort's scratch arrays. Where the kernel offers transparent huge pages such a buffer is
// asked to be backed by them, so that filling it takes a page fault per
// 2 MiB instead of one per 4 KiB. The faults, not the copying, were most of
// the time of a large search in a fresh process, and on virtual machines a
// fault costs several microseconds.
namespace HugePages {

constexpr std::size_t kPageSize = std::size_t(2) * 1024 * 1024;

// Whether the kernel gives huge pages to memory that asks for them (not
// when they are switched off or missing). Read once.
bool available();

// `bytes` of memory, aligned for any object; from the heap when smaller than
// a huge page or when there are none. Throws std::bad_alloc.
void *allocate(std::size_t bytes);
// Gives back what allocate(bytes) returned, with the same `bytes`.
void release(void *memory, std::size_t bytes) noexcept;

// Asks for huge pages for the whole huge pages inside [memory, memory +
// bytes) of memory allocated elsewhere (the room a container reserved).
// Pages already written stay as they are; nothing is lost either way.
void advise(void *memory, std::size_t bytes) noexcept;

// advise() for the whole room a vector has reserved.
template <class Vector>
void adviseRoom(Vector &vector) noexcept
{
    if (vector.capacity() > 0)
        advise(vector.data(), std::size_t(vector.capacity()) * sizeof(*vector.data()));
}

} // namespace HugePages

// An allocator for standard containers over HugePages: for vectors that
// grow to many megabytes.
template <class T>
class HugePageAllocator
{
public:
    using value_type = T;

    HugePageAllocator() noexcept = default;
    template <class U>
    HugePageAllocator(const HugePageAllocator<U> &) noexcept
    {
    }

    T *allocate(std::size_t count)
    {
        if (count > std::size_t(-1) / sizeof(T))
            throw std::bad_alloc();
        return static_cast<T *>(HugePages::allocate(count * sizeof(T)));
    }
    void deallocate(T *memory, std::size_t count) noexcept { HugePages::release(memory, count * sizeof(T)); }

    template <class U>
    bool operator==(const HugePageAllocator<U> &) const noexcept
    {
        return true;
    }
    template <class U>
    bool operator!=(const HugePageAllocator<U> &) const noexcept
    {
        return false;
    }
};
