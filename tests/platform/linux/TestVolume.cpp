#include "TestVolume.h"

#include "platform/linux/NTFSUtils.h"

#include <QDir>

TestVolume::TestVolume(const QString &kind, int sizeMiB, const QStringList &mkfsOptions)
{
    const bool subvolume = kind == QLatin1String("btrfs-subvolume");
    m_mount = std::make_unique<LoopMount>(subvolume ? QStringLiteral("btrfs") : kind, sizeMiB, mkfsOptions);
    if (!m_mount->isMounted()) {
        m_skipReason = m_mount->skipReason();
        return;
    }
    QString root = m_mount->mountPoint();
    if (subvolume) {
        const QString sub = m_mount->mountPoint() + QStringLiteral("/sub");
        if (!LoopMount::run(QStringLiteral("btrfs"), {QStringLiteral("subvolume"), QStringLiteral("create"), sub})
            || !LoopMount::run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("subvol=sub"),
                                                          m_mount->device(), m_subvolumeDir.path()})) {
            m_skipReason = QStringLiteral("cannot mount a btrfs subvolume");
            return;
        }
        m_subvolumeMounted = true;
        root = QDir(m_subvolumeDir.path()).canonicalPath();
    }
    m_key = volumeOfPath(root).key;
    if (m_key.isNull()) {
        m_skipReason = QStringLiteral("no volume key for %1").arg(root);
        return;
    }
    m_root = root;
}

TestVolume::~TestVolume()
{
    if (m_subvolumeMounted)
        LoopMount::run(QStringLiteral("umount"), {m_subvolumeDir.path()});
}
