#include "LoopMount.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace {

// The smallest images (sparse, so cheap) the mkfs tools accept: xfs 300 MiB, btrfs about 114 MiB.
int defaultSizeMiB(const QString &fsType)
{
    if (fsType == QLatin1String("xfs"))
        return 300;
    if (fsType == QLatin1String("btrfs"))
        return 128;
    return 32;
}

bool kernelSupports(const QString &fsType)
{
    QFile filesystems(QStringLiteral("/proc/filesystems"));
    if (!filesystems.open(QIODevice::ReadOnly))
        return false;
    // Lines are "nodev<TAB>name" or "<TAB>name".
    if (filesystems.readAll().contains('\t' + fsType.toLatin1() + '\n'))
        return true;
    // Not loaded yet: mount loads the module on demand if it exists.
    return LoopMount::run(QStringLiteral("modprobe"), {QStringLiteral("-n"), fsType});
}

} // namespace

LoopMount::LoopMount(const QString &fsType, int sizeMiB, const QStringList &mkfsOptions)
    : m_fsType(fsType)
{
    if (geteuid() != 0)
        m_skipReason = QStringLiteral("needs root: loop devices and mounts");
    else if (setUp(sizeMiB, mkfsOptions))
        m_mounted = true;
}

LoopMount::~LoopMount()
{
    tearDown();
}

bool LoopMount::run(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return false;
    process.waitForFinished(120000);
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool LoopMount::setUp(int sizeMiB, const QStringList &mkfsOptions)
{
    const bool subvolume = m_fsType == QLatin1String("btrfs-subvolume");
    if (subvolume)
        m_fsType = QStringLiteral("btrfs");
    const QString mkfs = QStringLiteral("mkfs.") + m_fsType;
    if (QStandardPaths::findExecutable(mkfs).isEmpty()) {
        m_skipReason = QStringLiteral("%1 is not installed").arg(mkfs);
        return false;
    }
    if (!kernelSupports(m_fsType)) {
        m_skipReason = QStringLiteral("the kernel does not support %1").arg(m_fsType);
        return false;
    }
    // Tests may walk the volume as an unprivileged user; the way there must be open.
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeGroup | QFile::ExeOther
                                            | QFile::ReadGroup | QFile::ReadOther);
    m_image = m_dir.filePath(QStringLiteral("image"));
    QFile image(m_image);
    if (!image.open(QIODevice::WriteOnly)
        || !image.resize(qint64(sizeMiB > 0 ? sizeMiB : defaultSizeMiB(m_fsType)) << 20)) {
        m_skipReason = QStringLiteral("cannot create the image file");
        return false;
    }
    image.close();
    QString output;
    QStringList arguments = mkfsOptions;
    arguments << (m_fsType.startsWith(QLatin1String("ext")) ? QStringLiteral("-qF") : QStringLiteral("-f"));
    arguments << m_image;
    if (!run(mkfs, arguments, &output)) {
        m_skipReason = QStringLiteral("%1 failed: %2").arg(mkfs, output.trimmed());
        return false;
    }
    if (!attachLoop())
        return false;
    if (subvolume && !makeSubvolume())
        return false;
    if (!mount(m_dir.filePath(QStringLiteral("mnt")), subvolume ? QStringList{QStringLiteral("subvol=sub")}
                                                                 : QStringList())) {
        m_skipReason = QStringLiteral("mounting %1 failed").arg(m_fsType);
        return false;
    }
    return true;
}

bool LoopMount::makeSubvolume()
{
    m_topMountPoint = m_dir.filePath(QStringLiteral("top"));
    QDir().mkpath(m_topMountPoint);
    if (run(QStringLiteral("mount"), {QStringLiteral("-t"), m_fsType, m_device, m_topMountPoint})
        && run(QStringLiteral("btrfs"), {QStringLiteral("subvolume"), QStringLiteral("create"),
                                         m_topMountPoint + QStringLiteral("/sub")}))
        return true;
    m_skipReason = QStringLiteral("cannot make a btrfs subvolume");
    return false;
}

// Test programs racing for a free loop device: the loser asks again.
bool LoopMount::attachLoop()
{
    QString output;
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (run(QStringLiteral("losetup"), {QStringLiteral("-f"), QStringLiteral("--show"), m_image}, &output)) {
            m_device = output.trimmed();
            return true;
        }
        QThread::msleep(200);
    }
    m_skipReason = QStringLiteral("no free loop device: %1").arg(output.trimmed());
    return false;
}

bool LoopMount::mount(const QString &where, const QStringList &mountOptions)
{
    if (m_mounted || m_device.isEmpty())
        return false;
    const QString target = where.isEmpty() ? m_mountPoint : where;
    QDir().mkpath(target);
    QStringList arguments{QStringLiteral("-t"), m_fsType};
    if (!mountOptions.isEmpty())
        arguments << QStringLiteral("-o") << mountOptions.join(QLatin1Char(','));
    arguments << m_device << target;
    if (!run(QStringLiteral("mount"), arguments))
        return false;
    m_mountPoint = QDir(target).canonicalPath();
    m_mounted = true;
    return true;
}

bool LoopMount::unmount(bool lazyIfBusy)
{
    if (!m_mounted)
        return true;
    // Recursive: tests may leave nested mounts (bind mounts, a second volume) inside.
    if (!run(QStringLiteral("umount"), {QStringLiteral("-R"), m_mountPoint})
        && (!lazyIfBusy || !run(QStringLiteral("umount"), {QStringLiteral("-l"), m_mountPoint})))
        return false;
    m_mounted = false;
    return true;
}

bool LoopMount::remount(const QString &where)
{
    return unmount() && mount(where);
}

void LoopMount::tearDown()
{
    unmount();
    if (!m_topMountPoint.isEmpty())
        run(QStringLiteral("umount"), {QStringLiteral("-l"), m_topMountPoint});
    if (!m_device.isEmpty())
        run(QStringLiteral("losetup"), {QStringLiteral("-d"), m_device});
    m_device.clear();
}
