#pragma once

#include "platform/linux/NTFSUtils.h"
#include "support/LoopMount.h"

// A fresh file system (or "btrfs-subvolume") on a loop device, known by the key this program gives it.
class TestVolume : public LoopMount
{
public:
    using LoopMount::LoopMount;

    bool isReady() const { return isMounted() && !key().isNull(); }
    QString skipReason() const { return isMounted() ? QStringLiteral("no volume key") : LoopMount::skipReason(); }
    QString root() const { return mountPoint(); }
    QString path(const QString &relative) const { return mountPoint() + QLatin1Char('/') + relative; }
    QChar key() const { return volumeOfPath(mountPoint()).key; }
};
