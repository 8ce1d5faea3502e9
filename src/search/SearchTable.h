#pragma once

#include "query/FileSearchRequest.h"

#include <QObject>

#include <map>
#include <memory>
#include <utility>

// The searches of one kind that a searcher runs, by request id. Not locked:
// the owner guards it when other threads may look (progress).
template<class Search>
class SearchTable
{
public:
    // Keeps `search` under `id`. An older search under that id stops
    // reporting to `receiver`: its end must not pass for the new one's.
    Search *put(FileSearchRequest::Id id, std::unique_ptr<Search> search, QObject *receiver)
    {
        std::unique_ptr<Search> &slot = m_searches[id];
        if (slot)
            slot->disconnect(receiver);
        slot = std::move(search);
        return slot.get();
    }
    // The search under `id`, removed from the table; null when none.
    std::unique_ptr<Search> take(FileSearchRequest::Id id)
    {
        const auto it = m_searches.find(id);
        if (it == m_searches.end())
            return nullptr;
        std::unique_ptr<Search> search = std::move(it->second);
        m_searches.erase(it);
        return search;
    }
    Search *find(FileSearchRequest::Id id) const
    {
        const auto it = m_searches.find(id);
        return it == m_searches.end() ? nullptr : it->second.get();
    }
    std::map<FileSearchRequest::Id, std::unique_ptr<Search>> takeAll() { return std::exchange(m_searches, {}); }
    bool isEmpty() const { return m_searches.empty(); }
    template<class Function>
    void forEach(Function function)
    {
        for (auto &entry : m_searches)
            function(entry.second.get());
    }

private:
    std::map<FileSearchRequest::Id, std::unique_ptr<Search>> m_searches;
};
