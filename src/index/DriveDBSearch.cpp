#include "index/DriveDBSearch.h"

#include "base/FileNameCodec.h"
#include "base/FileSearchCancelException.h"
#include "index/MatchingNames.h"
#include "index/TwoThreads.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"

#include <algorithm>
#include <thread>

static const QString kModule = QStringLiteral("NTFSDriveDB");

namespace {

// A chunk of 16 leaves holds about 2,000 records: small enough that the two
// threads end together, large enough that taking one costs nothing.
constexpr std::size_t kLeavesPerChunk = 16;
// Below this many records a second thread costs more to start than it saves.
constexpr std::size_t kRecordsForTwoThreads = 50000;
// The names are matched in the pool's order only when the pool holds not
// many more strings than the database has records: the pool is shared by
// every volume, and keeps the names of deleted files too.
constexpr std::size_t kPoolStringsPerRecord = 2;
// At most one matching name per this many records keeps the table of the
// matching names small.
constexpr std::size_t kRecordsPerMatchingName = 16;

} // namespace

DriveDBSearch::Lane::Lane(const FileSearchRequest &request)
    : matcher(request.name, request.nameMatchOptions())
{
    names.reserve(RecordMap::kLeafCapacity * kLeavesPerChunk);
    entries.reserve(RecordMap::kLeafCapacity * kLeavesPerChunk);
    verdicts.reserve(RecordMap::kLeafCapacity * kLeavesPerChunk);
}

DriveDBSearch::DriveDBSearch(const NTFSDriveDB &db, FileSearchRequest &request, FileSearchResults &results)
    : m_db(db)
    , m_request(request)
    , m_results(results)
{
}

DriveDBSearch::~DriveDBSearch() = default;

bool DriveDBSearch::prepare()
{
    if (!m_request.includePaths.isEmpty()) {
        NTFSDriveDB::ResolvedPaths include = m_db.resolve(m_request.includePaths);
        if (include.coversRoot) {
            if (!m_request.includeSubfolders)
                m_include.push_back(m_db.rootFrn());
        } else if (include.folders.empty()) {
            return false;
        } else {
            m_include = std::move(include.folders);
        }
    }
    QStringList excludes;
    for (const QString &path : m_request.excludePaths) {
        if (path.contains(QLatin1Char('/')))
            excludes << path;
    }
    NTFSDriveDB::ResolvedPaths exclude = m_db.resolve(excludes);
    if (exclude.coversRoot)
        return false;
    m_excludeFolders = std::move(exclude.folders);
    std::sort(exclude.files.begin(), exclude.files.end());
    m_excludeFiles = std::move(exclude.files);
    return true;
}

void DriveDBSearch::run()
{
    const std::size_t records = m_db.m_folders.size() + m_db.m_files.size();
    const bool twoThreads = records >= kRecordsForTwoThreads && std::thread::hardware_concurrency() > 1;
    Lane own(m_request);
    if (records >= kRecordsForTwoThreads && !own.matcher.matchesEveryName()
        && m_db.m_pool->size() <= kPoolStringsPerRecord * records) {
        // Under the database's read lock every name its records hold is in
        // the pool already.
        m_matching = std::make_unique<MatchingNames>(m_db.m_pool->spans(), m_request, twoThreads);
        throwIfCanceled();
        if (m_matching->empty())
            return;
        // A term found in a large share of the names makes a table larger
        // than the caches, and looking every record up in it costs more
        // than matching the records' names where they lie.
        if (m_matching->size() > records / kRecordsPerMatchingName)
            m_matching.reset();
    }
    makeChunks();
    std::unique_ptr<Lane> other = twoThreads ? std::make_unique<Lane>(m_request) : nullptr;
    runOnTwoThreads(
        twoThreads,
        [&](int lane) {
            if (lane == 0)
                work(own, /*reporting=*/true);
            else
                work(*other, /*reporting=*/false);
        },
        [this] { m_nextChunk = m_chunks.size(); });
    throwIfCanceled();
    reportFinished();
}

void DriveDBSearch::makeChunks()
{
    const bool sizeBound = m_request.minSize != -1 || m_request.maxSize != -1;
    // No search finds more rows than the records it looks at: room for that
    // many, set aside at once, spares growing the results by doubling.
    m_results.reserve(sizeBound ? 0 : m_db.m_folders.size(), m_db.m_files.size());
    auto add = [this](const RecordMap &records, bool folders) {
        for (std::size_t first = 0; first < records.leafCount(); first += kLeavesPerChunk) {
            auto chunk = std::make_unique<Chunk>();
            chunk->records = &records;
            chunk->firstLeaf = first;
            chunk->endLeaf = std::min(first + kLeavesPerChunk, records.leafCount());
            chunk->folders = folders;
            m_chunks.push_back(std::move(chunk));
        }
    };
    if (!sizeBound)
        add(m_db.m_folders, /*folders=*/true);
    add(m_db.m_files, /*folders=*/false);
}

void DriveDBSearch::work(Lane &lane, bool reporting)
{
    for (;;) {
        if (m_request.canceled)
            return;
        const std::size_t index = m_nextChunk.fetch_add(1);
        if (index >= m_chunks.size())
            return;
        Chunk &chunk = *m_chunks[index];
        scan(lane, chunk);
        chunk.done.store(true, std::memory_order_release);
        if (reporting)
            reportFinished();
    }
}

// The names of a chunk's leaves go to the matcher together, so that its
// reading ahead of the names runs on across the leaves; an ASCII name is
// matched on its bytes and decoded only if it matches, which few do.
void DriveDBSearch::scan(Lane &lane, Chunk &chunk)
{
    if (m_matching) {
        for (std::size_t leaf = chunk.firstLeaf; leaf < chunk.endLeaf; ++leaf) {
            for (const RecordMap::Entry &entry : chunk.records->leaf(leaf)) {
                __builtin_prefetch(reinterpret_cast<const char *>(&entry) + 1024);
                if (entry.second.name && m_matching->contains(entry.second.name))
                    addHit(lane, entry, chunk.folders, chunk.hits);
            }
        }
        return;
    }
    lane.names.clear();
    lane.entries.clear();
    for (std::size_t leaf = chunk.firstLeaf; leaf < chunk.endLeaf; ++leaf)
        gatherLeaf(lane, chunk.records->leaf(leaf));
    const bool folders = chunk.folders;
    std::vector<Hit> &hits = chunk.hits;
    const int count = int(lane.names.size());
    lane.verdicts.assign(std::size_t(count), quint8(ExpressionMatcher::NotAscii));
    if (lane.matcher.hasAsciiPath())
        lane.matcher.matchBytes(lane.names.data(), count, lane.verdicts.data());
    for (int i = 0; i < count; ++i) {
        const int verdict = lane.verdicts[std::size_t(i)];
        if (verdict == ExpressionMatcher::Match) {
            addHit(lane, *lane.entries[std::size_t(i)], folders, hits);
        } else if (verdict == ExpressionMatcher::NotAscii) {
            if (i + 8 < count)
                __builtin_prefetch(lane.names[std::size_t(i) + 8]);
            FileNameCodec::decodeName(lane.names[std::size_t(i)], lane.name);
            if (lane.matcher.match(lane.name) == ExpressionMatcher::Match)
                addHit(lane, *lane.entries[std::size_t(i)], folders, hits);
        }
    }
}

void DriveDBSearch::gatherLeaf(Lane &lane, const RecordMap::Span &leaf)
{
    for (const RecordMap::Entry &entry : leaf) {
        // Leaves lie one after another in the arena, but the processor does
        // not read ahead across a page by itself.
        __builtin_prefetch(reinterpret_cast<const char *>(&entry) + 1024);
        if (entry.second.name) {
            lane.names.push_back(entry.second.name);
            lane.entries.push_back(&entry);
        }
    }
}

void DriveDBSearch::addHit(Lane &lane, const RecordMap::Entry &entry, bool folders, std::vector<Hit> &hits)
{
    const FileRecord &record = entry.second;
    if (!accepts(entry.first, record, folders))
        return;
    if (const char *path = m_db.folderPathBytes(record, lane.paths))
        hits.push_back(Hit{record.name, path, folders});
}

// The results keep the file system's bytes, and a chunk's hits go in under
// one lock; the hits of one folder share their path's pointer, which the
// results then look up once.
void DriveDBSearch::reportFinished()
{
    while (m_reported < m_chunks.size() && m_chunks[m_reported]->done.load(std::memory_order_acquire)) {
        const std::vector<Hit> hits = std::move(m_chunks[m_reported]->hits);
        ++m_reported;
        m_reportedNames.clear();
        m_reportedPaths.clear();
        m_reportedFolders.clear();
        for (const Hit &hit : hits) {
            m_reportedNames.push_back(hit.name);
            m_reportedPaths.push_back(hit.path);
            m_reportedFolders.push_back(hit.folder ? 1 : 0);
        }
        m_results.addBatch(m_reportedNames.data(), m_reportedPaths.data(), m_reportedFolders.data(), hits.size());
    }
}

void DriveDBSearch::throwIfCanceled() const
{
    if (m_request.canceled)
        throw FileSearchCancelException(kModule, __LINE__, QStringLiteral("Request %1 canceled").arg(m_request.id));
}

bool DriveDBSearch::accepts(FRN frn, const FileRecord &record, bool folder) const
{
    const bool subfolders = m_request.includeSubfolders;
    if (!m_include.empty()) {
        const bool inside = subfolders ? m_db.descendsFromAny(record, frn, m_include)
                                       : contains(m_include, record.parent);
        if (!inside)
            return false;
    }
    if (!m_excludeFolders.empty()) {
        if (folder && contains(m_excludeFolders, frn))
            return false;
        const bool excluded = subfolders ? m_db.descendsFromAny(record, frn, m_excludeFolders)
                                         : contains(m_excludeFolders, record.parent);
        if (excluded)
            return false;
    }
    return folder || !std::binary_search(m_excludeFiles.begin(), m_excludeFiles.end(), frn);
}

bool DriveDBSearch::contains(const std::vector<FRN> &list, FRN frn)
{
    return std::find(list.begin(), list.end(), frn) != list.end();
}
