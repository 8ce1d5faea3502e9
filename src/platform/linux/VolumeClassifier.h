#pragma once

#include "platform/linux/MountTable.h"

#include <QString>

// What kind of volume a mount is, decided from its mountinfo entry alone, so
// that every rule can be checked on text (the kernel here cannot mount FAT or
// a network share for a test).
class VolumeClassifier
{
public:
    // Local file systems with stable inode numbers whose changes the monitor
    // can follow. FAT, exFAT and NTFS drivers invent inode numbers per mount.
    static bool isIndexableType(const QString &fsType);
    // Network file systems, including FUSE ones that reach another machine.
    static bool isRemoteType(const QString &fsType);
    // A mount of a folder of a file system rather than of the whole file
    // system (a bind mount); a btrfs subvolume mount is not one.
    static bool isBindMount(const MountTable::Entry &entry);
    // Whether the mount is a volume at all: a block-device or network file
    // system, not a pseudo file system such as proc, tmpfs or overlay.
    static bool isVolume(const MountTable::Entry &entry);
};
