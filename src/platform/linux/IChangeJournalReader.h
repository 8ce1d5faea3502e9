#pragma once

#include "base/IndexTypes.h"

#include <QString>

// Reads a volume's change journal and reports each creation, rename and
// deletion with the position that follows it. The concrete reader is a
// QObject whose signals implement the three reports; the monitor
// (ChangeJournal) connects to them by signature.
class IChangeJournalReader
{
public:
    virtual ~IChangeJournalReader() = default;

    // Reports the changes from `startUsn` on, in the order they happened, and
    // returns the position after the last one reported (`startUsn` when none).
    // With `wait` it blocks for further changes until cancel(); without, it
    // returns once the changes known now are reported.
    virtual USN read(USN startUsn, bool wait) = 0;
    // Says that read(startUsn) comes next and that the index's folders are
    // complete, while its files may still be loading: a reader may start
    // comparing the volume's folders with the index meanwhile.
    virtual void prepare(USN startUsn) { Q_UNUSED(startUsn) }
    // Makes a read in progress (and any later one) return promptly. True when
    // the caller may wait for the reading thread to finish.
    virtual bool cancel() = 0;

    virtual void fileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder, USN nextUsn) = 0;
    virtual void fileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder, USN nextUsn) = 0;
    virtual void fileDeleted(FRN frn, bool isFolder, USN nextUsn) = 0;
};
