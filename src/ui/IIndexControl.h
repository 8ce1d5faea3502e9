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
        QString fsType;     // "ext4", "ntfs3", "btrfs"...
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

    // The index is the index service's, not this process's: its settings
    // are changed by asking the service (as root), not in this user's
    // settings file.
    virtual bool isService() const { return false; }
    // The index service answers now.
    virtual bool isServiceRunning() const { return false; }
    // Hands new settings to the index service (isService() only).
    virtual void applyServiceSettings(const IndexingSettings &settings) { Q_UNUSED(settings) }
    // Turns the index service on or off for the whole machine.
    virtual void setServiceEnabled(bool on) { Q_UNUSED(on) }
};
