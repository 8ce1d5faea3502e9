#include "index/DriveConnectionNotifier.h"

#include "base/Logger.h"
#include "platform/linux/MountTableWatcher.h"
#include "platform/linux/NTFSUtils.h"

#include <QSocketNotifier>

#include <algorithm>

namespace {
const char kComponent[] = "DriveConnectionNotifier";

QString joined(const QList<QChar> &keys)
{
    QString text;
    for (QChar key : keys)
        text += key;
    return text;
}
} // namespace

DriveConnectionNotifier::DriveConnectionNotifier(QObject *parent)
    : QObject(parent)
{
}

DriveConnectionNotifier::~DriveConnectionNotifier() = default;

void DriveConnectionNotifier::start()
{
    m_notifier.reset();
    m_watcher = std::make_unique<MountTableWatcher>();
    m_known = currentKeys();
    if (!m_watcher->isValid()) {
        Logger::instance()->log(ERROR, kComponent, "Can't watch the mount table");
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_watcher->descriptor(), QSocketNotifier::Exception);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &DriveConnectionNotifier::checkVolumes);
}

QList<QChar> DriveConnectionNotifier::currentKeys()
{
    QList<QChar> keys;
    for (const VolumeInfo &volume : mountedVolumes()) {
        if (!volume.key.isNull() && !keys.contains(volume.key))
            keys << volume.key;
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

void DriveConnectionNotifier::checkVolumes()
{
    const QList<QChar> now = currentKeys();
    QList<QChar> connected;
    QList<QChar> disconnected;
    for (QChar key : now) {
        if (!m_known.contains(key))
            connected << key;
    }
    for (QChar key : qAsConst(m_known)) {
        if (!now.contains(key))
            disconnected << key;
    }
    m_known = now;
    if (!connected.isEmpty()) {
        Logger::instance()->log(DEBUG, kComponent, QStringLiteral("Drive connected: ") + joined(connected));
        for (QChar key : qAsConst(connected))
            emit driveConnected(key);
    }
    if (!disconnected.isEmpty()) {
        Logger::instance()->log(DEBUG, kComponent, QStringLiteral("Drive disconnected: ") + joined(disconnected));
        for (QChar key : qAsConst(disconnected))
            emit driveDisconnected(key);
    }
}
