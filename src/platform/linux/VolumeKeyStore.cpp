#include "platform/linux/VolumeKeyStore.h"

#include "base/Logger.h"

#include <QSettings>

namespace {

const char kLetterOrder[] = "DEFGHIJKLMNOPQRSTUVWXYZAB";

} // namespace

VolumeKeyStore *VolumeKeyStore::instance()
{
    static VolumeKeyStore store;
    return &store;
}

void VolumeKeyStore::setSettings(QSettings *settings)
{
    QMutexLocker locker(&m_mutex);
    m_settings = settings;
    m_records.clear();
    load();
}

QChar VolumeKeyStore::keyFor(const QString &identity, const QString &mountPoint, bool isRootFileSystem,
                             const QSet<QString> &mounted)
{
    QMutexLocker locker(&m_mutex);
    for (Record &record : m_records) {
        if (record.identity != identity)
            continue;
        if (record.mountPoint != mountPoint) {
            record.mountPoint = mountPoint;
            save();
        }
        return record.letter;
    }
    const QChar letter = freeLetter(isRootFileSystem, mounted);
    if (letter.isNull()) {
        Logger::instance()->log(WARNING, "NTFSUtils",
                                QStringLiteral("No free key for the volume at %1").arg(mountPoint));
        return letter;
    }
    m_records.append(Record{letter, identity, mountPoint});
    save();
    return letter;
}

QString VolumeKeyStore::identityOf(QChar key) const
{
    QMutexLocker locker(&m_mutex);
    for (const Record &record : m_records) {
        if (record.letter == key.toUpper())
            return record.identity;
    }
    return QString();
}

QChar VolumeKeyStore::freeLetter(bool isRootFileSystem, const QSet<QString> &mounted)
{
    QSet<QChar> taken;
    for (const Record &record : m_records)
        taken.insert(record.letter);
    if (isRootFileSystem && !taken.contains(QLatin1Char('C')))
        return QLatin1Char('C');
    for (const char *c = kLetterOrder; *c; ++c) {
        if (!taken.contains(QLatin1Char(*c)))
            return QLatin1Char(*c);
    }
    // Records are kept in the order the letters were given: the first one
    // whose volume is absent has waited longest for its return.
    for (int i = 0; i < m_records.size(); ++i) {
        if (!mounted.contains(m_records.at(i).identity)) {
            const QChar letter = m_records.takeAt(i).letter;
            return letter;
        }
    }
    return QChar();
}

void VolumeKeyStore::load()
{
    if (!m_settings)
        return;
    const int size = m_settings->beginReadArray(QStringLiteral("Volumes"));
    for (int i = 0; i < size; ++i) {
        m_settings->setArrayIndex(i);
        const QString letter = m_settings->value(QStringLiteral("letter")).toString().toUpper();
        const QString identity = m_settings->value(QStringLiteral("uuid")).toString();
        const bool valid = letter.size() == 1 && letter.at(0) >= QLatin1Char('A')
            && letter.at(0) <= QLatin1Char('Z') && !identity.isEmpty();
        bool duplicate = false;
        for (const Record &record : qAsConst(m_records))
            duplicate = duplicate || (valid && record.letter == letter.at(0)) || record.identity == identity;
        if (valid && !duplicate)
            m_records.append(Record{letter.at(0), identity, m_settings->value(QStringLiteral("mountPoint")).toString()});
    }
    m_settings->endArray();
}

void VolumeKeyStore::save()
{
    if (!m_settings)
        return;
    m_settings->remove(QStringLiteral("Volumes"));
    m_settings->beginWriteArray(QStringLiteral("Volumes"), m_records.size());
    for (int i = 0; i < m_records.size(); ++i) {
        m_settings->setArrayIndex(i);
        m_settings->setValue(QStringLiteral("letter"), QString(m_records.at(i).letter));
        m_settings->setValue(QStringLiteral("uuid"), m_records.at(i).identity);
        m_settings->setValue(QStringLiteral("mountPoint"), m_records.at(i).mountPoint);
    }
    m_settings->endArray();
}
