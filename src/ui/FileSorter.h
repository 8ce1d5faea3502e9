#pragma once

#include "query/FileSearchResults.h"
#include "ui/BackgroundQueue.h"

#include <QObject>
#include <QTimer>
#include <QVector>

#include <memory>
#include <mutex>
#include <vector>

// Sorts the visible rows of a result set on a thread of its own: by size or
// one of the times, which must be read from the file system, or by a column
// kept in memory when the rows are many. The rows are also put in their new
// order there; the UI thread only puts them in place.
//
// UI thread only. While a sort runs, the result set may be read but not
// changed or deleted without calling cancel() first.
class FileSorter : public QObject
{
    Q_OBJECT

public:
    // From this many rows a sort by text is shared by two threads.
    static constexpr int kRowsForTwoThreads = 50000;
    static constexpr int kScratchKeptMs = 20000;

    explicit FileSorter(QObject *parent = nullptr);
    ~FileSorter() override;

    void start(const FileSearchResults *results, int column, bool descending);
    // Stops the sort; once it returns the worker no longer reads the result
    // set (it may still wait for one file's data or finish ordering the rows
    // it has read, whose names it keeps alive, and then drops them).
    void cancel();
    bool isRunning() const { return m_running; }

signals:
    void progress(int done, int total);
    // The visible folders and files that were there when the sort began (a
    // search may have added more since), in their new order; emitted unless
    // cancelled. For FileSearchResults::placeSorted().
    void sorted(const QVector<FileSearchResults::FileItem> &folders, const QVector<FileSearchResults::FileItem> &files);

private:
    void finish(const QVector<FileSearchResults::FileItem> &folders, const QVector<FileSearchResults::FileItem> &files);

    std::shared_ptr<std::mutex> m_readingResults;
    bool m_running = false;
    BackgroundQueue m_queue;
    // The arrays of the last sort are kept while sorts follow each other
    // (search as you type), and given back once none has come for a while.
    QTimer m_releaseScratch;
};
