#pragma once

#include "ui/IIndexControl.h"

class FileSearcher;
class IndexServiceAdmin;

// The options dialog's view of the program's one searcher. The searcher
// and `admin`, which asks for root's rights where the index service must
// change, must outlive this object.
class FileSearcherIndexControl : public IIndexControl
{
public:
    FileSearcherIndexControl(FileSearcher &searcher, IndexServiceAdmin &admin);

    bool isSearching() override;
    bool isBusy() const override;
    IndexingSettings indexingSettings() const override;
    QMap<QChar, int> objectCounts() const override;
    QList<Volume> localVolumes() const override;
    void rebuild() override;
    bool isService() const override;
    bool isServiceRunning() const override;
    void applyServiceSettings(const IndexingSettings &settings) override;
    void setServiceEnabled(bool on) override;

private:
    FileSearcher &m_searcher;
    IndexServiceAdmin &m_admin;
};
