#pragma once

#include "ui/IIndexControl.h"

class FileSearcher;

// The options dialog's view of the program's one searcher. The searcher
// must outlive this object.
class FileSearcherIndexControl : public IIndexControl
{
public:
    explicit FileSearcherIndexControl(FileSearcher &searcher);

    bool isSearching() override;
    bool isBusy() const override;
    IndexingSettings indexingSettings() const override;
    QMap<QChar, int> objectCounts() const override;
    QList<Volume> localVolumes() const override;
    void rebuild() override;

private:
    FileSearcher &m_searcher;
};
