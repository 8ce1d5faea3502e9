#pragma once

#include "base/IndexingSettings.h"
#include "base/IndexTypes.h"

#include <QChar>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QReadWriteLock>

#include <map>
#include <memory>

class DriveConnectionNotifier;
class FileSearchRequest;
class FileSearchResults;
class NTFSDriveDB;
class StringPool;

// Owns the database of every indexed volume, decides which volumes are
// indexed (the user's lists plus automatic adding of fixed and removable
// volumes), follows volumes as they are mounted and unmounted, and runs one
// name search over all of them.
//
// Lock order: m_lock (the set of drives) before any drive database's lock.
// m_countsMutex guards only the list of published databases that
// driveFileCounts() and isIndexed() read, so the user interface can ask
// while a long update holds m_lock.
class NTFSDB : public QObject
{
    Q_OBJECT
public:
    explicit NTFSDB(QObject *parent = nullptr);
    ~NTFSDB() override;

    void init(const IndexingSettings &settings, const CancelFlag *cancel);
    void setSettings(const IndexingSettings &settings, const CancelFlag *cancel);
    void rebuild(const CancelFlag *cancel);
    void search(FileSearchRequest &request, FileSearchResults &results);

    QMap<QChar, int> driveFileCounts() const;
    bool isIndexed(QChar drive) const;
    IndexingSettings indexingSettings() const { return m_settings; }
    // Saves every volume's database and stops its monitor, once: later
    // calls and the destruction save nothing more. Each volume that cannot
    // be saved is reported by saveFailed(); the others are saved all the same.
    void saveAll();
    // Saves every volume's database while the monitors go on; nothing after
    // saveAll(). Failures are reported by saveFailed() as there.
    void checkpointAll();
    // Changes applied to all databases so far (a sum of running counts).
    quint64 changeCount() const;

signals:
    void updateStarted();
    void updateFinished();
    void saveFailed(QChar drive, const QString &reason);

public slots:
    void onDriveConnected(QChar driveLetter);
    void onDriveDisconnected(QChar driveLetter);

private:
    using DriveMap = std::map<QChar, std::unique_ptr<NTFSDriveDB>>;

    void updateDrives(const CancelFlag *cancel);
    void saveEach(void (NTFSDriveDB::*save)());
    void applyDriveChanges(const QList<QChar> &toAdd, const QList<QChar> &toRemove, const QList<QChar> &toDrop,
                           const CancelFlag *cancel);
    void autoAddDrives();
    std::unique_ptr<NTFSDriveDB> openDrive(QChar drive, const CancelFlag *cancel);
    void publish(QChar drive, std::unique_ptr<NTFSDriveDB> db);
    std::unique_ptr<NTFSDriveDB> unpublish(QChar drive);

    DriveMap m_drives;
    std::shared_ptr<StringPool> m_pool;
    bool m_initialized = false;
    bool m_saved = false;
    std::unique_ptr<DriveConnectionNotifier> m_notifier;
    QList<QChar> m_localDrives;
    mutable QReadWriteLock m_lock;
    mutable QMutex m_countsMutex;
    IndexingSettings m_settings;
};
