#pragma once

#include "base/IndexTypes.h"
#include "platform/linux/VolumeWalker.h"

#include <QChar>
#include <QObject>
#include <QString>

// Enumerates every file and folder of one volume and reports each as
// fileFound, on the calling thread: first the root (its inode, parent 0, the
// mount point as the name), then every entry with its inode as the FRN and
// its folder's inode as the parent. Symbolic links are reported as files and
// never followed; the mount points of other file systems are reported but
// not entered; nested btrfs subvolumes belong to volumes of their own and are
// left out. Every entry is reported exactly once.
class MFTReader : public QObject
{
    Q_OBJECT

public:
    explicit MFTReader(QObject *parent = nullptr);

    // Raises FileSearchException "Failed to open volume %1" when the volume
    // of `drive` is not mounted or cannot be opened, FileSearchCancelException
    // "Canceled" when *cancel is set (polled before every folder).
    void read(QChar drive, const CancelFlag *cancel);
    // The same for the file system mounted at `mountPoint`.
    void readMountPoint(const QString &mountPoint, const CancelFlag *cancel);

    // The same enumeration with every entry handed to `sink`, its name as
    // the file system's bytes, instead of emitted: a caller that keeps names
    // as UTF-8 is spared two conversions and a signal per entry.
    using Sink = VolumeWalker::Sink;
    void read(QChar drive, const CancelFlag *cancel, Sink &sink);
    void readMountPoint(const QString &mountPoint, const CancelFlag *cancel, Sink &sink);

    // About how many entries the volume of `drive` holds (the inodes in
    // use), for sizing what gathers them; 0 when the file system does not say.
    static quint64 entryCountHint(QChar drive);

    // The inode number of `path` (following a final symbolic link), 0 on
    // failure; *isDir, when given, receives the folder flag on success.
    static FRN fileId(const QString &path, bool *isDir = nullptr);

signals:
    void fileFound(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder);
};
