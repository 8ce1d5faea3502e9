#include "platform/linux/FileHandleDecoder.h"

#include <cstring>

namespace {

// All these layouts start with the object's own inode number in CPU byte
// order; they differ in its width and in what follows (generation, parent).
template<typename T>
bool readLeading(const unsigned char *bytes, int length, quint64 *inode)
{
    if (length < int(sizeof(T)))
        return false;
    T value;
    std::memcpy(&value, bytes, sizeof value);
    *inode = value;
    return true;
}

} // namespace

bool FileHandleDecoder::inode(int handleType, const unsigned char *bytes, int length, quint64 *inode)
{
    switch (handleType) {
    case kIno32Gen:
    case kIno32GenParent:
        return readLeading<quint32>(bytes, length, inode);
    case kIno64Gen:
    case kIno64GenParent:
    case kBtrfsWithoutParent:   // struct btrfs_fid: objectid is the inode number
    case kBtrfsWithParent:
    case kBtrfsWithParentRoot:
        return readLeading<quint64>(bytes, length, inode);
    default:
        return false;
    }
}

bool FileHandleDecoder::btrfsRoot(int handleType, const unsigned char *bytes, int length, quint64 *root)
{
    if (handleType != kBtrfsWithoutParent && handleType != kBtrfsWithParent && handleType != kBtrfsWithParentRoot)
        return false;
    // struct btrfs_fid { u64 objectid; u64 root_objectid; ... } __packed
    if (length < 16)
        return false;
    std::memcpy(root, bytes + 8, sizeof *root);
    return true;
}
