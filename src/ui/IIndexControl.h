#pragma once

#include "base/IndexingSettings.h"

#include <QChar>
#include <QList>
#include <QMap>
#include <QString>

// What the options dialog needs of the index: its state, its settings and
// counts, the volumes it could cover, and a rebuild. The program hands it
// the searcher's (FileSearcherIndexControl); tests stand in for it.
// GUI thread only.
class IIndexControl
{
public:
    struct Volume
    {
        QChar key;          // upper-case volume key
        QString mountPoint;
        bool fixed = true;  // false for removable media
    };

    virtual ~IIndexControl() = default;

    virtual bool isSearching() = 0;
    // The index is being loaded or updated.
    virtual bool isBusy() const = 0;
    virtual IndexingSettings indexingSettings() const = 0;
    virtual QMap<QChar, int> objectCounts() const = 0;
    // The local volumes the index can cover, in key order.
    virtual QList<Volume> localVolumes() const = 0;
    // Builds every indexed volume again.
    virtual void rebuild() = 0;
};
