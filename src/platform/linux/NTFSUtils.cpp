#include "platform/linux/NTFSUtils.h"

#include "base/FileSearchException.h"
#include "platform/linux/FileSystemUuid.h"
#include "platform/linux/MountTable.h"
#include "platform/linux/SysCall.h"
#include "platform/linux/VolumeClassifier.h"
#include "platform/linux/VolumeKeyStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <fcntl.h>
#include <sys/sysmacros.h>

namespace {

QByteArray encodedPath(const QString &path)
{
    return QFile::encodeName(path);
}

QString sysBlockPath(quint32 major, quint32 minor)
{
    return QFileInfo(QStringLiteral("/sys/dev/block/%1:%2").arg(major).arg(minor)).canonicalFilePath();
}

// btrfs (and other multi-device file systems) show an anonymous device number
// in mountinfo, so the block device is found through the mount source.
QString blockDeviceName(const MountTable::Entry &entry)
{
    QString path = entry.major != 0 ? sysBlockPath(entry.major, entry.minor) : QString();
    struct stat st;
    if (path.isEmpty() && entry.source.startsWith(QLatin1String("/dev/"))
        && sysStat(encodedPath(entry.source).constData(), &st) == 0 && S_ISBLK(st.st_mode))
        path = sysBlockPath(major(st.st_rdev), minor(st.st_rdev));
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

// Identity of a file system for its key: its UUID, and for btrfs the
// subvolume too, since each subvolume is a volume of its own with its own
// inode numbers. File systems without a readable UUID (network shares) are
// known by type and source.
QString identityOf(const VolumeInfo &info)
{
    if (info.uuid.isEmpty())
        return info.fsType + QLatin1Char(':') + info.source;
    if (info.fsType == QLatin1String("btrfs"))
        return info.uuid + QLatin1Char('#') + QString::number(info.subvolumeId);
    return info.uuid;
}

VolumeInfo describe(const MountTable::Entry &entry)
{
    VolumeInfo info;
    info.mountPoint = entry.mountPoint;
    info.fsType = entry.fsType;
    info.source = entry.source;
    info.deviceMajor = entry.major;
    info.deviceMinor = entry.minor;
    info.device = makedev(entry.major, entry.minor);
    info.bindMount = VolumeClassifier::isBindMount(entry);
    info.subvolumeId = entry.superOption(QStringLiteral("subvolid")).toULongLong();
    // A dead network server would block any call on its mount point; such
    // volumes are described from the mount table alone.
    if (!VolumeClassifier::isRemoteType(entry.fsType)) {
        const FileDescriptor fd = sysOpenAt(AT_FDCWD, encodedPath(entry.mountPoint).constData(),
                                            O_RDONLY | O_DIRECTORY);
        struct stat st;
        if (fd.isValid() && sysFstat(fd.get(), &st) == 0)
            info.device = st.st_dev;
        info.uuid = FileSystemUuid::read(fd.get(), entry.fsType, entry.source);
        info.blockDevice = blockDeviceName(entry);
    }
    info.identity = identityOf(info);
    return info;
}

// Every volume mount with its key, in mountinfo order.
QList<VolumeInfo> describedMounts(bool *ok = nullptr)
{
    QList<VolumeInfo> mounts;
    for (const MountTable::Entry &entry : MountTable::read(ok)) {
        if (VolumeClassifier::isVolume(entry))
            mounts.append(describe(entry));
    }
    QSet<QString> mounted;
    for (const VolumeInfo &info : qAsConst(mounts))
        mounted.insert(info.identity);
    // The root file system asks first so that it is the one to get "C".
    for (const bool rootPass : {true, false}) {
        for (VolumeInfo &info : mounts) {
            const bool isRoot = info.mountPoint == QLatin1String("/") && !info.bindMount;
            if (isRoot == rootPass)
                info.key = VolumeKeyStore::instance()->keyFor(info.identity, info.mountPoint, isRoot, mounted);
        }
    }
    return mounts;
}

bool isFixedBlockDevice(const QString &name, int depth = 0)
{
    if (name.startsWith(QLatin1String("loop")))
        return true;
    const QString sysPath = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (sysPath.isEmpty() || sysPath.contains(QLatin1String("/usb")) || depth > 8)
        return false;
    // A mapped device (LVM, dm-crypt, RAID) is as fixed as what lies below it.
    const QStringList slaves = QDir(sysPath + QStringLiteral("/slaves")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (!slaves.isEmpty()) {
        return std::all_of(slaves.begin(), slaves.end(),
                           [depth](const QString &slave) { return isFixedBlockDevice(slave, depth + 1); });
    }
    // Partitions have no flag of their own: the disk above them has it.
    QFile removable(sysPath + QStringLiteral("/removable"));
    if (!removable.exists())
        removable.setFileName(QFileInfo(sysPath).path() + QStringLiteral("/removable"));
    return removable.open(QIODevice::ReadOnly) && removable.readAll().trimmed() == "0";
}

bool isUnder(const QString &path, const QString &mountPoint)
{
    if (mountPoint == QLatin1String("/"))
        return true;
    return path.startsWith(mountPoint)
        && (path.size() == mountPoint.size() || path.at(mountPoint.size()) == QLatin1Char('/'));
}

} // namespace

bool VolumeHandle::open(QChar drive, bool overlapped)
{
    Q_UNUSED(overlapped)
    close();
    const VolumeInfo info = volumeInfo(drive);
    if (!info.isValid())
        return false;
    m_fd = sysOpenAt(AT_FDCWD, encodedPath(info.mountPoint).constData(), O_RDONLY | O_DIRECTORY);
    return isValid();
}

void setVolumeSettings(QSettings *settings)
{
    VolumeKeyStore::instance()->setSettings(settings);
}

QList<VolumeInfo> mountedVolumes(bool *ok)
{
    const QList<VolumeInfo> mounts = describedMounts(ok);
    QList<VolumeInfo> volumes;
    for (const VolumeInfo &mount : mounts) {
        auto known = std::find_if(volumes.begin(), volumes.end(),
                                  [&](const VolumeInfo &v) { return v.identity == mount.identity; });
        if (known == volumes.end())
            volumes.append(mount);
        else if (known->bindMount && !mount.bindMount)
            *known = mount;
    }
    return volumes;
}

VolumeInfo volumeInfo(QChar drive)
{
    const QChar key = drive.toUpper();
    if (key.isNull())
        return VolumeInfo();
    for (const VolumeInfo &volume : mountedVolumes()) {
        if (volume.key == key)
            return volume;
    }
    return VolumeInfo();
}

VolumeInfo volumeOfPath(const QString &path)
{
    if (!QDir::isAbsolutePath(path))
        return VolumeInfo();
    const QString clean = QDir::cleanPath(path);
    // All mounts take part, pseudo file systems too: a path under /proc is on
    // no volume even though "/" is a prefix. Among equal mount points the
    // later mount is the one on top.
    const MountTable::Entry *best = nullptr;
    const QList<MountTable::Entry> entries = MountTable::read();
    for (const MountTable::Entry &entry : entries) {
        if (isUnder(clean, entry.mountPoint) && (!best || entry.mountPoint.size() >= best->mountPoint.size()))
            best = &entry;
    }
    if (!best || !VolumeClassifier::isVolume(*best))
        return VolumeInfo();
    VolumeInfo info = describe(*best);
    for (const VolumeInfo &volume : describedMounts()) {
        if (volume.identity == info.identity)
            info.key = volume.key;
    }
    return info;
}

QList<QChar> localNtfsDrives()
{
    bool ok = false;
    const QList<VolumeInfo> volumes = mountedVolumes(&ok);
    if (!ok)
        throw FileSearchException(QStringLiteral("NTFSUtils"), __LINE__, QString());
    QList<QChar> keys;
    for (const VolumeInfo &volume : volumes) {
        if (!volume.key.isNull() && VolumeClassifier::isIndexableType(volume.fsType)
            && !VolumeClassifier::isRemoteType(volume.fsType) && !volume.bindMount)
            keys.append(volume.key);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

bool isNtfsVolume(QChar drive)
{
    return VolumeClassifier::isIndexableType(volumeInfo(drive).fsType);
}

bool isRemoteDrive(QChar drive)
{
    return VolumeClassifier::isRemoteType(volumeInfo(drive).fsType);
}

bool isSubstDrive(QChar drive)
{
    const VolumeInfo info = volumeInfo(drive);
    return info.isValid() && info.bindMount;
}

bool isFixedDrive(QChar drive)
{
    const VolumeInfo info = volumeInfo(drive);
    return info.isValid() && !VolumeClassifier::isRemoteType(info.fsType) && !info.blockDevice.isEmpty()
        && isFixedBlockDevice(info.blockDevice);
}
