#pragma once

#include "base/IndexTypes.h"

#include <QByteArray>
#include <QVector>

#include <atomic>

// A depth-first walk over the folders of one volume in which a visitor decides
// which subfolders of each folder to enter. Folders are opened relative to
// their parent, never through a symbolic link and never into another mount
// or btrfs subvolume. However deep the tree, at most kMaxOpenFolders
// descriptors stay open: deeper, ancestors are closed, and reopened through
// ".." on the way back (checked against their inode number).
class FolderWalk
{
public:
    struct Subfolder
    {
        QByteArray name;
        FRN frn = 0;   // the inode expected there; 0 when not known
    };

    class Visitor
    {
    public:
        virtual ~Visitor() = default;
        // The walk entered a folder: return the subfolders to enter next.
        virtual QVector<Subfolder> enter(int dirFd, FRN frn) = 0;
        // A subfolder was missing, or another object than expected. The
        // visitor may give a new list of subfolders still to enter in `frn`
        // (`entered` are those entered already) and return true; false skips it.
        virtual bool mismatch(int dirFd, FRN frn, const QVector<Subfolder> &entered, QVector<Subfolder> *remaining)
        {
            Q_UNUSED(dirFd) Q_UNUSED(frn) Q_UNUSED(entered) Q_UNUSED(remaining)
            return false;
        }
    };

    // `startFd` is not owned; `stop` may be null and is polled per folder.
    FolderWalk(int startFd, const std::atomic<bool> *stop);

    // False when stopped or when the start folder cannot be opened.
    bool run(Visitor &visitor);

    static const int kMaxOpenFolders = 128;

private:
    int m_startFd;
    const std::atomic<bool> *m_stop;
};
