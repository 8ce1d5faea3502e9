#pragma once

#include <QChar>
#include <QSet>

#include <functional>

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
    // `found`, when set, is called on the walking thread after every
    // kFoundBatch entries added, so that the caller can work on them while
    // the walk goes on.
    void search(const FileSearchRequest &request, FileSearchResults &target, const QSet<QChar> &indexedDrives,
                const std::function<void()> &found = nullptr) const;

    static constexpr int kFoundBatch = 64;

    // The include paths of `request` that are not on a volume in `indexedDrives`, in request order.
    static QStringList walkRoots(const FileSearchRequest &request, const QSet<QChar> &indexedDrives);
};
