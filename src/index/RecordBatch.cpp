#include "index/RecordBatch.h"

#include "strings/StringPool.h"

#include <algorithm>
#include <cstring>

void RecordBatch::add(FRN frn, FRN parent, const char *utf8, bool isDir)
{
    add(frn, parent, utf8, std::strlen(utf8), isDir);
}

// `utf8` holds `length` bytes and need not be terminated.
void RecordBatch::add(FRN frn, FRN parent, const char *utf8, std::size_t length, bool isDir)
{
    if (length == 0)
        return;
    m_entries.push_back(Entry{frn, parent, std::uint32_t(m_names.size()), isDir});
    m_names.insert(m_names.end(), utf8, utf8 + length);
    m_names.push_back('\0');
}

void RecordBatch::reserve(std::size_t records)
{
    // A name takes about sixteen bytes with its terminator.
    constexpr std::size_t kNameBytes = 16;
    m_entries.reserve(records);
    m_names.reserve(records * kNameBytes);
}

void RecordBatch::sort()
{
    const auto byNumber = [](const Entry &a, const Entry &b) { return a.frn < b.frn; };
    // A database file holds its records in order already.
    if (std::is_sorted(m_entries.begin(), m_entries.end(), byNumber))
        return;
    // Stable, so that of two reports of one number the later stays later.
    std::stable_sort(m_entries.begin(), m_entries.end(), byNumber);
}

std::vector<const char *> RecordBatch::intern(StringPool &pool) const
{
    // Most names of a volume are distinct: the pool's index is sized once
    // for half of them rather than rebuilt at every doubling on the way.
    pool.reserve(m_entries.size() / 2);
    std::vector<const char *> names(m_entries.size());
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        names[i] = m_names.data() + m_entries[i].nameOffset;
    pool.intern(names.data(), names.size(), names.data());
    return names;
}
