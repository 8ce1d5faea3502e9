#pragma once

#include "support/LoopMount.h"

#include <QChar>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A volume for the monitor's tests: a fresh ext4, xfs or btrfs file system on
// a loop device, or ("btrfs-subvolume") a btrfs subvolume mounted on its own,
// which the kernel refuses to mark as a whole. Everything is unmounted and
// detached when the object goes, also after a failed check.
class TestVolume
{
public:
    explicit TestVolume(const QString &kind, int sizeMiB = 0, const QStringList &mkfsOptions = {});
    ~TestVolume();
    TestVolume(const TestVolume &) = delete;
    TestVolume &operator=(const TestVolume &) = delete;

    bool isReady() const { return !m_root.isEmpty(); }
    QString skipReason() const { return m_skipReason; }
    QString root() const { return m_root; }
    QString path(const QString &relative) const { return m_root + QLatin1Char('/') + relative; }
    QChar key() const { return m_key; }

private:
    std::unique_ptr<LoopMount> m_mount;
    QTemporaryDir m_subvolumeDir;
    bool m_subvolumeMounted = false;
    QString m_root;
    QChar m_key;
    QString m_skipReason;
};
