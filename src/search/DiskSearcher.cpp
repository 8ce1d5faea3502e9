#include "search/DiskSearcher.h"

#include "platform/linux/NTFSUtils.h"
#include "query/ExpressionMatcher.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "search/DirectoryWalker.h"

QStringList DiskSearcher::walkRoots(const FileSearchRequest &request, const QSet<QChar> &indexedDrives)
{
    QStringList roots;
    for (const QString &path : request.includePaths) {
        if (path.isEmpty())
            continue;
        // A path on no volume (a pseudo file system, a missing mount) has a
        // null key, never indexed: it is walked.
        const QChar key = indexedDrives.isEmpty() ? QChar() : volumeOfPath(path).key;
        if (key.isNull() || !indexedDrives.contains(key))
            roots.append(path);
    }
    return roots;
}

void DiskSearcher::search(const FileSearchRequest &request, FileSearchResults &target,
                          const QSet<QChar> &indexedDrives, const std::function<void()> &found) const
{
    // Without folders the index alone answers.
    const QStringList roots = walkRoots(request, indexedDrives);
    if (roots.isEmpty())
        return;
    DirectoryWalker walker(roots, request.excludePaths, request.includeSubfolders);
    ExpressionMatcher matcher(request.name, request.nameMatchOptions());
    // Names are judged and kept as the file system's bytes; only a name
    // whose verdict depends on characters beyond ASCII is decoded.
    const bool everyName = matcher.matchesEveryName();
    const bool onBytes = matcher.hasAsciiPath();
    int added = 0;
    while (!request.canceled && walker.advance()) {
        if (!everyName) {
            int verdict = onBytes ? matcher.matchBytes(walker.fileNameBytes()) : int(ExpressionMatcher::NotAscii);
            if (verdict == ExpressionMatcher::NotAscii)
                verdict = matcher.match(walker.fileName());
            if (verdict != ExpressionMatcher::Match)
                continue;
        }
        if (walker.isDir())
            target.addFolder(walker.fileNameBytes(), walker.dirPathBytes());
        else
            target.addFile(walker.fileNameBytes(), walker.dirPathBytes());
        if (++added % kFoundBatch == 0 && found)
            found();
    }
}
