#pragma once

#include "index/IndexTypes.h"

#include <QString>
#include <QVector>

// What the change-journal reader needs to know of the index to replay the
// changes made while the program was not running (and after a lost event
// queue): the entries the index holds in a folder. The drive database
// implements it; the reader never reaches into the database otherwise.
//
// Called on the thread that starts the monitor (while the database is not yet
// published) and on the monitor thread (resynchronisation), between changes
// that the same thread applies, never concurrently with them. An
// implementation takes its own read lock if other threads may write.
class IJournalReplaySource
{
public:
    struct Entry
    {
        FRN frn = 0;
        QString name;
        bool isFolder = false;
    };

    virtual ~IJournalReplaySource() = default;

    // The entries the index holds directly inside `folder` (any order); empty
    // when it holds none or does not know the folder.
    virtual QVector<Entry> children(FRN folder) const = 0;

    // Only the folders among children(): what the replay needs to go on
    // through a folder that did not change, which is most of them.
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
