#pragma once

#include "ui/BackgroundQueue.h"

#include <QObject>

#include <memory>
#include <mutex>
#include <vector>

class FileSearchResults;

// Sorts the visible rows of a result set on a thread of its own: by size or
// one of the times, which must be read from the file system, or by a column
// kept in memory when the rows are many. The result set itself is reordered
// on the UI thread when the order is known.
//
// UI thread only. While a sort runs, the result set may be read but not
// changed or deleted without calling cancel() first.
class FileSorter : public QObject
{
    Q_OBJECT

public:
    explicit FileSorter(QObject *parent = nullptr);
    ~FileSorter() override;

    void start(const FileSearchResults *results, int column, bool descending);
    // Stops the sort; once it returns the worker no longer reads the result
    // set (it may still wait for one file's data or finish ordering keys it
    // has copied, which it then drops).
    void cancel();
    bool isRunning() const { return m_running; }

signals:
    void progress(int done, int total);
    // New row i is the previous row order[i], over the first `folders`
    // folders and the files that were there when the sort began (a search
    // may have added more since); emitted unless cancelled.
    void sorted(const std::vector<int> &order, int folders);

private:
    void finish(const std::vector<int> &order, int folders);

    std::shared_ptr<std::mutex> m_readingResults;
    bool m_running = false;
    BackgroundQueue m_queue;
};
