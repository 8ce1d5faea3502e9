#include "platform/linux/FanotifyGroup.h"

#include "platform/linux/FileHandleDecoder.h"
#include "platform/linux/SysCall.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/fanotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr unsigned kEventMask = FAN_CREATE | FAN_DELETE | FAN_RENAME | FAN_ONDIR;
// Large enough for a few thousand records per read, so a burst costs few calls.
constexpr std::size_t kReadBufferSize = 256 * 1024;
constexpr std::size_t kFileHandleHeader = sizeof(quint32) + sizeof(qint32);   // handle_bytes, handle_type

// One fid record: the handle bytes (struct file_handle as the kernel wrote
// it) and, for records that carry one, the entry name behind it.
struct FidRecord
{
    QByteArray handle;
    QByteArray name;
};

bool parseFidRecord(const unsigned char *record, unsigned length, bool withName, FidRecord *out)
{
    const unsigned handleOffset = sizeof(fanotify_event_info_header) + sizeof(__kernel_fsid_t);
    if (length < handleOffset + kFileHandleHeader)
        return false;
    quint32 handleBytes;
    std::memcpy(&handleBytes, record + handleOffset, sizeof handleBytes);
    const unsigned handleEnd = handleOffset + unsigned(kFileHandleHeader) + handleBytes;
    if (handleEnd > length)
        return false;
    out->handle = QByteArray(reinterpret_cast<const char *>(record + handleOffset), int(handleEnd - handleOffset));
    if (withName) {
        const char *name = reinterpret_cast<const char *>(record + handleEnd);
        out->name = QByteArray(name, int(qstrnlen(name, length - handleEnd)));
    }
    return true;
}

bool decodeInode(const QByteArray &handle, quint64 *inode)
{
    qint32 type;
    std::memcpy(&type, handle.constData() + sizeof(quint32), sizeof type);
    const auto *bytes = reinterpret_cast<const unsigned char *>(handle.constData()) + kFileHandleHeader;
    return FileHandleDecoder::inode(type, bytes, handle.size() - int(kFileHandleHeader), inode);
}

} // namespace

int FanotifyGroup::open()
{
    // Not FAN_UNLIMITED_QUEUE: a burst the reader cannot keep up with must
    // end in an overflow it can recover from, not in unbounded kernel memory.
    const int fd = ::fanotify_init(FAN_CLASS_NOTIF | FAN_CLOEXEC | FAN_NONBLOCK | FAN_UNLIMITED_MARKS
                                       | FAN_REPORT_DFID_NAME | FAN_REPORT_FID | FAN_REPORT_TARGET_FID,
                                   O_RDONLY | O_LARGEFILE | O_CLOEXEC);
    if (fd < 0)
        return errno;
    m_fanotify.reset(fd);
    const int wakeup = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeup < 0) {
        const int error = errno;
        m_fanotify.reset();
        return error;
    }
    m_wakeup.reset(wakeup);
    return 0;
}

int FanotifyGroup::markFilesystem(int dirFd)
{
    if (::fanotify_mark(m_fanotify.get(), FAN_MARK_ADD | FAN_MARK_FILESYSTEM, kEventMask, dirFd, nullptr) != 0)
        return errno;
    return 0;
}

int FanotifyGroup::markDirectory(int dirFd)
{
    if (::fanotify_mark(m_fanotify.get(), FAN_MARK_ADD | FAN_MARK_ONLYDIR, kEventMask, dirFd, nullptr) != 0)
        return errno;
    return 0;
}

FanotifyGroup::WaitResult FanotifyGroup::wait()
{
    struct pollfd fds[2] = {{m_fanotify.get(), POLLIN, 0}, {m_wakeup.get(), POLLIN, 0}};
    for (;;) {
        const int n = ::poll(fds, 2, -1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Failed;
        if (fds[1].revents & POLLIN)
            return Interrupted;
        if (fds[0].revents & POLLIN)
            return Readable;
        if ((fds[0].revents | fds[1].revents) & (POLLERR | POLLNVAL))
            return Failed;
    }
}

void FanotifyGroup::interrupt()
{
    const quint64 one = 1;
    // The counter only has to become non-zero; EAGAIN (saturated) is as good.
    (void)sysWrite(m_wakeup.get(), &one, sizeof one);
}

long FanotifyGroup::readEvents(QVector<FanotifyEvent> &events)
{
    if (m_buffer.empty())
        m_buffer.resize(kReadBufferSize);
    const long n = sysRead(m_fanotify.get(), m_buffer.data(), m_buffer.size());
    if (n < 0)
        return errno == EAGAIN ? 0 : -errno;
    // Records are only 4-byte aligned, so they are copied out rather than
    // read in place as FAN_EVENT_OK and FAN_EVENT_NEXT would.
    const unsigned char *data = m_buffer.data();
    for (long offset = 0; n - offset >= long(sizeof(fanotify_event_metadata));) {
        fanotify_event_metadata meta;
        std::memcpy(&meta, data + offset, sizeof meta);
        if (meta.event_len < sizeof meta || long(meta.event_len) > n - offset)
            break;
        if (meta.vers == FANOTIFY_METADATA_VERSION)
            parseEvent(data + offset, meta.event_len, events);
        offset += meta.event_len;
    }
    return n;
}

void FanotifyGroup::parseEvent(const unsigned char *data, unsigned length, QVector<FanotifyEvent> &events)
{
    fanotify_event_metadata meta;
    std::memcpy(&meta, data, sizeof meta);
    FanotifyEvent event;
    if (meta.mask & FAN_Q_OVERFLOW) {
        event.flags = FanotifyEvent::Overflow;
        events.append(event);
        return;
    }
    event.flags = ((meta.mask & FAN_CREATE) ? FanotifyEvent::Created : 0)
        | ((meta.mask & FAN_DELETE) ? FanotifyEvent::Deleted : 0)
        | ((meta.mask & FAN_RENAME) ? FanotifyEvent::Renamed : 0)
        | ((meta.mask & FAN_ONDIR) ? FanotifyEvent::IsFolder : 0);
    for (unsigned offset = meta.metadata_len; offset + sizeof(fanotify_event_info_header) <= length;) {
        fanotify_event_info_header header;
        std::memcpy(&header, data + offset, sizeof header);
        if (header.len == 0 || offset + header.len > length)
            break;
        FidRecord record;
        const bool named = header.info_type != FAN_EVENT_INFO_TYPE_FID;
        if (parseFidRecord(data + offset, header.len, named, &record)) {
            switch (header.info_type) {
            case FAN_EVENT_INFO_TYPE_FID:
                event.childHandle = record.handle;
                event.childKnown = decodeInode(record.handle, &event.child);
                break;
            case FAN_EVENT_INFO_TYPE_DFID_NAME:
            case FAN_EVENT_INFO_TYPE_NEW_DFID_NAME:
                event.parentHandle = record.handle;
                event.parentKnown = decodeInode(record.handle, &event.parent);
                event.name = record.name;
                break;
            case FAN_EVENT_INFO_TYPE_OLD_DFID_NAME:
                event.oldParentKnown = decodeInode(record.handle, &event.oldParent);
                event.oldName = record.name;
                break;
            default:
                break;
            }
        }
        offset += header.len;
    }
    events.append(event);
}

FileDescriptor FanotifyGroup::openHandle(int mountFd, const QByteArray &handle, int flags)
{
    if (handle.size() < int(kFileHandleHeader))
        return FileDescriptor();
    // struct file_handle must be suitably aligned; the event's bytes are not.
    QByteArray copy(handle);
    return sysOpenByHandleAt(mountFd, copy.data(), flags);
}

bool FanotifyGroup::inodeOfHandle(int mountFd, const QByteArray &handle, quint64 *inode)
{
    if (handle.size() >= int(kFileHandleHeader) && decodeInode(handle, inode))
        return true;
    const FileDescriptor fd = openHandle(mountFd, handle, O_PATH);
    struct stat st;
    if (!fd.isValid() || sysFstat(fd.get(), &st) != 0)
        return false;
    *inode = st.st_ino;
    return true;
}
