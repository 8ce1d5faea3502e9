#include "platform/linux/ChangeJournalReplay.h"

#include "base/Logger.h"
#include "platform/linux/DirectoryStream.h"
#include "platform/linux/FileDescriptor.h"
#include "platform/linux/FolderTimeScan.h"
#include "platform/linux/IJournalReplaySource.h"
#include "platform/linux/SysCall.h"

#include <QFile>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr char kComponent[] = "ChangeJournalReader";

USN nanoseconds(const struct timespec &t)
{
    return USN(t.tv_sec) * 1000000000 + t.tv_nsec;
}

} // namespace

ChangeJournalReplay::ChangeJournalReplay(int rootFd, const IJournalReplaySource &source)
    : m_rootFd(rootFd)
    , m_source(source)
{
}

ChangeJournalReplay::~ChangeJournalReplay() = default;

void ChangeJournalReplay::setTimeScan(std::unique_ptr<FolderTimeScan> times)
{
    m_times = std::move(times);
}

bool ChangeJournalReplay::run(USN since, QVector<Change> &changes)
{
    m_seen.clear();
    m_seenOrder.clear();
    m_former.clear();
    m_formerOrder.clear();
    m_changedFolders.clear();
    m_readFolders.clear();
    m_since = since;
    if (!m_times && !readTimes(since))
        return false;
    FolderWalk walk(m_rootFd, m_stop);
    const bool walked = walk.run(*this);
    const int error = errno;
    m_times.reset(); // they were read for this run only
    if (!walked) {
        if (!m_stop || !m_stop->load())
            Logger::instance()->log(WARNING, kComponent,
                                    QStringLiteral("Cannot open the volume to replay changes, error = %1").arg(error));
        return false;
    }
    collectChanges(changes);
    return true;
}

// False only when stopped meanwhile.
bool ChangeJournalReplay::readTimes(USN since)
{
    std::vector<IJournalReplaySource::Folder> folders = m_source.folders();
    if (folders.empty())
        return true;
    m_times = std::make_unique<FolderTimeScan>(m_rootFd, std::move(folders), m_mountPoints, m_stop);
    // A directory hook needs every directory opened: their times are then
    // read as the walk enters them. An unreadable root is the walk's to report.
    return m_hook || m_times->run(since) || !m_stop || !m_stop->load();
}

QVector<FolderWalk::Subfolder> ChangeJournalReplay::enter(int dirFd, FRN frn)
{
    if (m_hook)
        m_hook(dirFd);
    const FolderTimeScan::Status known = m_times ? m_times->status(frn) : FolderTimeScan::Unknown;
    if (known == FolderTimeScan::Unchanged)
        return m_times->subfoldersToVisit(frn);
    if (known == FolderTimeScan::Unknown && !isChanged(dirFd))
        return indexedSubfolders(frn);
    m_changedFolders.insert(frn);
    return withoutUnchangedTrees(readChanged(dirFd, frn, {}));
}

// Subfolders found where the index has them, with nothing changed below:
// seen in their folder already, nothing to look for inside.
QVector<FolderWalk::Subfolder> ChangeJournalReplay::withoutUnchangedTrees(QVector<Subfolder> subfolders) const
{
    if (!m_times)
        return subfolders;
    subfolders.erase(std::remove_if(subfolders.begin(), subfolders.end(),
                                    [this](const Subfolder &s) { return !m_times->needsVisit(s.frn); }),
                     subfolders.end());
    return subfolders;
}

// The index does not match a folder although its times say nothing changed:
// compare it with the disk after all.
bool ChangeJournalReplay::mismatch(int dirFd, FRN frn, const QVector<Subfolder> &entered,
                                   QVector<Subfolder> *remaining)
{
    if (m_changedFolders.contains(frn))
        return false;
    m_changedFolders.insert(frn);
    *remaining = readChanged(dirFd, frn, entered);
    return true;
}

bool ChangeJournalReplay::isChanged(int dirFd) const
{
    struct stat st;
    if (sysFstat(dirFd, &st) != 0)
        return true;
    return qMax(nanoseconds(st.st_ctim), nanoseconds(st.st_mtim)) >= m_since;
}

QVector<FolderWalk::Subfolder> ChangeJournalReplay::indexedSubfolders(FRN folder) const
{
    if (m_times)
        return m_times->subfolders(folder);
    QVector<Subfolder> subfolders;
    for (const IJournalReplaySource::Entry &entry : m_source.subfolders(folder))
        subfolders.append({QFile::encodeName(entry.name), entry.frn});
    return subfolders;
}

// Lists a changed directory from disk, noting where its entries are now and
// where the index had its entries, and returns its subfolders less `skip`.
// An unreadable directory is kept as the index has it: a failed read must not
// look like the deletion of everything in it.
QVector<FolderWalk::Subfolder> ChangeJournalReplay::readChanged(int dirFd, FRN folder,
                                                                         const QVector<Subfolder> &skip)
{
    DirectoryStream stream(dirFd);
    QVector<DirectoryStream::Entry> entries;
    DirectoryStream::Entry entry;
    while (stream.next(entry))
        entries.append(entry);
    if (stream.error() != 0) {
        Logger::instance()->log(WARNING, kComponent,
                                QStringLiteral("Cannot read folder %1 to replay changes, error = %2")
                                    .arg(folder).arg(stream.error()));
        return indexedSubfolders(folder);
    }
    // What the index held here is asked for at the end, for all read folders at once.
    m_readFolders.append(folder);
    QSet<FRN> skipped;
    for (const Subfolder &s : skip)
        skipped.insert(s.frn);
    QVector<Subfolder> subfolders;
    for (const DirectoryStream::Entry &e : entries) {
        noteSeen(e.inode, {folder, QFile::decodeName(e.name), e.isFolder});
        if (e.isFolder && !skipped.contains(e.inode))
            subfolders.append({e.name, e.inode});
    }
    return subfolders;
}

void ChangeJournalReplay::noteSeen(FRN frn, const Location &where)
{
    // A second name of the same object (a hard link) keeps the first: the
    // index holds one name per object.
    if (m_seen.contains(frn))
        return;
    m_seen.insert(frn, where);
    m_seenOrder.append(frn);
}

void ChangeJournalReplay::collectChanges(QVector<Change> &changes)
{
    const QHash<FRN, QVector<IJournalReplaySource::Entry>> held = m_source.childrenOf(m_readFolders);
    for (const FRN folder : qAsConst(m_readFolders))
        noteFormer(folder, held.value(folder));
    // Folders of the index that are gone (or whose number now names a file):
    // everything the index holds below them is gone too, unless it was moved
    // out first, and it must be known before deciding what was moved.
    QVector<FRN> vanished;
    for (const FRN frn : m_formerOrder) {
        const Location &former = m_former[frn];
        const auto now = m_seen.constFind(frn);
        if (former.isFolder && (now == m_seen.cend() || !now->isFolder))
            vanished.append(frn);
    }
    collectVanished(vanished);
    for (const FRN frn : m_seenOrder) {
        const Location &now = m_seen[frn];
        const auto former = m_former.constFind(frn);
        if (former == m_former.cend()) {
            changes.append({Change::Added, frn, now.parent, now.name, now.isFolder});
        } else if (former->isFolder != now.isFolder) {
            // The number was reused by an object of the other kind.
            changes.append({Change::Deleted, frn, 0, QString(), former->isFolder});
            changes.append({Change::Added, frn, now.parent, now.name, now.isFolder});
        } else if (former->parent != now.parent || former->name != now.name) {
            changes.append({Change::Renamed, frn, now.parent, now.name, now.isFolder});
        }
    }
    for (const FRN frn : m_formerOrder) {
        if (!m_seen.contains(frn))
            changes.append({Change::Deleted, frn, 0, QString(), m_former[frn].isFolder});
    }
}

// Adds what the index holds below `folders` to the former entries, a level
// of the tree at a time.
void ChangeJournalReplay::collectVanished(const QVector<FRN> &folders)
{
    QVector<FRN> level = folders;
    while (!level.isEmpty()) {
        const QHash<FRN, QVector<IJournalReplaySource::Entry>> held = m_source.childrenOf(level);
        QVector<FRN> next;
        for (const FRN folder : qAsConst(level)) {
            for (const IJournalReplaySource::Entry &entry : noteFormer(folder, held.value(folder))) {
                if (!entry.isFolder)
                    continue;
                // A folder seen elsewhere was moved out before its parent
                // went; a number seen as a file now was reused, and the
                // folder is gone with everything below it.
                const auto now = m_seen.constFind(entry.frn);
                if (now == m_seen.cend() || !now->isFolder)
                    next.append(entry.frn);
            }
        }
        level = std::move(next);
    }
}

// Notes where the index had the entries of `folder`; returns those not noted
// before (a damaged index with a cycle must not loop in collectVanished).
QVector<IJournalReplaySource::Entry> ChangeJournalReplay::noteFormer(FRN folder,
                                                                     const QVector<IJournalReplaySource::Entry> &entries)
{
    QVector<IJournalReplaySource::Entry> added;
    for (const IJournalReplaySource::Entry &entry : entries) {
        if (m_former.contains(entry.frn))
            continue;
        m_former.insert(entry.frn, {folder, entry.name, entry.isFolder});
        m_formerOrder.append(entry.frn);
        added.append(entry);
    }
    return added;
}
