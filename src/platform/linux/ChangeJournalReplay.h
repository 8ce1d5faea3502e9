#pragma once

#include "base/IndexTypes.h"
#include "platform/linux/FolderWalk.h"
#include "platform/linux/IJournalReplaySource.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>

class FolderTimeScan;

// Finds what changed on a volume since a position by comparing directories
// with the index: the replacement for reading the change journal back from a
// saved position. A directory's ctime and mtime move whenever an entry is
// created, deleted or renamed in it, but not when something deeper changes,
// so the times of every directory are checked, and only the directories
// changed since the position are read and compared.
//
// The times of the index's folders are read first, by path and in parallel
// (FolderTimeScan); the walk then enters only the folders on the way to a
// change. It follows the index's subfolders through unchanged directories (no
// read needed) and the disk's subfolders through changed ones, never into
// another file system or btrfs subvolume. Folders the scan could not place
// (moved, replaced, new) have their times read as the walk enters them.
class ChangeJournalReplay : private FolderWalk::Visitor
{
public:
    struct Change
    {
        enum Kind { Added, Renamed, Deleted };
        Kind kind;
        FRN frn;
        FRN parent;      // Added and Renamed only
        QString name;    // Added and Renamed only
        bool isFolder;
    };

    // `rootFd`: the volume's mount point (not owned); `source` must outlive this object.
    ChangeJournalReplay(int rootFd, const IJournalReplaySource &source);
    ~ChangeJournalReplay() override;

    // Called with every directory the walk opens (the reader marks them when
    // it watches directory by directory).
    void setDirectoryHook(std::function<void(int dirFd)> hook) { m_hook = std::move(hook); }
    void setStopFlag(const std::atomic<bool> *stop) { m_stop = stop; }
    // Other mounts below the root, relative to it ("dir/sub"): never looked up.
    void setMountPoints(const QSet<QByteArray> &paths) { m_mountPoints = paths; }
    // The folder times read ahead for the same position, if any: the next
    // run uses them instead of reading them itself.
    void setTimeScan(std::unique_ptr<FolderTimeScan> times);

    // The changes since `since` (ns), in an order that can be applied one by
    // one: parents are added before their entries, deletions come last.
    // False when stopped or when the root cannot be read.
    bool run(USN since, QVector<Change> &changes);

private:
    struct Location
    {
        FRN parent;
        QString name;
        bool isFolder;
    };
    using Subfolder = FolderWalk::Subfolder;

    QVector<Subfolder> enter(int dirFd, FRN frn) override;
    bool mismatch(int dirFd, FRN frn, const QVector<Subfolder> &entered, QVector<Subfolder> *remaining) override;
    bool readTimes(USN since);
    bool isChanged(int dirFd) const;
    QVector<Subfolder> withoutUnchangedTrees(QVector<Subfolder> subfolders) const;
    QVector<Subfolder> readChanged(int dirFd, FRN folder, const QVector<Subfolder> &skip);
    QVector<Subfolder> indexedSubfolders(FRN folder) const;
    void noteSeen(FRN frn, const Location &where);
    void collectChanges(QVector<Change> &changes);
    void collectVanished(const QVector<FRN> &folders);
    QVector<IJournalReplaySource::Entry> noteFormer(FRN folder, const QVector<IJournalReplaySource::Entry> &entries);

    int m_rootFd;
    const IJournalReplaySource &m_source;
    std::function<void(int)> m_hook;
    const std::atomic<bool> *m_stop = nullptr;
    USN m_since = 0;
    QSet<QByteArray> m_mountPoints;
    std::unique_ptr<FolderTimeScan> m_times;
    QSet<FRN> m_changedFolders;
    QVector<FRN> m_readFolders; // listed from disk, in walk order
    // Where the entries of the changed directories are now, in walk order...
    QHash<FRN, Location> m_seen;
    QVector<FRN> m_seenOrder;
    // ...and where the index had the entries of those directories (and of
    // the folders that vanished with them).
    QHash<FRN, Location> m_former;
    QVector<FRN> m_formerOrder;
};
