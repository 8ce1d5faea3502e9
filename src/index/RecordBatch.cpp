#include "index/RecordBatch.h"

#include "index/StringPool.h"

#include <algorithm>
#include <cstring>

void RecordBatch::add(FRN frn, FRN parent, const QString &name, bool isDir)
{
    const QByteArray utf8 = name.toUtf8();
    append(frn, parent, utf8.constData(), std::size_t(utf8.size()), isDir);
}

void RecordBatch::add(FRN frn, FRN parent, const char *utf8, bool isDir)
{
    append(frn, parent, utf8, std::strlen(utf8), isDir);
}

void RecordBatch::append(FRN frn, FRN parent, const char *utf8, std::size_t length, bool isDir)
{
    if (length == 0)
        return;
    m_entries.push_back(Entry{frn, parent, std::uint32_t(m_names.size()), isDir});
    m_names.insert(m_names.end(), utf8, utf8 + length + 1);
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
    std::vector<const char *> names(m_entries.size());
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        names[i] = m_names.data() + m_entries[i].nameOffset;
    pool.intern(names.data(), names.size(), names.data());
    return names;
}
