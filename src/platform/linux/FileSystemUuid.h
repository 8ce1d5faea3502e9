#pragma once

#include <QByteArray>
#include <QString>

// The UUID a file system was given when it was made: the identity that stays
// the same across mounts, device renames and reboots (device numbers and, for
// xfs, f_fsid do not).
class FileSystemUuid
{
public:
    // Asks the kernel through the mounted file system (FS_IOC_GETFSUUID, or
    // BTRFS_IOC_FS_INFO for btrfs), then falls back to the superblock on the
    // source device. Lower-case 8-4-4-4-12 text, empty when unknown.
    static QString read(int mountFd, const QString &fsType, const QString &sourceDevice);

    // Where the superblock of the type starts on the device and how many
    // bytes of it fromSuperblock needs; size 0 for unknown types.
    static qint64 superblockOffset(const QString &fsType);
    static int superblockSize(const QString &fsType);
    // The UUID stored in a superblock read from superblockOffset, empty when
    // the magic number does not match the type.
    static QString fromSuperblock(const QString &fsType, const QByteArray &superblock);

    static QString format(const unsigned char *bytes16);

private:
    static QString fromKernel(int mountFd, const QString &fsType);
    static QString fromDevice(const QString &fsType, const QString &sourceDevice);
};
