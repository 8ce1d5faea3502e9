#include "index/NTFSDB.h"

#include "base/FileSearchCancelException.h"
#include "base/Logger.h"
#include "index/DriveConnectionNotifier.h"
#include "index/NTFSDriveDB.h"
#include "platform/linux/NTFSUtils.h"
#include "strings/StringPool.h"

#include <QFile>

namespace {

const char kComponent[] = "NTFSDB";

void log(int level, const QString &message)
{
    Logger::instance()->log(level, kComponent, message);
}

QStringList keysText(const QList<QChar> &keys)
{
    QStringList text;
    for (QChar key : keys)
        text << QString(key);
    return text;
}

} // namespace

NTFSDB::NTFSDB(QObject *parent)
    : QObject(parent)
    , m_pool(std::make_shared<StringPool>())
    , m_notifier(std::make_unique<DriveConnectionNotifier>())
{
    connect(m_notifier.get(), &DriveConnectionNotifier::driveConnected, this, &NTFSDB::onDriveConnected);
    connect(m_notifier.get(), &DriveConnectionNotifier::driveDisconnected, this, &NTFSDB::onDriveDisconnected);
    m_notifier->start();
}

NTFSDB::~NTFSDB()
{
    for (auto &drive : m_drives)
        drive.second->stopMonitor();
    saveAll();
    QMutexLocker counts(&m_countsMutex);
    m_drives.clear();
}

void NTFSDB::saveAll()
{
    QWriteLocker lock(&m_lock);
    // A loading that was stopped half-way has nothing worth keeping.
    if (m_saved || !m_initialized)
        return;
    m_saved = true;
    saveEach(&NTFSDriveDB::save);
}

void NTFSDB::checkpointAll()
{
    QReadLocker lock(&m_lock);
    if (m_saved || !m_initialized)
        return;
    saveEach(&NTFSDriveDB::checkpoint);
}

// The caller holds m_lock.
void NTFSDB::saveEach(void (NTFSDriveDB::*save)())
{
    for (auto &drive : m_drives) {
        // Thrown out of a destructor this would end the process; one volume
        // that cannot be saved must not cost the others their files.
        try {
            (drive.second.get()->*save)();
        } catch (const std::exception &e) {
            const QString reason = QString::fromUtf8(e.what());
            log(ERROR, QStringLiteral("Saving drive %1 failed: %2").arg(drive.first).arg(reason));
            emit saveFailed(drive.first, reason);
        }
    }
}

quint64 NTFSDB::changeCount() const
{
    QMutexLocker counts(&m_countsMutex);
    quint64 sum = 0;
    for (const auto &entry : m_drives)
        sum += entry.second->changeCount();
    return sum;
}

void NTFSDB::init(const IndexingSettings &settings, const CancelFlag *cancel)
{
    m_settings = settings;
    m_localDrives = localNtfsDrives();
    log(INFO, QStringLiteral("Local NTFS drives: %1").arg(keysText(m_localDrives).join(QStringLiteral(", "))));
    updateDrives(cancel);
    m_initialized = true;
}

void NTFSDB::setSettings(const IndexingSettings &settings, const CancelFlag *cancel)
{
    m_settings = settings;
    updateDrives(cancel);
}

void NTFSDB::autoAddDrives()
{
    for (QChar drive : qAsConst(m_localDrives)) {
        if (m_settings.indexDrives.contains(drive) || m_settings.noIndexDrives.contains(drive))
            continue;
        const bool fixed = isFixedDrive(drive);
        if ((m_settings.autoAddFixed && fixed) || (m_settings.autoAddRemovable && !fixed)) {
            log(INFO, QStringLiteral("Adding drive %1 to index").arg(drive));
            m_settings.indexDrives.append(drive);
        }
    }
}

void NTFSDB::updateDrives(const CancelFlag *cancel)
{
    autoAddDrives();
    QList<QChar> toAdd;
    QList<QChar> toRemove;
    QList<QChar> toDrop;
    {
        QReadLocker lock(&m_lock);
        for (QChar drive : qAsConst(m_settings.indexDrives)) {
            if (!m_drives.count(drive.toUpper()))
                toAdd << drive;
        }
        for (const auto &entry : m_drives) {
            if (!m_localDrives.contains(entry.first) || !m_settings.indexDrives.contains(entry.first))
                toRemove << entry.first;
        }
        for (QChar drive : qAsConst(m_settings.noIndexDrives)) {
            if (m_drives.count(drive.toUpper()))
                toDrop << drive;
        }
    }
    if (!toAdd.isEmpty() || !toRemove.isEmpty() || !toDrop.isEmpty())
        applyDriveChanges(toAdd, toRemove, toDrop, cancel);
    {
        QReadLocker lock(&m_lock);
        for (auto &entry : m_drives)
            entry.second->setIndexingSettings(m_settings);
    }
    for (QChar drive : qAsConst(m_localDrives)) {
        if (!m_settings.indexDrives.contains(drive))
            QFile::remove(NTFSDriveDB::databaseFilePath(m_settings.dbPath, drive));
    }
}

std::unique_ptr<NTFSDriveDB> NTFSDB::openDrive(QChar drive, const CancelFlag *cancel)
{
    // A volume that cannot be monitored or read is left out with a message;
    // the other volumes keep their index. Cancellation still ends the update.
    try {
        auto db = std::make_unique<NTFSDriveDB>(drive, m_pool, m_settings);
        db->loadOrCreate(cancel);
        return db;
    } catch (const FileSearchCancelException &) {
        throw;
    } catch (const std::exception &e) {
        log(ERROR, QStringLiteral("Drive %1 can't be indexed: %2").arg(drive).arg(QString::fromUtf8(e.what())));
        return nullptr;
    }
}

void NTFSDB::publish(QChar drive, std::unique_ptr<NTFSDriveDB> db)
{
    QMutexLocker counts(&m_countsMutex);
    m_drives[drive] = std::move(db);
}

std::unique_ptr<NTFSDriveDB> NTFSDB::unpublish(QChar drive)
{
    QMutexLocker counts(&m_countsMutex);
    const auto it = m_drives.find(drive);
    if (it == m_drives.end())
        return nullptr;
    std::unique_ptr<NTFSDriveDB> db = std::move(it->second);
    m_drives.erase(it);
    return db;
}

void NTFSDB::applyDriveChanges(const QList<QChar> &toAdd, const QList<QChar> &toRemove, const QList<QChar> &toDrop,
                               const CancelFlag *cancel)
{
    QWriteLocker lock(&m_lock);
    emit updateStarted();
    for (QChar key : toAdd) {
        const QChar drive = key.toUpper();
        if (!m_localDrives.contains(drive))
            continue;
        if (std::unique_ptr<NTFSDriveDB> db = openDrive(drive, cancel))
            publish(drive, std::move(db));
    }
    for (QChar key : toRemove) {
        if (std::unique_ptr<NTFSDriveDB> db = unpublish(key.toUpper()))
            db->save();
    }
    for (QChar key : toDrop)
        unpublish(key.toUpper());
    emit updateFinished();
}

void NTFSDB::rebuild(const CancelFlag *cancel)
{
    QWriteLocker lock(&m_lock);
    QList<QChar> drives;
    for (const auto &entry : m_drives)
        drives << entry.first;
    for (QChar drive : qAsConst(drives)) {
        std::unique_ptr<NTFSDriveDB> db = unpublish(drive);
        db->save();
        QFile::remove(db->databaseFilePath());
    }
    for (QChar drive : qAsConst(drives)) {
        if (std::unique_ptr<NTFSDriveDB> db = openDrive(drive, cancel))
            publish(drive, std::move(db));
    }
}

void NTFSDB::search(FileSearchRequest &request, FileSearchResults &results)
{
    QReadLocker lock(&m_lock);
    for (auto &entry : m_drives)
        entry.second->search(request, results);
}

QMap<QChar, int> NTFSDB::driveFileCounts() const
{
    QMutexLocker counts(&m_countsMutex);
    QMap<QChar, int> result;
    for (const auto &entry : m_drives)
        result.insert(entry.first, entry.second->fileCount());
    return result;
}

bool NTFSDB::isIndexed(QChar drive) const
{
    QMutexLocker counts(&m_countsMutex);
    return m_drives.count(drive.toUpper()) != 0;
}

void NTFSDB::onDriveConnected(QChar driveLetter)
{
    const QChar drive = driveLetter.toUpper();
    log(INFO, QStringLiteral("Drive %1 connected").arg(drive));
    // Only volumes the index can read and monitor take part; anything else
    // (vfat sticks, network shares, bind mounts) is searched by walking.
    if (!isNtfsVolume(drive) || isRemoteDrive(drive) || isSubstDrive(drive))
        return;
    m_localDrives.append(drive);
    updateDrives(nullptr);
}

void NTFSDB::onDriveDisconnected(QChar driveLetter)
{
    const QChar drive = driveLetter.toUpper();
    log(INFO, QStringLiteral("Drive %1 disconnected").arg(drive));
    m_localDrives.removeOne(drive);
    updateDrives(nullptr);
}
