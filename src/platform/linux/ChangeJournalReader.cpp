#include "platform/linux/ChangeJournalReader.h"

#include "base/FileSearchException.h"
#include "base/Logger.h"
#include "platform/linux/ChangeJournalReplay.h"
#include "platform/linux/DirectoryStream.h"
#include "platform/linux/FileHandleDecoder.h"
#include "platform/linux/FolderTimeScan.h"
#include "platform/linux/FolderWalk.h"
#include "platform/linux/IJournalReplaySource.h"
#include "platform/linux/JournalState.h"
#include "platform/linux/MountTable.h"
#include "platform/linux/NTFSUtils.h"
#include "platform/linux/SysCall.h"

#include <QFile>
#include <QElapsedTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <functional>

namespace {

constexpr char kComponent[] = "ChangeJournalReader";
// Directory times come from a coarse clock and may trail the moment of the
// change a little, so a replay looks a few seconds further back.
constexpr USN kReplayMargin = 5LL * 1000000000;

// The other mounts below a mount point, relative to it.
QSet<QByteArray> mountsBelow(const QString &mountPoint)
{
    QSet<QByteArray> paths;
    if (mountPoint.isEmpty())
        return paths;
    const QString prefix = mountPoint.endsWith(QLatin1Char('/')) ? mountPoint : mountPoint + QLatin1Char('/');
    for (const MountTable::Entry &mount : MountTable::read()) {
        if (mount.mountPoint.size() > prefix.size() && mount.mountPoint.startsWith(prefix))
            paths.insert(mount.mountPoint.mid(prefix.size()).toUtf8());
    }
    return paths;
}

QString nameOf(const QByteArray &bytes)
{
    return QFile::decodeName(bytes);
}

// The btrfs subvolume of a handle, 0 when the handle is not a btrfs one.
quint64 btrfsRootOf(const QByteArray &handle)
{
    constexpr int kHeader = sizeof(quint32) + sizeof(qint32);
    if (handle.size() < kHeader)
        return 0;
    qint32 type;
    std::memcpy(&type, handle.constData() + sizeof(quint32), sizeof type);
    quint64 root = 0;
    FileHandleDecoder::btrfsRoot(type, reinterpret_cast<const unsigned char *>(handle.constData()) + kHeader,
                                 handle.size() - kHeader, &root);
    return root;
}

// Marks every folder the walk enters, for the kernels that refuse to mark a
// btrfs subvolume as a whole.
class MarkingVisitor : public FolderWalk::Visitor
{
public:
    explicit MarkingVisitor(FanotifyGroup &group) : m_group(group) {}

    QVector<FolderWalk::Subfolder> enter(int dirFd, FRN frn) override
    {
        const int error = m_group.markDirectory(dirFd);
        if (error != 0)
            Logger::instance()->log(WARNING, kComponent,
                                    QStringLiteral("Cannot watch folder %1, error = %2").arg(frn).arg(error));
        QVector<FolderWalk::Subfolder> subfolders;
        DirectoryStream stream(dirFd);
        DirectoryStream::Entry entry;
        while (stream.next(entry)) {
            if (report)
                report(entry, frn);
            if (entry.isFolder)
                subfolders.append({entry.name, entry.inode});
        }
        return subfolders;
    }

    std::function<void(const DirectoryStream::Entry &, FRN)> report;

private:
    FanotifyGroup &m_group;
};

} // namespace

ChangeJournalReader::ChangeJournalReader(QChar drive, QObject *parent)
    : QObject(parent)
    , m_drive(drive)
{
    ensureJournal(drive);
    VolumeLease lease(*this);
    if (volumeFd() < 0)
        throw FileSearchException(QStringLiteral("ChangeJournalReader"), __LINE__, QString());
    JournalState state;
    queryJournal(drive, state);
    m_journalId = state.journalId;
    m_subvolume = volumeInfo(drive).subvolumeId;
    setUpMarks();
}

// The volume is opened only while a change is being decoded or a replay
// runs: a descriptor kept open would make the volume busy, and the user
// could not unmount (eject) it while the index watches it. The marks on the
// file system do not hold it.
int ChangeJournalReader::volumeFd()
{
    if (!m_volume.isValid())
        m_volume.open(m_drive);
    return m_volume.handle();
}

ChangeJournalReader::VolumeLease::~VolumeLease()
{
    m_reader.m_volume.close();
}

ChangeJournalReader::~ChangeJournalReader()
{
    m_stopRequested = true;
    finishPreparing();
}

void ChangeJournalReader::setUpMarks()
{
    int error = m_group.open();
    if (error == 0) {
        error = m_group.markFilesystem(volumeFd());
        if (error == EXDEV) {
            Logger::instance()->log(INFO, kComponent,
                                    QStringLiteral("Drive %1 cannot be watched as a whole: watching every folder")
                                        .arg(m_drive));
            m_perDirectory = true;
            error = 0;
            markTree(volumeFd(), /*report=*/false, 0);
        }
    }
    if (error != 0) {
        throw FileSearchException(QStringLiteral("ChangeJournalReader"), __LINE__,
                                  QStringLiteral("Querying the journal information failed, error=%1.").arg(error));
    }
    // Taken after the marks are in place: from here on the queue has everything.
    m_coveredFrom = currentUsn();
    m_emptyAt = m_coveredFrom;
}

// Marks a folder and every folder below it on this volume. With `report`,
// also reports their entries as added: they were made before the marks,
// when no event could describe them (a folder created and filled at once).
void ChangeJournalReader::markTree(int dirFd, bool report, USN now)
{
    MarkingVisitor visitor(m_group);
    if (report) {
        visitor.report = [this, now](const DirectoryStream::Entry &entry, FRN folder) {
            emit fileAdded(entry.inode, folder, nameOf(entry.name), entry.isFolder, now);
        };
    }
    FolderWalk(dirFd, &m_stopRequested).run(visitor);
}

USN ChangeJournalReader::read(USN startUsn, bool wait)
{
    USN position = startUsn;
    if (m_stopRequested)
        return position;
    const USN replayFrom = replayStart(startUsn);
    if (replayFrom != startUsn) {
        Logger::instance()->log(WARNING, kComponent,
                                QStringLiteral("Position %1 of drive %2 is in the future: comparing every folder")
                                    .arg(startUsn).arg(m_drive));
    }
    std::unique_ptr<FolderTimeScan> prepared = takePrepared(replayFrom);
    if (replayFrom < m_coveredFrom && !replay(replayFrom, &position, std::move(prepared)))
        return position;
    QVector<FanotifyEvent> events;
    while (!m_stopRequested) {
        events.clear();
        const USN readAt = currentUsn();
        const long bytes = m_group.readEvents(events);
        if (bytes < 0) {
            Logger::instance()->log(WARNING, kComponent,
                                    QStringLiteral("Reading the changes of drive %1 failed, error = %2")
                                        .arg(m_drive).arg(-bytes));
            return position;
        }
        if (bytes == 0) {
            m_emptyAt = readAt;
            if (!wait || m_group.wait() != FanotifyGroup::Readable)
                return position;
            continue;
        }
        bool overflow = false;
        if (dispatchBatch(events, readAt, &overflow))
            position = readAt;
        if (overflow) {
            // Events after some point were dropped; what they described is
            // found by comparing the folders changed since the queue was last
            // seen empty.
            Logger::instance()->log(WARNING, kComponent,
                                    QStringLiteral("The change queue of drive %1 overflowed: replaying changes since %2")
                                        .arg(m_drive).arg(m_emptyAt));
            if (!replay(m_emptyAt, &position, nullptr))
                return position;
        }
    }
    return position;
}

bool ChangeJournalReader::cancel()
{
    m_stopRequested = true;
    // The eventfd wakes a read blocked in poll, and keeps every later wait
    // from blocking, so the caller can always wait for the reading thread.
    m_group.interrupt();
    // The index may be destroyed once its monitor is stopped: nothing may
    // still read its folders.
    finishPreparing();
    return true;
}

// Where a read from `startUsn` must replay from.
USN ChangeJournalReader::replayStart(USN startUsn) const
{
    // Saved before the clock was set back: folder times cannot be compared
    // with it, so every folder is compared with the index.
    return startUsn > currentUsn() ? 0 : startUsn;
}

void ChangeJournalReader::prepare(USN startUsn)
{
    const USN since = replayStart(startUsn);
    std::lock_guard<std::mutex> lock(m_preparingMutex);
    // Watching directory by directory, a replay opens every directory anyway.
    if (!m_replaySource || m_perDirectory || since >= m_coveredFrom || m_preparing.joinable())
        return;
    m_preparedSince = since;
    const QString mountPoint = volumeInfo(m_drive).mountPoint;
    m_preparing = std::thread([this, since, mountPoint] {
        VolumeHandle volume;
        if (!volume.open(m_drive))
            return;
        auto times = std::make_unique<FolderTimeScan>(volume.handle(), m_replaySource->folders(),
                                                      mountsBelow(mountPoint), &m_stopRequested);
        if (times->run(since - kReplayMargin))
            m_prepared = std::move(times);
    });
}

void ChangeJournalReader::finishPreparing()
{
    std::lock_guard<std::mutex> lock(m_preparingMutex);
    if (m_preparing.joinable())
        m_preparing.join();
}

// The folder times prepare() read, when they were read for this replay.
std::unique_ptr<FolderTimeScan> ChangeJournalReader::takePrepared(USN since)
{
    finishPreparing();
    std::unique_ptr<FolderTimeScan> times = std::move(m_prepared);
    return m_preparedSince == since ? std::move(times) : nullptr;
}

bool ChangeJournalReader::replay(USN since, USN *position, std::unique_ptr<FolderTimeScan> times)
{
    if (!m_replaySource) {
        // Following the live changes is still better than following none.
        Logger::instance()->log(ERROR, kComponent,
                                QStringLiteral("Cannot replay the changes of drive %1 since %2: no index to compare with")
                                    .arg(m_drive).arg(since));
        m_coveredFrom = qMin(m_coveredFrom, since);
        m_emptyAt = currentUsn();
        return true;
    }
    QElapsedTimer timer;
    timer.start();
    const USN startedAt = currentUsn();
    VolumeLease lease(*this);
    ChangeJournalReplay walk(volumeFd(), *m_replaySource);
    walk.setStopFlag(&m_stopRequested);
    walk.setMountPoints(mountsBelow(volumeInfo(m_drive).mountPoint));
    walk.setTimeScan(std::move(times));
    if (m_perDirectory)
        walk.setDirectoryHook([this](int dirFd) { m_group.markDirectory(dirFd); });
    QVector<ChangeJournalReplay::Change> changes;
    if (!walk.run(since - kReplayMargin, changes))
        return false;
    for (const ChangeJournalReplay::Change &change : changes) {
        switch (change.kind) {
        case ChangeJournalReplay::Change::Added:
            emit fileAdded(change.frn, change.parent, change.name, change.isFolder, startedAt);
            break;
        case ChangeJournalReplay::Change::Renamed:
            emit fileRenamed(change.frn, change.parent, change.name, change.isFolder, startedAt);
            break;
        case ChangeJournalReplay::Change::Deleted:
            emit fileDeleted(change.frn, change.isFolder, startedAt);
            break;
        }
    }
    if (!changes.isEmpty())
        *position = startedAt;
    // Everything before the walk is now in the index; what came after is queued.
    m_coveredFrom = qMin(m_coveredFrom, since);
    m_emptyAt = startedAt;
    Logger::instance()->log(INFO, kComponent,
                            QStringLiteral("Replayed %1 changes of drive %2 in %3 ms")
                                .arg(changes.size()).arg(m_drive).arg(timer.elapsed()));
    return true;
}

bool ChangeJournalReader::dispatchBatch(const QVector<FanotifyEvent> &events, USN now, bool *overflow)
{
    VolumeLease lease(*this);
    bool reported = false;
    for (const FanotifyEvent &event : events) {
        if (event.flags & FanotifyEvent::Overflow)
            *overflow = true;
        else if (dispatch(event, now))
            reported = true;
        if (m_stopRequested)
            break;
    }
    return reported;
}

bool ChangeJournalReader::dispatch(const FanotifyEvent &event, USN now)
{
    if (!isOnThisVolume(event))
        return false;
    FRN child = event.child;
    if (!event.childKnown && !FanotifyGroup::inodeOfHandle(volumeFd(), event.childHandle, &child)) {
        Logger::instance()->log(WARNING, kComponent,
                                QStringLiteral("Skipped a change of \"%1\": its file handle cannot be read")
                                    .arg(nameOf(event.name)));
        return false;
    }
    FRN parent = event.parent;
    if (!event.parentKnown && !FanotifyGroup::inodeOfHandle(volumeFd(), event.parentHandle, &parent))
        parent = 0;
    const bool isFolder = event.flags & FanotifyEvent::IsFolder;
    const QString name = nameOf(event.name);
    if (event.flags & FanotifyEvent::Renamed) {
        reportReplacedEntry(child, parent, name, now);
        emit fileRenamed(child, parent, name, isFolder, now);
        return true;
    }
    const bool created = event.flags & FanotifyEvent::Created;
    const bool deleted = event.flags & FanotifyEvent::Deleted;
    // The kernel merges a creation and a deletion of the same entry into one
    // event and loses their order; what is on disk now tells which came last.
    const bool exists = created && (!deleted || entryExists(event, child));
    if (created)
        emit fileAdded(child, parent, name, isFolder, now);
    if (created && exists && isFolder && m_perDirectory)
        watchNewFolder(event, now);
    if (deleted && !exists)
        emit fileDeleted(child, isFolder, now);
    return created || deleted;
}

bool ChangeJournalReader::isOnThisVolume(const FanotifyEvent &event) const
{
    // A file-system mark on btrfs reports every subvolume; the others are
    // volumes of their own, which this index does not hold.
    if (m_subvolume == 0)
        return true;
    const quint64 root = btrfsRootOf(event.parentHandle);
    return root == 0 || root == m_subvolume;
}

bool ChangeJournalReader::entryExists(const FanotifyEvent &event, FRN child)
{
    const FileDescriptor dir = FanotifyGroup::openHandle(volumeFd(), event.parentHandle, O_PATH | O_DIRECTORY);
    struct stat st;
    return dir.isValid() && sysFstatAt(dir.get(), event.name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0
        && FRN(st.st_ino) == child;
}

// A folder made while watching folder by folder is not watched yet: watch it
// and report what was put into it before that.
void ChangeJournalReader::watchNewFolder(const FanotifyEvent &event, USN now)
{
    const FileDescriptor fd = FanotifyGroup::openHandle(volumeFd(), event.childHandle, O_RDONLY | O_DIRECTORY);
    if (fd.isValid())
        markTree(fd.get(), /*report=*/true, now);
}

// A rename onto an existing name replaces that entry without a deletion
// event; the index learns of it here.
void ChangeJournalReader::reportReplacedEntry(FRN child, FRN parent, const QString &name, USN now)
{
    if (!m_replaySource)
        return;
    for (const IJournalReplaySource::Entry &entry : m_replaySource->children(parent)) {
        if (entry.name == name && entry.frn != child) {
            emit fileDeleted(entry.frn, entry.isFolder, now);
            return;
        }
    }
}
