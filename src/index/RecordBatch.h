#pragma once

#include "base/IndexTypes.h"
#include "index/FileRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class StringPool;

// Records of a whole-volume enumeration or a database file, gathered in the
// order they are found and put into the record maps in number order, their
// names interned all at once. Inserting in key order makes every insertion
// an append, and lays the records and the names out in memory in the order
// a search visits them.
class RecordBatch
{
public:
    // Empty names are left out, as the database's slots do.
    void add(FRN frn, FRN parent, const char *utf8, bool isDir);
    void add(FRN frn, FRN parent, const char *utf8, std::size_t length, bool isDir);
    std::size_t size() const { return m_entries.size(); }
    // Makes room for about `records` records at once: growing by doubling
    // copies everything gathered so far and touches twice the memory.
    void reserve(std::size_t records);

    // Interns the names and inserts or overwrites each record by its number;
    // of several reports of one number the last wins, as with the slots.
    template <typename Map>
    void apply(Map &folders, Map &files, StringPool &pool);

private:
    struct Entry
    {
        FRN frn;
        FRN parent;
        std::uint32_t nameOffset;
        bool isDir;
    };

    void sort();
    std::vector<const char *> intern(StringPool &pool) const;

    std::vector<Entry> m_entries;
    std::vector<char> m_names;
};

template <typename Map>
void RecordBatch::apply(Map &folders, Map &files, StringPool &pool)
{
    sort();
    const std::vector<const char *> names = intern(pool);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry &entry = m_entries[i];
        Map &map = entry.isDir ? folders : files;
        map.insert_or_assign(entry.frn, FileRecord{entry.parent, names[i]});
    }
    m_entries.clear();
    m_names.clear();
}
