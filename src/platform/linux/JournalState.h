#pragma once

#include "base/IndexTypes.h"

#include <QChar>

// What the index keeps of a volume's change journal. On Linux the "journal"
// is the live fanotify queue plus a replay of directory times: positions are
// times (nanoseconds since the epoch, CLOCK_REALTIME) and the identifier is
// derived from the file system's UUID, so a reformatted volume has another
// journal while a reboot or a new device number keeps the same one.
struct JournalState
{
    JournalID journalId = 0;
    USN firstUsn = 0;   // the oldest position that can still be replayed: any
    USN nextUsn = 0;    // the position of the next change: now
};

// Fills `state` for the volume with this key. Raises FileSearchException
// "Querying the journal information failed, error=%1." (errno) when the
// volume is not mounted, has no identity or cannot be monitored.
void queryJournal(QChar drive, JournalState &state);

// Makes sure the volume can be monitored: a notification group can be made
// and marked on it. Raises the same exception as queryJournal otherwise
// (not root: EPERM; a file system the index cannot follow: EOPNOTSUPP).
void ensureJournal(QChar drive);

// The current position: nanoseconds since the epoch.
USN currentUsn();
