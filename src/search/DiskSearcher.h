#pragma once

#include <QChar>
#include <QSet>

class FileSearchRequest;
class FileSearchResults;

// Walks the requested folders that the index does not cover and adds every
// entry whose name matches to the target. Stateless: one object serves every
// search at once.
class DiskSearcher
{
public:
    // `indexedDrives`: keys of the indexed volumes; an include path on one of
    // them is left to the index. Ends quietly when the request is canceled.
    void search(const FileSearchRequest &request, FileSearchResults &target, const QSet<QChar> &indexedDrives) const;

    // The include paths of `request` that are not on a volume in `indexedDrives`, in request order.
    static QStringList walkRoots(const FileSearchRequest &request, const QSet<QChar> &indexedDrives);
};
