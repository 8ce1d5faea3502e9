#include "ui/FileSearcherIndexControl.h"

#include "base/Logger.h"
#include "platform/linux/NTFSUtils.h"
#include "indexproto/ServiceState.h"
#include "search/FileSearcher.h"
#include "session/IndexServiceAdmin.h"

#include <QFile>

#include <exception>

FileSearcherIndexControl::FileSearcherIndexControl(FileSearcher &searcher, IndexServiceAdmin &admin)
    : m_searcher(searcher)
    , m_admin(admin)
{
}

bool FileSearcherIndexControl::isSearching()
{
    return m_searcher.isSearching();
}

bool FileSearcherIndexControl::isBusy() const
{
    return m_searcher.isBusy();
}

IndexingSettings FileSearcherIndexControl::indexingSettings() const
{
    return m_searcher.indexingSettings();
}

QMap<QChar, int> FileSearcherIndexControl::objectCounts() const
{
    QMap<QChar, int> counts;
    m_searcher.objectCounts(counts);
    return counts;
}

// Reads only /proc/self/mountinfo and /sys, which the kernel answers from
// memory, so this may run on the GUI thread.
QList<IIndexControl::Volume> FileSearcherIndexControl::localVolumes() const
{
    QList<Volume> volumes;
    if (isService()) {
        // The service's keys: its settings name volumes by them.
        for (const ServiceState::Volume &volume : m_searcher.indexServiceState().available) {
            const QString mountPoint = QFile::decodeName(volume.mountPoint);
            const VolumeInfo local = volumeOfPath(mountPoint);
            volumes.append({volume.key, mountPoint, !local.isValid() || isFixedDrive(local.key), local.fsType});
        }
        return volumes;
    }
    try {
        for (QChar key : localNtfsDrives()) {
            const VolumeInfo info = volumeInfo(key);
            volumes.append({key, info.mountPoint, isFixedDrive(key), info.fsType});
        }
    } catch (const std::exception &e) {
        Logger::instance()->log(ERROR, "OptionsDialog",
                                QStringLiteral("Volumes can't be listed: %1").arg(QString::fromUtf8(e.what())));
    }
    return volumes;
}

void FileSearcherIndexControl::rebuild()
{
    if (isService())
        m_admin.requestAsRoot(IndexServiceAdmin::rebuildArguments());
    else
        m_searcher.update();
}

bool FileSearcherIndexControl::isService() const
{
    return m_searcher.usesIndexService();
}

bool FileSearcherIndexControl::isServiceRunning() const
{
    return m_searcher.isIndexServiceAvailable();
}

void FileSearcherIndexControl::applyServiceSettings(const IndexingSettings &settings)
{
    m_admin.requestAsRoot(IndexServiceAdmin::settingsArguments(settings));
}

void FileSearcherIndexControl::setServiceEnabled(bool on)
{
    m_admin.requestAsRoot(IndexServiceAdmin::enableArguments(on));
}
