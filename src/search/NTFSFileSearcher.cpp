#include "search/NTFSFileSearcher.h"

#include "index/NTFSDB.h"
#include "platform/linux/NTFSUtils.h"

NTFSFileSearcher::NTFSFileSearcher(QObject *parent)
    : QObject(parent)
    , m_db(std::make_unique<NTFSDB>())
{
    connect(m_db.get(), &NTFSDB::updateStarted, this, &NTFSFileSearcher::updateStarted);
    connect(m_db.get(), &NTFSDB::updateFinished, this, &NTFSFileSearcher::updateFinished);
    connect(m_db.get(), &NTFSDB::saveFailed, this, &NTFSFileSearcher::saveFailed);
}

NTFSFileSearcher::~NTFSFileSearcher() = default;

void NTFSFileSearcher::saveIndex()
{
    m_db->saveAll();
}

void NTFSFileSearcher::init(const CancelFlag *stop, const IndexingSettings &settings)
{
    m_db->init(settings, stop);
}

void NTFSFileSearcher::update(const CancelFlag *stop)
{
    m_db->rebuild(stop);
}

void NTFSFileSearcher::update(const CancelFlag *stop, const IndexingSettings &settings)
{
    m_db->setSettings(settings, stop);
}

void NTFSFileSearcher::search(FileSearchRequest &request, FileSearchResults &results)
{
    m_db->search(request, results);
}

bool NTFSFileSearcher::covers(const QString &path) const
{
    // A path on no volume (a pseudo file system) has a null key: never indexed.
    const QChar key = path.isEmpty() ? QChar() : volumeOfPath(path).key;
    return !key.isNull() && isIndexed(key);
}

void NTFSFileSearcher::checkpointIndex()
{
    m_db->checkpointAll();
}

quint64 NTFSFileSearcher::changeCount() const
{
    return m_db->changeCount();
}

bool NTFSFileSearcher::isIndexed(QChar drive) const
{
    return m_db->isIndexed(drive.toUpper());
}

IndexingSettings NTFSFileSearcher::indexingSettings() const
{
    return m_db->indexingSettings();
}

void NTFSFileSearcher::objectCounts(QMap<QChar, int> &counts) const
{
    counts = m_db->driveFileCounts();
}
