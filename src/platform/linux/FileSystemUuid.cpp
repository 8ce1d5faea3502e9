#include "platform/linux/FileSystemUuid.h"

#include "platform/linux/SysCall.h"

#include <cstring>
#include <fcntl.h>
#include <linux/btrfs.h>
#include <linux/ioctl.h>

namespace {

// Not yet in the kernel headers of every distribution (added in Linux 6.5).
struct FsUuid2
{
    quint8 len;
    quint8 uuid[16];
};
const unsigned long kFsIocGetFsUuid = _IOR(0x15, 0, struct FsUuid2);

struct SuperblockLayout
{
    const char *fsType;
    qint64 offset;      // of the superblock on the device
    int magicAt;        // within the superblock
    const char *magic;
    int magicSize;
    int uuidAt;
};

// ext2/3/4 keep s_magic 0xEF53 (little-endian) and s_uuid in the block at
// 1024; xfs keeps "XFSB" and sb_uuid at the start of the device; btrfs keeps
// "_BHRfS_M" and the fsid in its primary superblock at 64 KiB.
const SuperblockLayout kLayouts[] = {
    {"ext2", 1024, 56, "\x53\xEF", 2, 104},
    {"ext3", 1024, 56, "\x53\xEF", 2, 104},
    {"ext4", 1024, 56, "\x53\xEF", 2, 104},
    {"xfs", 0, 0, "XFSB", 4, 32},
    {"btrfs", 65536, 64, "_BHRfS_M", 8, 32},
};

const SuperblockLayout *layoutOf(const QString &fsType)
{
    for (const SuperblockLayout &layout : kLayouts) {
        if (fsType == QLatin1String(layout.fsType))
            return &layout;
    }
    return nullptr;
}

bool isNil(const unsigned char *bytes16)
{
    for (int i = 0; i < 16; ++i) {
        if (bytes16[i])
            return false;
    }
    return true;
}

} // namespace

QString FileSystemUuid::format(const unsigned char *bytes16)
{
    QString text;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += QLatin1Char('-');
        text += QStringLiteral("%1").arg(bytes16[i], 2, 16, QLatin1Char('0'));
    }
    return text;
}

qint64 FileSystemUuid::superblockOffset(const QString &fsType)
{
    const SuperblockLayout *layout = layoutOf(fsType);
    return layout ? layout->offset : 0;
}

int FileSystemUuid::superblockSize(const QString &fsType)
{
    const SuperblockLayout *layout = layoutOf(fsType);
    return layout ? qMax(layout->magicAt + layout->magicSize, layout->uuidAt + 16) : 0;
}

QString FileSystemUuid::fromSuperblock(const QString &fsType, const QByteArray &superblock)
{
    const SuperblockLayout *layout = layoutOf(fsType);
    if (!layout || superblock.size() < superblockSize(fsType)
        || std::memcmp(superblock.constData() + layout->magicAt, layout->magic, size_t(layout->magicSize)) != 0)
        return QString();
    const auto *uuid = reinterpret_cast<const unsigned char *>(superblock.constData() + layout->uuidAt);
    return isNil(uuid) ? QString() : format(uuid);
}

QString FileSystemUuid::fromKernel(int mountFd, const QString &fsType)
{
    FsUuid2 answer = {};
    if (sysIoctl(mountFd, kFsIocGetFsUuid, &answer) == 0 && answer.len == 16 && !isNil(answer.uuid))
        return format(answer.uuid);
    if (fsType == QLatin1String("btrfs")) {
        btrfs_ioctl_fs_info_args info = {};
        if (sysIoctl(mountFd, BTRFS_IOC_FS_INFO, &info) == 0 && !isNil(info.fsid))
            return format(info.fsid);
    }
    return QString();
}

QString FileSystemUuid::fromDevice(const QString &fsType, const QString &sourceDevice)
{
    const int size = superblockSize(fsType);
    if (size == 0 || !sourceDevice.startsWith(QLatin1String("/dev/")))
        return QString();
    const FileDescriptor device = sysOpenAt(AT_FDCWD, sourceDevice.toLocal8Bit().constData(), O_RDONLY);
    if (!device.isValid())
        return QString();
    QByteArray superblock(size, '\0');
    if (sysPreadFull(device.get(), superblock.data(), size_t(size), superblockOffset(fsType)) != size)
        return QString();
    return fromSuperblock(fsType, superblock);
}

QString FileSystemUuid::read(int mountFd, const QString &fsType, const QString &sourceDevice)
{
    if (mountFd >= 0) {
        const QString uuid = fromKernel(mountFd, fsType);
        if (!uuid.isEmpty())
            return uuid;
    }
    return fromDevice(fsType, sourceDevice);
}
