#pragma once

#include "strings/StringPool.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class ExpressionMatcher;
class FileSearchRequest;

// The pooled names that a request's name expression matches, found by
// reading the pool's strings in the order they lie in memory.
//
// A record holds a pointer to its name, and the names of neighbouring
// records lie anywhere in the pool: matching them record by record waits on
// memory for nearly every name. Read front to back, the same strings stream
// from memory, each distinct name is matched once however many records bear
// it, and a record then only asks whether its pointer is in a small table.
// A name that matches nothing leaves the table empty, and no record need be
// read at all.
class MatchingNames
{
public:
    // Matches every string of `spans`, on two threads when `twoThreads`.
    // Stops early, leaving the set incomplete, once the request is canceled:
    // the caller must not use the set then.
    MatchingNames(const std::vector<StringPool::Span> &spans, const FileSearchRequest &request, bool twoThreads);

    bool empty() const { return m_count == 0; }
    std::size_t size() const { return m_count; }
    bool contains(const char *name) const
    {
        // Most records bear a name that is not in the table: the filter
        // says so in one test that the processor predicts, where a probe of
        // the table hits or misses at random.
        const std::size_t bit = filterBitOf(name);
        if (!(m_filter[bit / 64] & (std::uint64_t(1) << (bit % 64))))
            return false;
        for (std::size_t slot = slotOf(name);; slot = (slot + 1) & m_mask) {
            const char *held = m_slots[slot];
            if (held == name)
                return true;
            if (!held)
                return false;
        }
    }

private:
    // A piece of a span, for one thread to match at a time.
    struct Piece
    {
        const char *first;
        const char *last;
    };

    static std::vector<Piece> cut(const std::vector<StringPool::Span> &spans);
    static void match(const Piece &piece, ExpressionMatcher &matcher, std::vector<const char *> &found);
    void fill(const std::vector<std::vector<const char *>> &found);
    std::size_t slotOf(const char *name) const
    {
        // Fibonacci hashing: the pointers of neighbouring strings differ in
        // their low bits, which the multiplication carries to the high ones.
        return std::size_t((reinterpret_cast<std::uintptr_t>(name) * 0x9E3779B97F4A7C15ull) >> m_shift);
    }

    std::size_t filterBitOf(const char *name) const
    {
        return std::size_t((reinterpret_cast<std::uintptr_t>(name) * 0xC2B2AE3D27D4EB4Full) >> m_filterShift);
    }

    std::vector<std::uint64_t> m_filter;
    unsigned m_filterShift = 52;
    std::vector<const char *> m_slots;
    std::size_t m_mask = 0;
    unsigned m_shift = 63;
    std::size_t m_count = 0;
};
