#pragma once

#include "platform/linux/FanotifyGroup.h"
#include "platform/linux/IChangeJournalReader.h"
#include "platform/linux/NTFSUtils.h"

#include <QChar>
#include <QObject>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

class FolderTimeScan;
class IJournalReplaySource;
struct FanotifyEvent;

// Follows one volume's changes with fanotify: a mark on the whole file
// system, or on every directory where the kernel refuses that (btrfs
// subvolumes). The mark is set in the constructor, so every change made
// after construction is reported by read(), also those made while the index
// is being built. Changes from before construction (made while the program
// was not running), and changes lost in a queue overflow, are found by a
// replay that compares directories with the index through the replay source.
//
// Thread: constructed on any thread; read() on one thread at a time;
// cancel() from any thread. The signals are emitted on the reading thread.
class ChangeJournalReader : public QObject, public IChangeJournalReader
{
    Q_OBJECT
public:
    // Raises FileSearchException when the volume cannot be monitored.
    explicit ChangeJournalReader(QChar drive, QObject *parent = nullptr);
    ~ChangeJournalReader() override;

    // The index whose folders a replay compares with the disk; not owned, must
    // outlive every read. Without one a replay cannot run: a read from before
    // the mark, or after an overflow, logs an error and follows live changes.
    void setReplaySource(const IJournalReplaySource *source) { m_replaySource = source; }

    JournalID journalId() const { return m_journalId; }
    // Changes at or after this position reach read() without a replay.
    USN coveredFrom() const { return m_coveredFrom; }
    bool watchesEveryDirectory() const { return m_perDirectory; }

    USN read(USN startUsn, bool wait) override;
    // Starts reading the times of the index's folders on threads of its own,
    // for the replay that read(startUsn) will need.
    void prepare(USN startUsn) override;
    bool cancel() override;

signals:
    void fileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder, USN nextUsn) override;
    void fileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder, USN nextUsn) override;
    void fileDeleted(FRN frn, bool isFolder, USN nextUsn) override;

private:
    // Closes the volume when the scope that needed it ends.
    class VolumeLease
    {
    public:
        explicit VolumeLease(ChangeJournalReader &reader) : m_reader(reader) {}
        ~VolumeLease();
        VolumeLease(const VolumeLease &) = delete;
        VolumeLease &operator=(const VolumeLease &) = delete;

    private:
        ChangeJournalReader &m_reader;
    };

    int volumeFd();
    void setUpMarks();
    void markTree(int dirFd, bool report, USN now);
    USN replayStart(USN startUsn) const;
    std::unique_ptr<FolderTimeScan> takePrepared(USN since);
    void finishPreparing();
    bool replay(USN since, USN *position, std::unique_ptr<FolderTimeScan> times);
    bool dispatchBatch(const QVector<FanotifyEvent> &events, USN now, bool *overflow);
    bool dispatch(const FanotifyEvent &event, USN now);
    bool isOnThisVolume(const FanotifyEvent &event) const;
    bool entryExists(const FanotifyEvent &event, FRN child);
    void watchNewFolder(const FanotifyEvent &event, USN now);
    void reportReplacedEntry(FRN child, FRN parent, const QString &name, USN now);

    QChar m_drive;
    JournalID m_journalId = 0;
    VolumeHandle m_volume;
    std::atomic<bool> m_stopRequested{false};
    FanotifyGroup m_group;
    bool m_perDirectory = false;
    quint64 m_subvolume = 0;   // btrfs: the subvolume this volume is; 0 elsewhere
    USN m_coveredFrom = 0;
    USN m_emptyAt = 0;         // when the queue was last seen empty: an overflow lost only later events
    const IJournalReplaySource *m_replaySource = nullptr;
    // The folder times read ahead by prepare(), for a replay from m_preparedSince.
    std::mutex m_preparingMutex; // joins may come from read() and from cancel()
    std::thread m_preparing;
    std::unique_ptr<FolderTimeScan> m_prepared;
    USN m_preparedSince = 0;
};
