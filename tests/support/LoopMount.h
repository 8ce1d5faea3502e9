#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A freshly made file system on a loop device, mounted in a temporary folder
// for the lifetime of the object. Everything it sets up (image, loop device,
// mount) is undone in the destructor, also after a failed check, so a test
// run never leaves devices behind. When the file system cannot be made
// (not root, mkfs tool or kernel support missing) isMounted() is false and
// skipReason() says why; tests then QSKIP with that text.
// The type "btrfs-subvolume" mounts a subvolume of a fresh btrfs on its own
// (the whole file system stays mounted beside it); remount() then mounts the
// whole file system.
class LoopMount
{
public:
    // sizeMiB 0 picks the smallest size the file system's tools accept.
    explicit LoopMount(const QString &fsType, int sizeMiB = 0, const QStringList &mkfsOptions = {});
    ~LoopMount();
    LoopMount(const LoopMount &) = delete;
    LoopMount &operator=(const LoopMount &) = delete;

    bool isMounted() const { return m_mounted; }
    QString skipReason() const { return m_skipReason; }
    QString fsType() const { return m_fsType; }
    QString mountPoint() const { return m_mountPoint; }
    QString device() const { return m_device; }   // /dev/loopN

    // Unmounts and mounts the same file system again, at `where` when given
    // (created if missing), else at the previous mount point.
    bool remount(const QString &where = QString(), const QStringList &mountOptions = {});
    // Without `lazyIfBusy` a volume still in use stays mounted and false comes back.
    bool unmount(bool lazyIfBusy = true);
    bool mount(const QString &where = QString(), const QStringList &mountOptions = {});

    // Runs a program and waits; returns true on exit code 0. Output goes to *output when given.
    static bool run(const QString &program, const QStringList &arguments, QString *output = nullptr);
    // Empty when tests that mount can run here, else the reason to skip.
    static QString rootSkipReason();

private:
    bool setUp(int sizeMiB, const QStringList &mkfsOptions);
    bool attachLoop();
    void tearDown();
    bool makeSubvolume();

    QString m_fsType;
    QTemporaryDir m_dir;
    QString m_image;
    QString m_device;
    QString m_mountPoint;
    QString m_topMountPoint;   // the whole btrfs, when a subvolume is the volume
    QString m_skipReason;
    bool m_mounted = false;
};
