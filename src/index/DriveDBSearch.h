#pragma once

#include "base/IndexTypes.h"
#include "index/NTFSDriveDB.h"
#include "index/RecordMap.h"
#include "query/ExpressionMatcher.h"

#include <atomic>
#include <memory>
#include <vector>

class FileSearchRequest;
class FileSearchResults;
class MatchingNames;

// One search over one drive database: the resolved folder lists and the
// visit of the folder and file maps. The caller holds the database's read
// lock for the object's whole life.
//
// A large database is searched by two threads: the maps are cut into
// chunks of leaves that the calling thread and one helper thread take in
// turn, each with a matcher of its own, and the calling thread adds the
// matches of finished chunks to the results in chunk order, so the results
// come in the same order as from one thread. In a large database the
// names are first matched once each, in the order they lie in the pool
// (MatchingNames), and the chunks then only look their records' names up.
class DriveDBSearch
{
public:
    DriveDBSearch(const NTFSDriveDB &db, FileSearchRequest &request, FileSearchResults &results);
    ~DriveDBSearch();

    // False when the request cannot match anything on this drive.
    bool prepare();
    // Adds every match to the results; raises FileSearchCancelException when
    // the request is canceled.
    void run();

private:
    // A match ready to be added: its pooled name and its parent path, as
    // the file system's bytes, held by a lane's folder paths.
    struct Hit
    {
        const char *name;
        const char *path;
        bool folder;
    };
    // Leaves [firstLeaf, endLeaf) of one map, and the matches found there.
    struct Chunk
    {
        const RecordMap *records;
        std::size_t firstLeaf;
        std::size_t endLeaf;
        bool folders;
        std::vector<Hit> hits;
        std::atomic<bool> done{false};
    };
    // What one thread needs of its own: matchers are used by one thread at a
    // time, and the buffers are reused from leaf to leaf.
    struct Lane
    {
        Lane(const FileSearchRequest &request);
        ExpressionMatcher matcher;
        QString name;
        std::vector<const char *> names;
        std::vector<const RecordMap::Entry *> entries;
        std::vector<quint8> verdicts;
        // Folder paths already built: matches come in bunches from one
        // folder, and building a path walks every ancestor.
        FolderPaths paths;
    };

    void makeChunks();
    // Takes chunks until none is left or the request is canceled; the
    // calling thread also adds what is finished (`reporting`).
    void work(Lane &lane, bool reporting);
    void scan(Lane &lane, Chunk &chunk);
    void gatherLeaf(Lane &lane, const RecordMap::Span &leaf);
    void addHit(Lane &lane, const RecordMap::Entry &entry, bool folders, std::vector<Hit> &hits);
    // Adds the hits of finished chunks that no unfinished chunk precedes.
    void reportFinished();
    void throwIfCanceled() const;
    bool accepts(FRN frn, const FileRecord &record, bool folder) const;
    static bool contains(const std::vector<FRN> &list, FRN frn);

    const NTFSDriveDB &m_db;
    FileSearchRequest &m_request;
    FileSearchResults &m_results;
    std::vector<FRN> m_include;
    std::vector<FRN> m_excludeFolders;
    std::vector<FRN> m_excludeFiles;
    // The names that match, when they were found in the pool's order;
    // otherwise each lane matches the names of its records.
    std::unique_ptr<MatchingNames> m_matching;
    std::vector<std::unique_ptr<Chunk>> m_chunks;
    std::atomic<std::size_t> m_nextChunk{0};
    std::size_t m_reported = 0; // chunks whose hits are in the results
    // A finished chunk's hits, as the results take them at once.
    std::vector<const char *> m_reportedNames;
    std::vector<const char *> m_reportedPaths;
    std::vector<unsigned char> m_reportedFolders;
};
