#include "index/FolderPaths.h"

#include <cstring>

namespace {

constexpr std::size_t kInitialSlots = 1024;
// Kept at most half full, so that runs of taken slots stay short.
constexpr std::size_t kMaxLoadPercent = 50;
constexpr char kNoPath[] = "";

} // namespace

FolderPaths::FolderPaths()
    : m_slots(kInitialSlots)
{
}

std::size_t FolderPaths::slotOf(FRN folder) const
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = std::size_t((folder * 0x9e3779b97f4a7c15ull) >> 32) & mask;
    while (m_slots[i].path.text && m_slots[i].folder != folder)
        i = (i + 1) & mask;
    return i;
}

FolderPaths::Path FolderPaths::find(FRN folder) const
{
    return m_slots[slotOf(folder)].path;
}

FolderPaths::Path FolderPaths::keep(FRN folder, const Path &base, const char *name)
{
    const std::size_t nameLength = std::strlen(name);
    const bool separator = base.text && (base.length == 0 || base.text[base.length - 1] != '/');
    const std::size_t baseLength = base.text ? base.length : 0;
    const std::size_t length = baseLength + (separator ? 1 : 0) + nameLength;
    auto *text = static_cast<char *>(m_arena.allocate(length + 1));
    if (baseLength)
        std::memcpy(text, base.text, baseLength);
    if (separator)
        text[baseLength] = '/';
    std::memcpy(text + length - nameLength, name, nameLength + 1);
    return put(folder, Path{text, length});
}

FolderPaths::Path FolderPaths::keepNone(FRN folder)
{
    return put(folder, Path{kNoPath, 0});
}

FolderPaths::Path FolderPaths::put(FRN folder, const Path &path)
{
    if ((m_count + 1) * 100 > m_slots.size() * kMaxLoadPercent)
        grow();
    Slot &slot = m_slots[slotOf(folder)];
    if (!slot.path.text)
        ++m_count;
    slot = Slot{folder, path};
    return path;
}

void FolderPaths::grow()
{
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    for (const Slot &slot : old) {
        if (slot.path.text)
            m_slots[slotOf(slot.folder)] = slot;
    }
}
