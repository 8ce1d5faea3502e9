#pragma once

#include "base/IndexingSettings.h"
#include "base/IndexTypes.h"
#include "index/FileRecord.h"
#include "index/FolderPaths.h"
#include "index/RecordMap.h"
#include "platform/linux/ChangeJournal.h"
#include "platform/linux/IJournalReplaySource.h"
#include "platform/linux/JournalState.h"
#include "strings/BlockArena.h"

#include <QDataStream>
#include <QObject>
#include <QReadWriteLock>
#include <QString>

#include <atomic>
#include <bitset>
#include <functional>
#include <memory>
#include <vector>

class FileSearchRequest;
class FileSearchResults;
class IChangeJournalReader;
class RecordBatch;
class StringPool;

// The index of one volume: the name and parent link of every file and folder,
// keyed by inode number. Filled from the database file or by enumerating the
// volume, then kept current by the volume's change monitor, whose events
// arrive through the slots on the monitor thread.
//
// Locking: the write lock is taken per change by the slots and by save();
// search() holds the read lock throughout. load(), create() and readMft()
// run before the database is published and take no lock. The string pool's
// lock is always taken inside this one.
class NTFSDriveDB : public QObject, public IJournalReplaySource
{
    Q_OBJECT
public:
    // Opens the volume's change monitor; a volume that cannot be monitored
    // raises FileSearchException and no object results.
    NTFSDriveDB(QChar drive, std::shared_ptr<StringPool> pool, const IndexingSettings &settings);
    // For tests and tools: a database fed by the given reader with the given
    // journal state instead of the volume's own.
    NTFSDriveDB(QChar drive, std::shared_ptr<StringPool> pool, const IndexingSettings &settings,
                std::unique_ptr<IChangeJournalReader> reader, const JournalState &journal);
    ~NTFSDriveDB() override;

    void setIndexingSettings(const IndexingSettings &settings);

    void loadOrCreate(const CancelFlag *cancel);
    bool load(const CancelFlag *cancel);
    void save();
    // Saves while the monitor goes on following changes: the database is
    // written under the read lock, at the monitor's position, so a crash
    // afterwards replays only what came later.
    void checkpoint();
    // Changes applied since construction; tells whether a checkpoint is due.
    quint64 changeCount() const { return m_changes; }
    void create(const CancelFlag *cancel);
    void readMft(const CancelFlag *cancel);
    USN stopMonitor();

    void search(FileSearchRequest &request, FileSearchResults &results);
    // The path of the record's folder; empty for a root, a record under an
    // excluded name (its own or a folder's) and a broken chain of parents.
    QString folderPath(const FileRecord &record) const;
    // folderPath() as bytes, kept in `known`; null where that is empty. The
    // text stays put while `known` lives. Under the read lock.
    const char *folderPathBytes(const FileRecord &record, FolderPaths &known) const;
    int fileCount() const;

    QChar drive() const { return m_drive; }

    // The entries held directly in a folder, for the change monitor's replay.
    QVector<Entry> children(FRN folder) const override;
    QVector<Entry> subfolders(FRN folder) const override;
    QHash<FRN, QVector<Entry>> childrenOf(const QVector<FRN> &folders) const override;
    std::vector<Folder> folders() const override;
    // <database folder>/DB/<key>
    QString databaseFilePath() const;
    static QString databaseFilePath(const QString &dbFolder, QChar drive);


public slots:
    void addFile(FRN frn, FRN frnParent, const QString &name, bool isDir);
    void renameFile(FRN frn, FRN frnParent, const QString &name, bool isDir);
    void deleteFile(FRN frn, bool isFolder);

private:
    friend class DriveDBSearch;
    // Folder lists of a request as records of this drive.
    struct ResolvedPaths {
        bool coversRoot = false;
        std::vector<FRN> folders;
        std::vector<FRN> files;
    };

    void attachMonitor(std::unique_ptr<IChangeJournalReader> reader, const JournalState &journal);
    bool store(FRN frn, FRN parent, const QString &name, bool isDir, const char *emptyMessage,
               const char *poolMessage);
    bool isExcludedName(const char *name) const;
    // The path of folder `frn`, empty when it has none; `record` is the one
    // asked about, named in the warnings.
    FolderPaths::Path pathOfFolder(FRN frn, const FileRecord &record, FolderPaths &known) const;
    bool descendsFromAny(const FileRecord &record, FRN frn, const std::vector<FRN> &ancestors) const;
    ResolvedPaths resolve(const QStringList &paths) const;
    bool loadRecords(const CancelFlag *cancel);
    void discardRecords();
    void takeCurrentMountPoint();
    std::size_t dropOrphans();
    bool readRecords(QIODevice &file, qint32 count, const CancelFlag *cancel, const std::function<void()> &foldersRead);
    void applyBatch(RecordBatch &batch);
    void collectChildren(const RecordMap &map, bool isFolder, const std::vector<FRN> &parents,
                         QHash<FRN, QVector<Entry>> &into) const;
    FRN rootFrn() const;
    void writeFile(USN position);

    const QChar m_drive;
    BlockArena m_arena;
    RecordMap m_folders;
    RecordMap m_files;
    // Lower-cased, as UTF-8: a handful, each compared whole.
    std::vector<QByteArray> m_excludedNames;
    std::bitset<256> m_excludedFirstBytes; // of the names above, lowered
    JournalState m_journal;
    // The saved position of the file being loaded.
    USN m_loadedUsn = 0;
    std::unique_ptr<ChangeJournal> m_monitor;
    std::shared_ptr<StringPool> m_pool;
    mutable QReadWriteLock m_lock;
    IndexingSettings m_settings;
    std::atomic<quint64> m_changes{0};
};
