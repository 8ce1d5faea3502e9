#pragma once

#include "platform/linux/FileDescriptor.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QtGlobal>

class QSettings;

// Volumes as the index sees them. A volume is one mounted file system, named
// by a one-character key (the index's "drive letter", upper case) that is
// remembered per file-system identity in the settings store, so it survives
// restarts, remounts and new mount points. The names of these functions are
// the ones the index uses on every platform; on Linux "NTFS" means "a local
// file system the index can enumerate and monitor" (ext2/3/4, xfs, btrfs).
//
// All functions are thread-safe. They read /proc/self/mountinfo on every call
// (it is small), so they always describe the mounts of this moment.

// One mounted volume. A default-constructed record (key null) means "none".
struct VolumeInfo
{
    QChar key;              // null when the volume has no key (letters ran out)
    QString mountPoint;     // absolute, no trailing slash except for "/"
    QString fsType;         // as mountinfo names it: "ext4", "btrfs", "nfs4", "fuse.sshfs"...
    QString source;         // mount source: "/dev/loop0", "server:/export"...
    QString uuid;           // the file system's UUID, lower-case 8-4-4-4-12 text; empty when unknown
    quint64 subvolumeId = 0; // btrfs subvolume id (5 = top level), 0 on other file systems
    QString identity;       // what the key is remembered by: uuid, plus the subvolume for btrfs
    quint64 device = 0;     // st_dev of the mount point: what stat reports for files of this volume
    quint32 deviceMajor = 0; // major:minor from mountinfo
    quint32 deviceMinor = 0;
    QString blockDevice;    // name under /sys/class/block ("vda", "loop0", "sda1"); empty if none
    bool bindMount = false; // a bind mount of a folder (mountinfo root is not the file system's root)

    bool isValid() const { return !mountPoint.isEmpty(); }
};

// Owns one file descriptor of a volume's mount point (O_RDONLY|O_DIRECTORY|O_CLOEXEC).
// The fd is -1 when invalid. Not copyable; movable.
class VolumeHandle
{
public:
    VolumeHandle() = default;

    // Opens the mount point of the volume with this key. `overlapped` is kept
    // for the callers' sake; a Linux descriptor needs no such mode.
    bool open(QChar drive, bool overlapped = false);
    bool isValid() const { return m_fd.isValid(); }
    int handle() const { return m_fd.get(); }
    void close() { m_fd.reset(); }

private:
    FileDescriptor m_fd;
};

// Where keys are remembered: an array "Volumes" of "letter", "uuid" and
// "mountPoint". The caller keeps ownership and must keep it alive until it
// sets another (or nullptr, which keeps keys in memory for this process only).
// The volume functions use it from any thread, under their own lock; since a
// QSettings object is not thread-safe, give them one of their own (opened on
// the same file as the application's settings, if wanted).
void setVolumeSettings(QSettings *settings);

// Every mounted volume (block-device and network file systems; pseudo file
// systems such as proc or tmpfs are not volumes), one per file system, with
// keys assigned, in mountinfo order. A file system mounted several times is
// listed once, by its first mount of the file system's root; one reachable
// only through bind mounts of folders is listed by its first such mount, with
// bindMount set (the counterpart of a SUBST drive). *ok, when given, is
// false when the mount table cannot be read.
QList<VolumeInfo> mountedVolumes(bool *ok = nullptr);

// The volume with this key as mounted now; invalid when it is not mounted.
VolumeInfo volumeInfo(QChar drive);

// The volume holding `path`: the mount with the longest mount point that is a
// prefix of the absolute path on a component boundary. A path inside a bind
// mount gives that bind mount's record (bindMount true). Invalid when none.
VolumeInfo volumeOfPath(const QString &path);

// Keys of the local, indexable volumes that are not bind mounts, in key
// order. Raises FileSearchException when the mount table cannot be read.
QList<QChar> localNtfsDrives();

bool isNtfsVolume(QChar drive);   // file-system type is indexable (ext2/3/4, xfs, btrfs)
bool isRemoteDrive(QChar drive);  // network file system (nfs, cifs, sshfs, 9p, ceph...)
bool isSubstDrive(QChar drive);   // mounted only as a bind mount of a folder
bool isFixedDrive(QChar drive);   // backing block device is not removable and not on USB
