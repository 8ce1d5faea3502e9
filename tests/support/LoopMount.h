#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh file system on a loop device, mounted in a temporary folder while
// the object lives; the destructor undoes it all, also after a failed check.
// When it cannot be made, isMounted() is false and skipReason() says why.
// "btrfs-subvolume" mounts a subvolume of a fresh btrfs on its own;
// remount() then mounts the whole file system.
class LoopMount
{
public:
    // sizeMiB 0 picks the smallest size the file system's tools accept.
    explicit LoopMount(const QString &fsType, int sizeMiB = 0, const QStringList &mkfsOptions = {});
    ~LoopMount();

    bool isMounted() const { return m_mounted; }
    QString skipReason() const { return m_skipReason; }
    QString mountPoint() const { return m_mountPoint; }
    QString device() const { return m_device; }   // /dev/loopN

    // Mounts the file system again, at `where` (created if missing) or else where it was.
    bool remount(const QString &where = QString());
    // Without `lazyIfBusy` a volume still in use stays mounted and false comes back.
    bool unmount(bool lazyIfBusy = true);
    bool mount(const QString &where = QString(), const QStringList &mountOptions = {});

    // Runs a program and waits; returns true on exit code 0. Output goes to *output when given.
    static bool run(const QString &program, const QStringList &arguments, QString *output = nullptr);

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
