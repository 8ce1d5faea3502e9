#include "index/NTFSDriveDB.h"

#include "base/FileSearchCancelException.h"
#include "base/Logger.h"
#include "index/DriveDBFile.h"
#include "index/DriveDBRecordReader.h"
#include "index/DriveDBRecordWriter.h"
#include "index/DriveDBSearch.h"
#include "index/RecordBatch.h"
#include "platform/linux/ChangeJournalReader.h"
#include "platform/linux/MFTReader.h"
#include "platform/linux/NTFSUtils.h"
#include "platform/linux/RegularFile.h"
#include "strings/StringPool.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

const char kComponent[] = "NTFSDriveDB";
const QString kModule = QStringLiteral("NTFSDriveDB");

void log(int level, const QString &message)
{
    Logger::instance()->log(level, kComponent, message);
}

bool isAscii(const char *s, std::size_t &length)
{
    const char *p = s;
    bool ascii = true;
    for (; *p; ++p)
        ascii &= static_cast<unsigned char>(*p) < 0x80;
    length = std::size_t(p - s);
    return ascii;
}

// Gathers an enumeration's entries with their names as the file system
// gives them, which is how the pool keeps them.
class BatchSink : public MFTReader::Sink
{
public:
    explicit BatchSink(RecordBatch &batch) : m_batch(batch) {}
    void entry(std::uint64_t ino, std::uint64_t parentIno, const char *name, std::size_t size, bool isDir) override
    {
        m_batch.add(ino, parentIno, name, size, isDir);
    }

private:
    RecordBatch &m_batch;
};

} // namespace


NTFSDriveDB::NTFSDriveDB(QChar drive, std::shared_ptr<StringPool> pool, const IndexingSettings &settings)
    : NTFSDriveDB(drive, std::move(pool), settings, nullptr, JournalState())
{
    auto reader = std::make_unique<ChangeJournalReader>(m_drive);
    reader->setReplaySource(this);
    JournalState journal;
    queryJournal(m_drive, journal);
    attachMonitor(std::move(reader), journal);
}

NTFSDriveDB::NTFSDriveDB(QChar drive, std::shared_ptr<StringPool> pool, const IndexingSettings &settings,
                         std::unique_ptr<IChangeJournalReader> reader, const JournalState &journal)
    : m_drive(drive.toUpper())
    , m_folders(m_arena)
    , m_files(m_arena)
    , m_pool(pool ? std::move(pool) : std::make_shared<StringPool>())
{
    log(INFO, QStringLiteral("Init DB for drive %1").arg(m_drive));
    setIndexingSettings(settings);
    if (reader)
        attachMonitor(std::move(reader), journal);
}

NTFSDriveDB::~NTFSDriveDB()
{
    stopMonitor();
}

void NTFSDriveDB::attachMonitor(std::unique_ptr<IChangeJournalReader> reader, const JournalState &journal)
{
    m_journal = journal;
    m_monitor = std::make_unique<ChangeJournal>();
    m_monitor->setReader(m_drive, reader.release());
    // Direct: the slots run on the monitor thread, one change after the other,
    // and the monitor records a position only after the change is applied.
    connect(m_monitor.get(), &ChangeJournal::fileAdded, this, &NTFSDriveDB::addFile, Qt::DirectConnection);
    connect(m_monitor.get(), &ChangeJournal::fileRenamed, this, &NTFSDriveDB::renameFile, Qt::DirectConnection);
    connect(m_monitor.get(), &ChangeJournal::fileDeleted, this, &NTFSDriveDB::deleteFile, Qt::DirectConnection);
}

void NTFSDriveDB::setIndexingSettings(const IndexingSettings &settings)
{
    m_excludedNames.clear();
    m_excludedFirstBytes.reset();
    for (const QString &entry : settings.excludePaths) {
        if (!entry.contains(QLatin1Char('/'))) {
            m_excludedNames.push_back(entry.toLower().toUtf8());
            m_excludedFirstBytes.set(static_cast<unsigned char>(m_excludedNames.back().constData()[0]));
        }
    }
    m_settings = settings;
}

bool NTFSDriveDB::store(FRN frn, FRN parent, const QString &name, bool isDir, const char *emptyMessage,
                        const char *poolMessage)
{
    if (name.isEmpty()) {
        Logger::instance()->log(WARNING, kComponent, emptyMessage);
        return false;
    }
    QWriteLocker lock(&m_lock);
    const char *interned = m_pool->intern(name);
    if (!interned) {
        Logger::instance()->log(WARNING, kComponent, poolMessage);
        return false;
    }
    FileRecord &record = (isDir ? m_folders : m_files)[frn];
    record.parent = parent;
    record.name = interned;
    ++m_changes;
    return true;
}

void NTFSDriveDB::addFile(FRN frn, FRN frnParent, const QString &name, bool isDir)
{
    store(frn, frnParent, name, isDir, "addFile: Tried to add empty name", "addFile: Got empty name from string pool");
}

void NTFSDriveDB::renameFile(FRN frn, FRN frnParent, const QString &name, bool isDir)
{
    store(frn, frnParent, name, isDir, "renameFile: Tried to add empty name",
          "renameFile: Got empty name from string pool");
}

void NTFSDriveDB::deleteFile(FRN frn, bool isFolder)
{
    QWriteLocker lock(&m_lock);
    (isFolder ? m_folders : m_files).erase(frn);
    ++m_changes;
}

QVector<IJournalReplaySource::Entry> NTFSDriveDB::children(FRN folder) const
{
    return childrenOf({folder}).value(folder);
}

QVector<IJournalReplaySource::Entry> NTFSDriveDB::subfolders(FRN folder) const
{
    QHash<FRN, QVector<Entry>> found;
    QReadLocker lock(&m_lock);
    collectChildren(m_folders, true, {folder}, found);
    return found.value(folder);
}

// The maps are keyed by each record's own number: children are found by one
// pass over every record, which answers any number of folders at once.
QHash<FRN, QVector<IJournalReplaySource::Entry>> NTFSDriveDB::childrenOf(const QVector<FRN> &folders) const
{
    std::vector<FRN> parents(folders.begin(), folders.end());
    std::sort(parents.begin(), parents.end());
    QHash<FRN, QVector<Entry>> found;
    QReadLocker lock(&m_lock);
    collectChildren(m_folders, true, parents, found);
    collectChildren(m_files, false, parents, found);
    return found;
}

void NTFSDriveDB::collectChildren(const RecordMap &map, bool isFolder, const std::vector<FRN> &parents,
                                  QHash<FRN, QVector<Entry>> &into) const
{
    if (parents.empty())
        return;
    for (const auto &entry : map) {
        const FRN parent = entry.second.parent;
        if (parent < parents.front() || parent > parents.back() || !entry.second.name
            || !std::binary_search(parents.begin(), parents.end(), parent))
            continue;
        into[parent].push_back({entry.first, QFile::decodeName(entry.second.name), isFolder});
    }
}

std::vector<IJournalReplaySource::Folder> NTFSDriveDB::folders() const
{
    QReadLocker lock(&m_lock);
    std::vector<Folder> result;
    result.reserve(m_folders.size());
    for (const auto &entry : m_folders) {
        if (entry.second.name)
            result.push_back({entry.first, entry.second.parent, entry.second.name});
    }
    return result;
}

int NTFSDriveDB::fileCount() const
{
    QReadLocker lock(&m_lock);
    return int(m_folders.size() + m_files.size());
}

// Called for every match and each of its folders: an ASCII name is compared
// as it is, folding its letters on the way, without a copy.
bool NTFSDriveDB::isExcludedName(const char *name) const
{
    if (m_excludedNames.empty())
        return false;
    // Asked for every match of a search: most names are told apart by their
    // first byte. One that starts with an ASCII letter starts with that
    // letter folded once lowered; one that does not is compared in full.
    const auto first = static_cast<unsigned char>(name[0]);
    if (first < 0x80) {
        const unsigned char folded = (first >= 'A' && first <= 'Z') ? first + ('a' - 'A') : first;
        if (!m_excludedFirstBytes.test(folded))
            return false;
    }
    std::size_t length = 0;
    if (isAscii(name, length)) {
        const auto folded = [name](std::size_t i) {
            return char((name[i] >= 'A' && name[i] <= 'Z') ? name[i] + ('a' - 'A') : name[i]);
        };
        for (const QByteArray &excluded : m_excludedNames) {
            if (std::size_t(excluded.size()) != length)
                continue;
            std::size_t i = 0;
            while (i < length && folded(i) == excluded[int(i)])
                ++i;
            if (i == length)
                return true;
        }
        return false;
    }
    const QByteArray lower = QString::fromUtf8(name, int(length)).toLower().toUtf8();
    return std::find(m_excludedNames.cbegin(), m_excludedNames.cend(), lower) != m_excludedNames.cend();
}

QString NTFSDriveDB::folderPath(const FileRecord &record) const
{
    FolderPaths known;
    const char *path = folderPathBytes(record, known);
    return path ? QFile::decodeName(path) : QString();
}

const char *NTFSDriveDB::folderPathBytes(const FileRecord &record, FolderPaths &known) const
{
    if (record.parent == 0 || (record.name && isExcludedName(record.name)))
        return nullptr;
    const FolderPaths::Path path = pathOfFolder(record.parent, record, known);
    return path.length ? path.text : nullptr;
}

// Walks up to the root or to a folder already known, then makes the paths
// of the folders on the way down, keeping each; a folder without a path is
// kept as such, so its warning is given once.
FolderPaths::Path NTFSDriveDB::pathOfFolder(FRN frn, const FileRecord &record, FolderPaths &known) const
{
    if (known.lastPath.text && known.lastFolder == frn)
        return known.lastPath;
    FolderPaths::Path path = known.find(frn);
    if (!path.text) {
        std::vector<std::pair<FRN, const FileRecord *>> chain;
        bool broken = false;
        for (FRN at = frn;;) {
            // A parent chain can never be longer than the number of folders;
            // a longer one is a cycle, which would otherwise hang every search.
            if (chain.size() > m_folders.size()) {
                log(WARNING, QStringLiteral("Parent chain of %1 is a cycle").arg(QString::fromUtf8(record.name)));
                broken = true;
                break;
            }
            const FolderPaths::Path kept = known.find(at);
            if (kept.text) {
                path = kept;
                broken = kept.length == 0;
                break;
            }
            const auto folder = m_folders.find(at);
            if (folder == m_folders.end()) {
                if (m_files.find(at) == m_files.end())
                    log(WARNING, QStringLiteral("File %1 has no parent").arg(QString::fromUtf8(record.name)));
                broken = true;
                break;
            }
            const FileRecord &current = folder->second;
            if (!current.name) {
                log(WARNING, QStringLiteral("Record has an empty name"));
                broken = true;
                break;
            }
            chain.emplace_back(at, &current);
            // The root's name is its mount point, and it is never excluded.
            if (current.parent == 0)
                break;
            if (isExcludedName(current.name)) {
                broken = true;
                break;
            }
            at = current.parent;
        }
        // Not even the first folder was found: it is kept as without a path.
        if (chain.empty())
            chain.emplace_back(frn, nullptr);
        for (auto step = chain.rbegin(); step != chain.rend(); ++step) {
            if (broken)
                path = known.keepNone(step->first);
            else if (step->second->parent == 0)
                path = known.keep(step->first, FolderPaths::Path(), step->second->name);
            else
                path = known.keep(step->first, path, step->second->name);
        }
    }
    known.lastFolder = frn;
    known.lastPath = path;
    return path;
}

bool NTFSDriveDB::descendsFromAny(const FileRecord &record, FRN frn, const std::vector<FRN> &ancestors) const
{
    auto isAncestor = [&ancestors](FRN f) {
        return std::find(ancestors.begin(), ancestors.end(), f) != ancestors.end();
    };
    FRN parent = record.parent;
    std::size_t steps = 0;
    while (parent != 0 && parent != frn && steps++ <= m_folders.size()) {
        if (isAncestor(parent))
            return true;
        const auto folder = m_folders.find(parent);
        if (folder == m_folders.end())
            return false;
        parent = folder->second.parent;
    }
    return false;
}

FRN NTFSDriveDB::rootFrn() const
{
    const VolumeInfo volume = volumeInfo(m_drive);
    return volume.mountPoint.isEmpty() ? 0 : MFTReader::fileId(volume.mountPoint);
}

NTFSDriveDB::ResolvedPaths NTFSDriveDB::resolve(const QStringList &paths) const
{
    ResolvedPaths resolved;
    const FRN root = rootFrn();
    for (const QString &path : paths) {
        if (volumeOfPath(path).key != m_drive)
            continue;
        bool isDir = false;
        const FRN frn = MFTReader::fileId(path, &isDir);
        if (frn == 0)
            continue;
        if (frn == root) {
            return ResolvedPaths{true, {}, {}};
        }
        (isDir ? resolved.folders : resolved.files).push_back(frn);
    }
    return resolved;
}

void NTFSDriveDB::search(FileSearchRequest &request, FileSearchResults &results)
{
    QReadLocker lock(&m_lock);
    DriveDBSearch search(*this, request, results);
    if (search.prepare())
        search.run();
}

QString NTFSDriveDB::databaseFilePath(const QString &dbFolder, QChar drive)
{
    return dbFolder + QStringLiteral("/DB/") + drive;
}

QString NTFSDriveDB::databaseFilePath() const
{
    return databaseFilePath(m_settings.dbPath, m_drive);
}

void NTFSDriveDB::loadOrCreate(const CancelFlag *cancel)
{
    if (!load(cancel))
        create(cancel);
    log(INFO, QStringLiteral("Files count: %1").arg(fileCount()));
}

void NTFSDriveDB::create(const CancelFlag *cancel)
{
    log(INFO, QStringLiteral("Create DB for %1:").arg(m_drive));
    // The position is taken before the enumeration, so that what changes
    // during it is applied afterwards.
    JournalState journal;
    queryJournal(m_drive, journal);
    readMft(cancel);
    m_monitor->start(journal.nextUsn);
}

void NTFSDriveDB::readMft(const CancelFlag *cancel)
{
    QElapsedTimer timer;
    timer.start();
    MFTReader reader;
    RecordBatch batch;
    // Never more than the arena of a very large volume would take anyway.
    constexpr quint64 kMostReserved = 50000000;
    batch.reserve(std::size_t(std::min(MFTReader::entryCountHint(m_drive), kMostReserved)));
    BatchSink sink(batch);
    try {
        reader.read(m_drive, cancel, sink);
    } catch (const FileSearchCancelException &) {
        // What was found so far stays, as when records arrive one by one.
        applyBatch(batch);
        throw;
    }
    applyBatch(batch);
    log(INFO, QStringLiteral("Reading MFT done in %1 seconds").arg(timer.elapsed() / 1000));
}

USN NTFSDriveDB::stopMonitor()
{
    return m_monitor ? m_monitor->stop() : 0;
}

void NTFSDriveDB::save()
{
    // The monitor is stopped before the write lock is taken: stopping waits
    // for the monitor thread, which may itself be waiting for that lock in
    // one of the slots.
    const USN position = stopMonitor();
    QWriteLocker lock(&m_lock);
    writeFile(position);
}

void NTFSDriveDB::checkpoint()
{
    // Read first, then lock: a change applied meanwhile is replayed once
    // more after a crash, which leaves the same records.
    const USN position = m_monitor ? m_monitor->position() : 0;
    QReadLocker lock(&m_lock);
    writeFile(position);
}

// The caller holds the lock, read or write.
void NTFSDriveDB::writeFile(USN position)
{
    QElapsedTimer timer;
    timer.start();
    const QString path = databaseFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written beside the old file and renamed over its name, so that a crash
    // or a full disk never leaves a damaged database in its place. The
    // rename replaces a link planted at that name instead of writing through
    // it, as QSaveFile would, to whatever it points to.
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open())
        throw FileSearchException(kModule, __LINE__, QStringLiteral("Failed to create a file"));
    QDataStream out(&file);
    DriveDBFile::writeHeader(out, m_journal.journalId, position, qint32(m_folders.size() + m_files.size()));
    DriveDBRecordWriter records(file);
    for (const auto &entry : m_folders)
        records.write(entry.second.parent, entry.first, entry.second.name, true);
    for (const auto &entry : m_files)
        records.write(entry.second.parent, entry.first, entry.second.name, false);
    if (out.status() != QDataStream::Ok || !records.flush() || !file.flush())
        throw FileSearchException(kModule, __LINE__,
                                  QStringLiteral("Failed to write a file: %1").arg(file.errorString()));
    if (!RegularFile::sync(file.handle()) || !RegularFile::replace(file.fileName(), path)) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        throw FileSearchException(kModule, __LINE__, QStringLiteral("Failed to write a file: %1").arg(reason));
    }
    file.setAutoRemove(false);
    log(INFO, QStringLiteral("Saving disk %1 done in %2 seconds").arg(m_drive).arg(timer.elapsed() / 1000));
}

bool NTFSDriveDB::load(const CancelFlag *cancel)
{
    QElapsedTimer timer;
    timer.start();
    if (!loadRecords(cancel)) {
        // A rebuild starts from nothing: records of a damaged file would
        // stay as phantoms and duplicates beside the volume's own.
        discardRecords();
        return false;
    }
    takeCurrentMountPoint();
    if (const std::size_t dropped = dropOrphans())
        log(WARNING, QStringLiteral("Dropped %1 records of disk %2 whose folder is not in the index")
                         .arg(dropped)
                         .arg(m_drive));
    log(INFO, QStringLiteral("Loading disk %1 done in %2 seconds").arg(m_drive).arg(timer.elapsed() / 1000));
    m_monitor->start(m_loadedUsn);
    return true;
}

bool NTFSDriveDB::loadRecords(const CancelFlag *cancel)
{
    qint64 size = 0;
    // Never through a link and never blocking: a FIFO at this name would
    // hang every start, and only a regular file can be a database.
    const FileDescriptor fd = RegularFile::openForReading(databaseFilePath(), RegularFile::NoFollowLinks, &size);
    if (!fd.isValid()) {
        if (errno != ENOENT && errno != ENOTDIR)
            log(WARNING, QStringLiteral("Load failed: not a regular file, error = %1").arg(errno));
        return false;
    }
    QFile file;
    if (!file.open(fd.get(), QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return false;
    QDataStream in(&file);
    DriveDBFile::Header header;
    if (!DriveDBFile::readHeader(in, header)) {
        log(WARNING, QStringLiteral("Load failed: can't read all records"));
        return false;
    }
    if (header.journalId != m_journal.journalId) {
        log(INFO, QStringLiteral("Skip loading: change journal id changed"));
        return false;
    }
    // A position from the future means the clock went back: the changes
    // between then and now cannot be told apart, so nothing is trusted.
    if (header.nextUsn < m_journal.firstUsn || header.nextUsn > currentUsn()) {
        log(INFO, QStringLiteral("Skip loading: records are missing"));
        return false;
    }
    // Memory is reserved by the count, so a count that the rest of the file
    // cannot hold is refused before it is believed.
    if (header.count > (size - file.pos()) / DriveDBFile::kMinRecordSize) {
        log(WARNING, QStringLiteral("Load failed: the record count does not fit the file"));
        return false;
    }
    m_loadedUsn = header.nextUsn;
    // The replay's look at the volume's folders can begin while the files load.
    return readRecords(file, header.count, cancel, [&] { m_monitor->prepare(header.nextUsn); });
}

void NTFSDriveDB::discardRecords()
{
    QWriteLocker lock(&m_lock);
    m_folders.clear();
    m_files.clear();
}

// The root record is named by the mount point, which may have changed since
// the save (the same volume mounted elsewhere).
void NTFSDriveDB::takeCurrentMountPoint()
{
    const QString mountPoint = volumeInfo(m_drive).mountPoint;
    if (mountPoint.isEmpty())
        return;
    QWriteLocker lock(&m_lock);
    const auto root = m_folders.find(MFTReader::fileId(mountPoint));
    if (root != m_folders.end() && root->second.parent == 0)
        root->second.name = m_pool->intern(mountPoint);
}

// Records whose folder is gone were saved by versions that could lose a
// deleted folder's contents. No search can show them, and they would show
// under the wrong folder once a new one takes the missing folder's number.
std::size_t NTFSDriveDB::dropOrphans()
{
    QWriteLocker lock(&m_lock);
    std::size_t dropped = 0;
    for (;;) {
        std::vector<std::pair<FRN, bool>> orphans;
        for (RecordMap *map : {&m_folders, &m_files}) {
            const bool folders = map == &m_folders;
            for (std::size_t leaf = 0; leaf < map->leafCount(); ++leaf) {
                for (const RecordMap::Entry &entry : map->leaf(leaf)) {
                    const FRN parent = entry.second.parent;
                    if (parent != 0 && m_folders.find(parent) == m_folders.end())
                        orphans.emplace_back(entry.first, folders);
                }
            }
        }
        // A dropped folder's own records are found by the next pass.
        if (orphans.empty())
            return dropped;
        for (const auto &orphan : orphans)
            (orphan.second ? m_folders : m_files).erase(orphan.first);
        dropped += orphans.size();
        ++m_changes;
    }
}

void NTFSDriveDB::applyBatch(RecordBatch &batch)
{
    QWriteLocker lock(&m_lock);
    batch.apply(m_folders, m_files, *m_pool);
}

bool NTFSDriveDB::readRecords(QIODevice &file, qint32 count, const CancelFlag *cancel,
                              const std::function<void()> &foldersRead)
{
    // Applied a slice at a time: the file holds them in number order, so
    // each slice appends, and the names of a slice are interned together.
    constexpr std::size_t kSlice = 65536;
    auto record = std::make_unique<DriveDBFile::Record>();
    DriveDBRecordReader reader(file);
    RecordBatch batch;
    // Sized for the whole file at once, not slice by slice.
    m_pool->reserve(std::size_t(count) / 2);
    bool inFolders = true;
    for (qint32 i = 0; i < count; ++i) {
        if (cancel && *cancel) {
            applyBatch(batch);
            throw FileSearchCancelException(kModule, __LINE__, QStringLiteral("Canceled"));
        }
        if (!reader.next(*record)) {
            applyBatch(batch);
            log(WARNING, QStringLiteral("Load failed: can't read all records"));
            return false;
        }
        // The folders come first in a saved file.
        if (inFolders && !record->isDir) {
            inFolders = false;
            applyBatch(batch);
            foldersRead();
        }
        batch.add(record->frn, record->parent, record->name, record->isDir);
        if (batch.size() == kSlice)
            applyBatch(batch);
    }
    applyBatch(batch);
    if (!reader.atEnd()) {
        log(WARNING, QStringLiteral("Load failed: records follow the last one counted"));
        return false;
    }
    return true;
}
