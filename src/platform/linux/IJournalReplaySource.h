#pragma once

#include "base/IndexTypes.h"

#include <QHash>
#include <QString>
#include <QVector>

#include <vector>

// What the change-journal reader needs to know of the index to replay the
// changes made while the program was not running (and after a lost event
// queue): its folders, and the entries it holds in a folder. The drive
// database implements it; the reader never reaches into the database
// otherwise.
//
// Called on the thread that starts the monitor (while the database is not yet
// published) and on the monitor thread (resynchronisation), between changes
// that the same thread applies, never concurrently with them; folders() also
// on the reader's own thread while a database is still loading its files. An
// implementation takes its own read lock, since other threads may write.
class IJournalReplaySource
{
public:
    struct Entry
    {
        FRN frn = 0;
        QString name;
        bool isFolder = false;
    };

    struct Folder
    {
        FRN frn = 0;
        FRN parent = 0;
        const char *name = nullptr; // UTF-8; valid until the index next changes
    };

    virtual ~IJournalReplaySource() = default;

    // Every folder the index holds, so that the replay can check their times
    // by path without walking the tree. Empty when the source cannot list
    // them: the replay then walks every folder.
    virtual std::vector<Folder> folders() const { return {}; }

    // The entries the index holds directly inside `folder` (any order); empty
    // when it holds none or does not know the folder.
    virtual QVector<Entry> children(FRN folder) const = 0;

    // children() of several folders at once: a replay asks for every folder
    // it read, and one pass over the index answers them all.
    virtual QHash<FRN, QVector<Entry>> childrenOf(const QVector<FRN> &folders) const
    {
        QHash<FRN, QVector<Entry>> result;
        for (FRN folder : folders)
            result.insert(folder, children(folder));
        return result;
    }

    // Only the folders among children().
    virtual QVector<Entry> subfolders(FRN folder) const
    {
        QVector<Entry> result;
        for (const Entry &entry : children(folder)) {
            if (entry.isFolder)
                result.append(entry);
        }
        return result;
    }
};
