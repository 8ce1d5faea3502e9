#pragma once

#include "platform/linux/IJournalReplaySource.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QStringList>

// A stand-in for the drive database: records by inode, changed by the
// monitor's reports (on its thread) and offered back to the replay.
class TreeModel : public QObject, public IJournalReplaySource
{
    Q_OBJECT
public:
    struct Record
    {
        FRN parent = 0;
        QString name;
        bool isFolder = false;
        bool operator==(const Record &o) const
        {
            return parent == o.parent && name == o.name && isFolder == o.isFolder;
        }
        bool operator!=(const Record &o) const { return !(*this == o); }
    };
    struct Event
    {
        char kind; // 'A'dded, 'R'enamed, 'D'eleted
        FRN frn;
        USN usn;
    };
    using Records = QHash<FRN, Record>;

    // What is on disk below `root` (not crossing mounts) as the enumeration
    // reports it: the root with parent 0 and its path as name.
    static Records scan(const QString &root);

    void reset(const Records &records)
    {
        QMutexLocker lock(&m_mutex);
        m_records.clear();
        m_children.clear();
        for (auto it = records.cbegin(); it != records.cend(); ++it)
            place(it.key(), it.value());
    }
    Records records() const
    {
        QMutexLocker lock(&m_mutex);
        return m_records;
    }
    QVector<Event> events() const
    {
        QMutexLocker lock(&m_mutex);
        return m_events;
    }
    void clearEvents()
    {
        QMutexLocker lock(&m_mutex);
        m_events.clear();
    }

    QVector<Entry> children(FRN folder) const override;
    // The names stay valid until the next call.
    std::vector<Folder> folders() const override;

public slots:
    void onFileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder, USN nextUsn);
    void onFileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder, USN nextUsn);
    void onFileDeleted(FRN frn, bool isFolder, USN nextUsn);

private:
    void place(FRN frn, const Record &record);
    void remove(FRN frn);

    mutable QMutex m_mutex;
    Records m_records;
    QHash<FRN, QSet<FRN>> m_children;
    QVector<Event> m_events;
    mutable std::vector<QByteArray> m_folderNames;
};
