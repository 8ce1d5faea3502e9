#pragma once

#include "query/FileSearchResults.h"
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
// them. They are kept per item, not per row, so rows that arrive, sorts and
// filters keep what was read.
//
// UI thread only; the reads run on a queue of their own.
class FileInfoCache : public QObject
{
    Q_OBJECT

public:
    // The item of a row as the table shows it, asked on the UI thread.
    using ItemOfRow = std::function<FileSearchResults::FileItem(int row)>;

    FileInfoCache(ItemOfRow itemOfRow, QObject *parent = nullptr);

    // The row's record, or null when it is not read yet; then the row (and
    // the pages around it) is queued and rowsRead() follows.
    const FileStat *find(int row);
    void setRowCount(int rowCount);
    // Forgets every record and drops the reads in flight: the items of
    // another result set may lie where these lay.
    void clear();

signals:
    // Records of the rows first..last have arrived (some may be missing).
    void rowsRead(int first, int last);

private:
    // The item's pooled name and folder: unique to it within its result set.
    using Key = QPair<const char *, const char *>;
    struct Record
    {
        int row; // when it was asked for
        Key key;
        FileStat stat;
    };
    static Key keyOf(const FileSearchResults::FileItem &item) { return {item.name, item.path}; }

    void readWanted();
    void store(const QVector<Record> &records);

    ItemOfRow m_itemOfRow;
    QHash<Key, FileStat> m_records;
    QSet<Key> m_inFlight;
    int m_wantedFirst = -1;
    int m_wantedLast = -1;
    int m_rowCount = 0;
    QTimer m_readTimer;
    BackgroundQueue m_queue;
};
