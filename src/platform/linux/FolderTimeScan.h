#pragma once

#include "base/IndexTypes.h"
#include "platform/linux/FolderWalk.h"
#include "platform/linux/IJournalReplaySource.h"

#include <QSet>
#include <QVector>

#include <atomic>
#include <string>
#include <unordered_set>
#include <vector>

// Reads the times of every folder the index holds, by its path from the
// volume's root, on several threads at once: one stat call per folder, where
// walking the tree costs an open, a stat and a close per folder, one after
// the other. A replay then opens only the folders that changed and those on
// the way to them.
//
// A folder is looked up only once its parent has been found where the index
// has it (same inode, a folder of this file system): the path then runs
// through checked folders alone, never through a symbolic link or into
// another mount that replaced one of them. Mount points below the root are
// not looked up at all, so that a hung network mount cannot stall the scan.
class FolderTimeScan
{
public:
    enum Status : quint8 {
        Unknown,   // not found as the index has it (moved, deleted, replaced), or not looked up
        Unchanged, // its entries are those of the index
        Changed,   // created, deleted or renamed entries since the position
    };

    // `rootFd`: the volume's root (not owned). `mountPoints`: paths of other
    // mounts relative to the root, as "dir/sub".
    FolderTimeScan(int rootFd, std::vector<IJournalReplaySource::Folder> folders,
                   const QSet<QByteArray> &mountPoints, const std::atomic<bool> *stop);
    FolderTimeScan(const FolderTimeScan &) = delete;
    FolderTimeScan &operator=(const FolderTimeScan &) = delete;

    // False when stopped or when the root cannot be read. Until it has run,
    // every folder is Unknown and needs a visit.
    bool run(USN since);

    // Whether the folder is one of the index's, and its status.
    bool knows(FRN frn) const { return indexOf(frn) >= 0; }
    Status status(FRN frn) const;
    // True unless the folder and everything below it are unchanged.
    bool needsVisit(FRN frn) const;
    // The index's subfolders of `frn`: all of them, or those that need a visit.
    QVector<FolderWalk::Subfolder> subfolders(FRN frn) const { return children(frn, false); }
    QVector<FolderWalk::Subfolder> subfoldersToVisit(FRN frn) const { return children(frn, true); }

private:
    struct Node
    {
        IJournalReplaySource::Folder folder;
        int parent = -1;
        Status status = Unknown;
        bool needsVisit = false;
        std::string path; // relative to the root
    };

    int indexOf(FRN frn) const;
    QVector<FolderWalk::Subfolder> children(FRN frn, bool toVisitOnly) const;
    void link();
    void scan(int rootIndex, USN since, quint64 device, unsigned threads);
    void check(Node &node, USN since, quint64 device) const;
    void markVisits();

    int m_rootFd;
    std::vector<Node> m_nodes;       // in number order
    std::vector<int> m_childStart;   // children of node i: m_children[m_childStart[i] .. m_childStart[i + 1])
    std::vector<int> m_children;
    std::unordered_set<std::string> m_mountPoints;
    const std::atomic<bool> *m_stop;
    bool m_scanned = false;
};
