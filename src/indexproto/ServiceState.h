#pragma once

#include "base/IndexingSettings.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QtGlobal>

#include <optional>

// What the service tells about its index: whether it is loading, ready or
// updating, the volumes it holds with their object counts, and the
// indexing settings in force (what a window shows in its index label and
// options page). The database folder is the service's own and not told.
struct ServiceState
{
    enum Phase : quint8 { Loading = 0, Ready = 1, Updating = 2 };

    struct Volume
    {
        QChar key;
        QByteArray mountPoint;
        quint64 objects = 0;
    };

    Phase phase = Loading;
    QList<Volume> volumes;
    IndexingSettings settings;

    // Whether `path` lies on a volume of the index, by its mount point.
    bool covers(const QByteArray &mountPoint) const;

    QByteArray encode() const;
    static std::optional<ServiceState> decode(const QByteArray &body);

    static QByteArray encodeSettings(const IndexingSettings &settings);
    static std::optional<IndexingSettings> decodeSettings(const QByteArray &body);
};
