#pragma once

#include <QtGlobal>

// Reads the inode number out of a kernel file handle (what fanotify reports
// and name_to_handle_at returns). The handle layout is private to each file
// system, so only the layouts of the file systems we index are known here;
// for anything else the caller must ask the kernel (open_by_handle_at), which
// works only while the object still exists. Decoding is what lets a deletion
// name the FRN of an object that no longer exists.
class FileHandleDecoder
{
public:
    // Handle types, as the kernel's exportfs numbers them.
    static constexpr int kIno32Gen = 0x01;          // ext2/3/4, xfs with 32-bit inodes
    static constexpr int kIno32GenParent = 0x02;
    static constexpr int kBtrfsWithoutParent = 0x4d;
    static constexpr int kBtrfsWithParent = 0x4e;
    static constexpr int kBtrfsWithParentRoot = 0x4f;
    static constexpr int kIno64Gen = 0x81;          // xfs with 64-bit inodes, generic 64-bit ids
    static constexpr int kIno64GenParent = 0x82;

    // The inode number in `bytes` (the handle's f_handle, `length` bytes) of
    // the given type; false when the type is unknown or the handle too short.
    static bool inode(int handleType, const unsigned char *bytes, int length, quint64 *inode);
    // The btrfs subvolume (root objectid) a btrfs handle belongs to; false for
    // other layouts. A file-system mark on btrfs reports every subvolume, and
    // each subvolume is a volume of its own.
    static bool btrfsRoot(int handleType, const unsigned char *bytes, int length, quint64 *root);
};
