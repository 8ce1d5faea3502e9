#include "platform/linux/VolumeClassifier.h"

#include <QSet>

namespace {

bool isOneOf(const QString &value, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (value == QLatin1String(name))
            return true;
    }
    return false;
}

// FUSE file systems name themselves "fuse.<program>"; these programs reach
// other machines.
bool isNetworkFuse(const QString &fsType)
{
    if (!fsType.startsWith(QLatin1String("fuse.")) && !fsType.startsWith(QLatin1String("fuseblk.")))
        return false;
    const QString program = fsType.mid(fsType.indexOf(QLatin1Char('.')) + 1);
    return isOneOf(program, {"sshfs", "rclone", "s3fs", "gcsfuse", "glusterfs", "cephfs", "ceph-fuse",
                             "davfs", "davfs2", "curlftpfs", "smbnetfs", "goofys", "juicefs", "moosefs",
                             "lizardfs", "gvfsd-fuse", "afpfs", "blobfuse", "blobfuse2"});
}

} // namespace

bool VolumeClassifier::isIndexableType(const QString &fsType)
{
    return isOneOf(fsType, {"ext2", "ext3", "ext4", "xfs", "btrfs"});
}

bool VolumeClassifier::isRemoteType(const QString &fsType)
{
    return isOneOf(fsType, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "9p", "ceph", "afs",
                                  "coda", "glusterfs", "lustre", "gpfs", "beegfs", "orangefs", "pvfs2", "davfs"})
        || isNetworkFuse(fsType);
}

// mountinfo's root field is the folder of the file system shown at the mount
// point. For btrfs it is relative to the top-level subvolume, so a subvolume
// mounted with subvol= has root "/@home" without being a bind mount; there the
// mount is a bind mount only when its root lies below its subvolume's own
// path, which btrfs reports as the "subvol" option of the same entry.
//
// Network file systems show the exported folder on the server as the root;
// a share of a folder is not a SUBST drive.
bool VolumeClassifier::isBindMount(const MountTable::Entry &entry)
{
    if (entry.root == QLatin1String("/") || isRemoteType(entry.fsType))
        return false;
    if (entry.fsType == QLatin1String("btrfs")) {
        const QString subvolume = entry.superOption(QStringLiteral("subvol"));
        if (!subvolume.isEmpty())
            return entry.root != subvolume;
    }
    return true;
}

bool VolumeClassifier::isVolume(const MountTable::Entry &entry)
{
    if (isRemoteType(entry.fsType))
        return true;
    // Read-only images (snap packages, live systems) come and go by the dozen
    // and are never indexed; giving each a key would use up the letters.
    if (isOneOf(entry.fsType, {"squashfs", "erofs"}))
        return false;
    // btrfs and zfs mounts carry an anonymous device number, so the source
    // names the device; a pseudo file system's source is a word like "proc".
    return entry.source.startsWith(QLatin1String("/dev/")) || isIndexableType(entry.fsType)
        || isOneOf(entry.fsType, {"zfs", "bcachefs"});
}
