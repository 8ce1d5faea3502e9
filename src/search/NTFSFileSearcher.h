#pragma once

#include "base/IndexingSettings.h"
#include "base/IndexTypes.h"
#include "search/IIndexSearcher.h"

#include <QChar>
#include <QMap>
#include <QObject>

#include <memory>

class FileSearchRequest;
class FileSearchResults;
class NTFSDB;

// The search engine's view of the file index: owns the index manager and
// says which index operation each engine call means. init() and update()
// run on the searcher's "INIT" and "UPDATE" threads and return soon after
// their stop flag is set; search() runs on "FIND" threads under the index's
// own read locks; the rest may be called from the UI thread at any time.
class NTFSFileSearcher : public QObject, public IIndexSearcher
{
    Q_OBJECT
public:
    explicit NTFSFileSearcher(QObject *parent = nullptr);
    ~NTFSFileSearcher() override;

    void init(const CancelFlag *stop, const IndexingSettings &settings);
    // Builds every indexed volume's database again from the volume.
    void update(const CancelFlag *stop);
    // Stores new settings and adds or drops volumes to match them.
    void update(const CancelFlag *stop, const IndexingSettings &settings);
    // Raises FileSearchCancelException when the request is canceled.
    void search(FileSearchRequest &request, FileSearchResults &results) override;
    bool covers(const QString &path) const override;
    bool isIndexed(QChar drive) const;
    IndexingSettings indexingSettings() const;
    // Folder plus file records per volume key.
    void objectCounts(QMap<QChar, int> &counts) const;
    // Saves the index now; see NTFSDB::saveAll().
    void saveIndex();
    // Saves the index while it goes on following changes; see NTFSDB::checkpointAll().
    void checkpointIndex();
    quint64 changeCount() const;

signals:
    void updateStarted();
    void updateFinished();
    void saveFailed(QChar drive, const QString &reason);

private:
    std::unique_ptr<NTFSDB> m_db;
};
