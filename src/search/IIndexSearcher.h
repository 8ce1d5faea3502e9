#pragma once

#include <QString>

class FileSearchRequest;
class FileSearchResults;

// Where a search gets its candidates from the index: the index this
// process holds (NTFSFileSearcher) or the index service (ServiceIndexSearcher).
// FileSearch asks it first and walks only the folders it does not cover.
class IIndexSearcher
{
public:
    virtual ~IIndexSearcher() = default;

    // Adds to `results` every indexed entry that matches the request's name
    // and folders, on the calling thread. Raises FileSearchCancelException
    // once the request is canceled and FileSearchException when the index
    // cannot answer.
    virtual void search(FileSearchRequest &request, FileSearchResults &results) = 0;
    // Whether the index answers for the folder at `path` (its volume is
    // indexed), so that the walk leaves it out.
    virtual bool covers(const QString &path) const = 0;
};
