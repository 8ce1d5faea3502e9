#include "platform/linux/JournalState.h"

#include "base/FileSearchException.h"
#include "platform/linux/FanotifyGroup.h"
#include "platform/linux/NTFSUtils.h"

#include <cerrno>
#include <ctime>

namespace {

const QString kModule = QStringLiteral("ChangeJournalReader");

[[noreturn]] void raiseQueryFailure(int line, int error)
{
    throw FileSearchException(kModule, line,
                              QStringLiteral("Querying the journal information failed, error=%1.").arg(error));
}

// FNV-1a over the identity text: stable across boots and machines, and a
// btrfs subvolume (whose identity adds its id to the UUID) gets its own.
JournalID journalIdOf(const QString &identity)
{
    quint64 hash = 14695981039346656037ULL;
    for (const char c : identity.toUtf8()) {
        hash ^= quint8(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

} // namespace

USN currentUsn()
{
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    return USN(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void queryJournal(QChar drive, JournalState &state)
{
    const VolumeInfo volume = volumeInfo(drive);
    if (!volume.isValid())
        raiseQueryFailure(__LINE__, ENODEV);
    if (volume.identity.isEmpty())
        raiseQueryFailure(__LINE__, EOPNOTSUPP);
    state.journalId = journalIdOf(volume.identity);
    state.firstUsn = 0;
    state.nextUsn = currentUsn();
}

void ensureJournal(QChar drive)
{
    if (!isNtfsVolume(drive))
        raiseQueryFailure(__LINE__, volumeInfo(drive).isValid() ? EOPNOTSUPP : ENODEV);
    VolumeHandle volume;
    if (!volume.open(drive))
        raiseQueryFailure(__LINE__, errno);
    FanotifyGroup group;
    int error = group.open();
    if (error == 0) {
        error = group.markFilesystem(volume.handle());
        // The reader falls back to marking every directory (btrfs subvolumes).
        if (error == EXDEV)
            error = group.markDirectory(volume.handle());
    }
    if (error != 0)
        raiseQueryFailure(__LINE__, error);
}
