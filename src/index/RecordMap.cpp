#include "index/RecordMap.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

// Entries are moved with memmove when a leaf opens or closes a gap.
static_assert(std::is_trivially_copyable<RecordMap::Entry>::value, "entries are moved as bytes");

RecordMap::RecordMap(BlockArena &arena)
    : m_arena(arena)
{
}

RecordMap::iterator RecordMap::begin()
{
    return {this, 0, 0};
}

RecordMap::iterator RecordMap::end()
{
    return {this, m_leaves.size(), 0};
}

RecordMap::const_iterator RecordMap::begin() const
{
    return {this, 0, 0};
}

RecordMap::const_iterator RecordMap::end() const
{
    return {this, m_leaves.size(), 0};
}

// The leaf that holds `frn` or would receive it, and the slot in it.
RecordMap::Position RecordMap::locate(FRN frn) const
{
    if (m_leaves.empty())
        return {0, 0, false};
    const auto after = std::upper_bound(m_firstKeys.begin(), m_firstKeys.end(), frn);
    const std::size_t leaf = after == m_firstKeys.begin() ? 0 : std::size_t(after - m_firstKeys.begin()) - 1;
    const Leaf &l = *m_leaves[leaf];
    const Entry *slot = std::lower_bound(l.entries, l.entries + l.count, frn,
                                         [](const Entry &e, FRN key) { return e.first < key; });
    const std::uint32_t index = std::uint32_t(slot - l.entries);
    return {leaf, index, index < l.count && slot->first == frn};
}

RecordMap::iterator RecordMap::find(FRN frn)
{
    const Position at = locate(frn);
    return at.found ? iterator{this, at.leaf, at.slot} : end();
}

RecordMap::const_iterator RecordMap::find(FRN frn) const
{
    const Position at = locate(frn);
    return at.found ? const_iterator{this, at.leaf, at.slot} : end();
}

FileRecord &RecordMap::operator[](FRN frn)
{
    const Position at = locate(frn);
    if (at.found)
        return m_leaves[at.leaf]->entries[at.slot].second;
    return insertAt(at, frn).second;
}

void RecordMap::insert_or_assign(FRN frn, const FileRecord &record)
{
    // Ascending numbers, as from an enumeration or a file, append.
    if (!m_leaves.empty()) {
        Leaf &last = *m_leaves.back();
        if (frn > last.entries[last.count - 1].first && last.count < kLeafCapacity) {
            last.entries[last.count++] = Entry{frn, record};
            ++m_size;
            return;
        }
    }
    (*this)[frn] = record;
}

// Inserts {frn, {0, null}} where locate() said it belongs.
RecordMap::Entry &RecordMap::insertAt(Position at, FRN frn)
{
    if (m_leaves.empty()) {
        addLeaf(0, newLeaf(), frn);
        at = {0, 0, false};
    }
    Leaf *leaf = m_leaves[at.leaf];
    if (leaf->count == kLeafCapacity) {
        const bool appending = at.leaf + 1 == m_leaves.size() && at.slot == leaf->count;
        Leaf *next = newLeaf();
        // An append starts a fresh leaf so that ascending numbers fill every
        // leaf; anywhere else the full leaf gives up its upper half.
        const std::uint32_t keep = appending ? kLeafCapacity : kLeafCapacity / 2;
        next->count = kLeafCapacity - keep;
        std::memcpy(next->entries, leaf->entries + keep, next->count * sizeof(Entry));
        leaf->count = keep;
        addLeaf(at.leaf + 1, next, appending ? frn : next->entries[0].first);
        if (appending || at.slot > keep) {
            at.slot -= keep;
            at.leaf += 1;
            leaf = next;
        }
    }
    Entry *slot = leaf->entries + at.slot;
    std::memmove(slot + 1, slot, (leaf->count - at.slot) * sizeof(Entry));
    *slot = Entry{frn, FileRecord{}};
    ++leaf->count;
    ++m_size;
    if (at.slot == 0)
        m_firstKeys[at.leaf] = frn;
    return *slot;
}

std::size_t RecordMap::erase(FRN frn)
{
    const Position at = locate(frn);
    if (!at.found)
        return 0;
    Leaf *leaf = m_leaves[at.leaf];
    Entry *slot = leaf->entries + at.slot;
    std::memmove(slot, slot + 1, (leaf->count - at.slot - 1) * sizeof(Entry));
    --leaf->count;
    --m_size;
    if (leaf->count == 0)
        removeLeaf(at.leaf);
    else if (at.slot == 0)
        m_firstKeys[at.leaf] = leaf->entries[0].first;
    return 1;
}

RecordMap::Leaf *RecordMap::newLeaf()
{
    if (!m_spare.empty()) {
        Leaf *leaf = m_spare.back();
        m_spare.pop_back();
        leaf->count = 0;
        return leaf;
    }
    Leaf *leaf = static_cast<Leaf *>(m_arena.allocate(sizeof(Leaf), alignof(Leaf)));
    leaf->count = 0;
    return leaf;
}

void RecordMap::addLeaf(std::size_t index, Leaf *leaf, FRN firstKey)
{
    m_leaves.insert(m_leaves.begin() + std::ptrdiff_t(index), leaf);
    m_firstKeys.insert(m_firstKeys.begin() + std::ptrdiff_t(index), firstKey);
}

void RecordMap::removeLeaf(std::size_t index)
{
    m_spare.push_back(m_leaves[index]);
    m_leaves.erase(m_leaves.begin() + std::ptrdiff_t(index));
    m_firstKeys.erase(m_firstKeys.begin() + std::ptrdiff_t(index));
}

void RecordMap::clear()
{
    m_spare.insert(m_spare.end(), m_leaves.begin(), m_leaves.end());
    m_leaves.clear();
    m_firstKeys.clear();
    m_size = 0;
}

std::size_t RecordMap::leafBytes() const
{
    return (m_leaves.size() + m_spare.size()) * sizeof(Leaf);
}
