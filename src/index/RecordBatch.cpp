#include "index/RecordBatch.h"

#include "index/StringPool.h"

#include <algorithm>

void RecordBatch::add(FRN frn, FRN parent, const QString &name, bool isDir)
{
    if (name.isEmpty())
        return;
    const QByteArray utf8 = name.toUtf8();
    m_entries.push_back(Entry{frn, parent, std::uint32_t(m_names.size()), isDir});
    m_names.insert(m_names.end(), utf8.constData(), utf8.constData() + utf8.size() + 1);
}

void RecordBatch::sort()
{
    // Stable, so that of two reports of one number the later stays later.
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry &a, const Entry &b) {
        return a.frn < b.frn;
    });
}

const char *RecordBatch::intern(StringPool &pool, const Entry &entry) const
{
    return pool.intern(m_names.data() + entry.nameOffset);
}
