#pragma once

#include <QChar>
#include <QList>
#include <QMutex>
#include <QSet>
#include <QString>

class QSettings;

// The one-character keys of volumes, given once per file-system identity and
// remembered in the settings store as the array "Volumes" ("letter", "uuid",
// "mountPoint"), so a volume keeps its key across restarts, remounts and new
// mount points. Thread-safe.
class VolumeKeyStore
{
public:
    VolumeKeyStore() = default;
    VolumeKeyStore(const VolumeKeyStore &) = delete;
    VolumeKeyStore &operator=(const VolumeKeyStore &) = delete;

    // The store used by the volume functions of the index.
    static VolumeKeyStore *instance();

    // Loads the remembered keys from `settings` and writes every new one
    // there. The caller keeps ownership and keeps it alive while set;
    // nullptr keeps keys in memory only.
    void setSettings(QSettings *settings);

    // The key of a file system, assigned now if it has none: "C" for the root
    // file system when it is free, else the first free letter from "D" to "Z",
    // then "A" and "B". When all are taken, the longest-held letter of a
    // volume that is not in `mounted` is handed on. Null when none can be.
    QChar keyFor(const QString &identity, const QString &mountPoint, bool isRootFileSystem,
                 const QSet<QString> &mounted);
    // The identity holding `key`, empty when none.
    QString identityOf(QChar key) const;

private:
    struct Record
    {
        QChar letter;
        QString identity;
        QString mountPoint;
    };

    QChar freeLetter(bool isRootFileSystem, const QSet<QString> &mounted);
    void load();
    void save();

    mutable QMutex m_mutex;
    QSettings *m_settings = nullptr;
    QList<Record> m_records; // in the order the letters were given
};
