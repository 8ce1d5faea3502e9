#pragma once

#include "platform/linux/FileDescriptor.h"

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

#include <vector>

// One kernel record of a directory-entry change, as the kernel reported it:
// which object (child), in which directory and under which name, and for a
// rename also where it came from. Nothing here is interpreted against the
// file system; that is the reader's business.
struct FanotifyEvent
{
    enum Flag {
        Created = 0x01,
        Deleted = 0x02,
        Renamed = 0x04,
        IsFolder = 0x08,
        Overflow = 0x10,   // the queue overflowed: events after this point were lost
    };

    int flags = 0;
    quint64 child = 0;         // inode number of the object, valid when childKnown
    bool childKnown = false;
    quint64 parent = 0;        // directory holding `name` (the new one for a rename)
    bool parentKnown = false;
    QByteArray name;           // raw bytes of the entry name
    quint64 oldParent = 0;     // renames only: the directory and name it left
    bool oldParentKnown = false;
    QByteArray oldName;
    // The kernel handles (struct file_handle bytes) of the object and of its
    // (new) directory, so that an unknown layout can still be resolved and a
    // merged event settled while the objects exist.
    QByteArray childHandle;
    QByteArray parentHandle;
};

// A fanotify notification group that reports directory-entry changes with
// file identifiers (FAN_REPORT_DFID_NAME | FAN_REPORT_FID | FAN_REPORT_TARGET_FID),
// plus an eventfd polled beside it so that another thread can interrupt a
// blocked wait. Owns both descriptors. Needs CAP_SYS_ADMIN.
//
// Thread: one thread reads; interrupt() may be called from any thread.
class FanotifyGroup
{
public:
    enum WaitResult { Readable, Interrupted, Failed };

    FanotifyGroup() = default;
    FanotifyGroup(const FanotifyGroup &) = delete;
    FanotifyGroup &operator=(const FanotifyGroup &) = delete;

    // Creates the group; 0 or the errno of the failing call.
    int open();
    bool isOpen() const { return m_fanotify.isValid(); }

    // Marks the whole file system holding the directory `dirFd` for creations,
    // deletions and renames of files and folders; 0 or errno (EXDEV on a btrfs
    // subvolume that is not the file system's top level).
    int markFilesystem(int dirFd);
    // Marks one directory for changes of its entries; 0 or errno.
    int markDirectory(int dirFd);

    // Blocks until events can be read or interrupt() was called. The
    // interruption is permanent: later waits return Interrupted at once.
    WaitResult wait();
    void interrupt();

    // Reads the events queued now (without blocking) and appends them to
    // `events` in the kernel's order; 0 when none were queued, the number of
    // bytes consumed, or -errno.
    long readEvents(QVector<FanotifyEvent> &events);

    // open_by_handle_at(2) of a handle from an event, relative to any
    // descriptor of the same file system. Works only while the object exists.
    static FileDescriptor openHandle(int mountFd, const QByteArray &handle, int flags);
    // The inode number behind a handle: decoded where the layout is known,
    // else asked of the kernel. False when neither works.
    static bool inodeOfHandle(int mountFd, const QByteArray &handle, quint64 *inode);

private:
    void parseEvent(const unsigned char *data, unsigned length, QVector<FanotifyEvent> &events);

    FileDescriptor m_fanotify;
    FileDescriptor m_wakeup;
    std::vector<unsigned char> m_buffer;
};
