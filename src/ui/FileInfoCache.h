#pragma once

#include "ui/BackgroundQueue.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>

// Size and times of one result as read from the file system.
struct FileStat
{
    bool exists = false; // false: the file vanished or cannot be read
    qint64 size = 0;
    QDateTime created;
    QDateTime modified;
    QDateTime accessed;
    // The texts of the table's cells, made where the stat is made so that
    // painting only copies them; empty until formatTexts().
    QString sizeText;
    QString createdText;
    QString modifiedText;
    QString accessedText;

    // One stat of `path`. Blocks on a slow mount: call it off the UI thread.
    static FileStat read(const QString &path);
    void formatTexts();
};

// Sizes and times of the rows of the results table, read off the UI thread
// for the rows that are asked for (those painted) and a few pages around
// them, and kept per row until the rows change.
//
// UI thread only; the reads run on a queue of their own.
class FileInfoCache : public QObject
{
    Q_OBJECT

public:
    // Full path of a row, asked on the UI thread when a read is queued.
    using PathOfRow = std::function<QString(int row)>;

    FileInfoCache(PathOfRow pathOfRow, QObject *parent = nullptr);

    // The row's record, or null when it is not read yet; then the row (and
    // the pages around it) is queued and rowsRead() follows.
    const FileStat *find(int row);
    // Forgets every record and drops the reads in flight: rows now mean
    // other files.
    void clear(int rowCount);

signals:
    // Records of the rows first..last have arrived (some may be missing).
    void rowsRead(int first, int last);

private:
    void readWanted();
    void store(const QVector<QPair<int, FileStat>> &records);

    PathOfRow m_pathOfRow;
    QHash<int, FileStat> m_records;
    QSet<int> m_inFlight;
    int m_wantedFirst = -1;
    int m_wantedLast = -1;
    int m_rowCount = 0;
    QTimer m_readTimer;
    BackgroundQueue m_queue;
};
