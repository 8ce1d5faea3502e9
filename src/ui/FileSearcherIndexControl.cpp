#include "ui/FileSearcherIndexControl.h"

#include "base/Logger.h"
#include "platform/linux/NTFSUtils.h"
#include "search/FileSearcher.h"

#include <exception>

FileSearcherIndexControl::FileSearcherIndexControl(FileSearcher &searcher)
    : m_searcher(searcher)
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
    try {
        for (QChar key : localNtfsDrives())
            volumes.append({key, volumeInfo(key).mountPoint, isFixedDrive(key)});
    } catch (const std::exception &e) {
        Logger::instance()->log(ERROR, "OptionsDialog",
                                QStringLiteral("Volumes can't be listed: %1").arg(QString::fromUtf8(e.what())));
    }
    return volumes;
}

void FileSearcherIndexControl::rebuild()
{
    m_searcher.update();
}
