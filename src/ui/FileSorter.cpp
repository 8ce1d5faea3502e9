#include "ui/FileSorter.h"

#include "query/FileSearchResults.h"
#include "ui/FileInfoCache.h"

#include <QString>
#include <QVector>

#include <algorithm>

namespace {

// Rows between two looks at the cancel flag and between two progress reports.
const int kRowsPerPoll = 1024;
const int kRowsPerReport = 2000;

qint64 timeKey(const QDateTime &time)
{
    return time.isValid() ? time.toMSecsSinceEpoch() : -1;
}

// The sort key of one file; -1 when it is gone, so vanished files come first.
qint64 fileSystemKey(int column, const FileStat &stat)
{
    if (!stat.exists)
        return -1;
    switch (column) {
    case FileSearchResults::Size:
        return stat.size;
    case FileSearchResults::Created:
        return timeKey(stat.created);
    case FileSearchResults::Modified:
        return timeKey(stat.modified);
    default:
        return timeKey(stat.accessed);
    }
}

// Sorts rows [first, last) by their keys; stable, so equal keys keep their
// order in both directions.
void sortRange(std::vector<int> &order, const std::vector<FileSearchResults::SortKey> &keys, int column, int first,
               int last, bool descending)
{
    std::stable_sort(order.begin() + first, order.begin() + last, [&](int a, int b) {
        const FileSearchResults::SortKey &left = keys[std::size_t(a)];
        const FileSearchResults::SortKey &right = keys[std::size_t(b)];
        return descending ? FileSearchResults::sortsBefore(column, right, left)
                          : FileSearchResults::sortsBefore(column, left, right);
    });
}

} // namespace

FileSorter::FileSorter(QObject *parent)
    : QObject(parent)
    , m_readingResults(std::make_shared<std::mutex>())
    , m_queue(this)
{
}

FileSorter::~FileSorter()
{
    cancel();
}

void FileSorter::start(const FileSearchResults *results, int column, bool descending)
{
    cancel();
    m_running = true;
    m_queue.run([this, results, column, descending, lock = m_readingResults](const BackgroundQueue::Context &context) {
        const bool readsFileSystem = FileSearchResults::readsFileSystem(column);
        // What is needed of the rows first (their keys, or the paths whose
        // data gives them), under the lock that cancel() takes: after that
        // the result set is not touched again, however long the disk or the
        // ordering takes.
        std::vector<FileSearchResults::SortKey> keys;
        QVector<QString> paths;
        int folderCount = 0;
        {
            std::lock_guard<std::mutex> reading(*lock);
            if (context.canceled())
                return;
            // By index into the folders and the files: a search still adding
            // moves row numbers, not these.
            folderCount = results->folderCount();
            const int total = folderCount + results->fileCount();
            if (readsFileSystem)
                paths.reserve(total);
            else
                keys.reserve(std::size_t(total));
            for (int i = 0; i < total; ++i) {
                if (i % kRowsPerPoll == 0 && context.canceled())
                    return;
                const FileSearchResults::FileItem item =
                    i < folderCount ? results->folderItem(i) : results->fileItem(i - folderCount);
                if (readsFileSystem)
                    paths.append(FileSearchResults::fullPath(item));
                else
                    keys.push_back(FileSearchResults::sortKey(column, item));
            }
        }
        if (readsFileSystem) {
            keys.resize(std::size_t(paths.size()));
            for (int row = 0; row < paths.size(); ++row) {
                if (context.canceled())
                    return;
                keys[std::size_t(row)].number = fileSystemKey(column, FileStat::read(paths.at(row)));
                if ((row + 1) % kRowsPerReport == 0)
                    context.reply([this, row, total = paths.size()] { emit progress(row + 1, total); });
            }
        }
        const int total = int(keys.size());
        std::vector<int> order(static_cast<std::size_t>(total));
        for (int row = 0; row < total; ++row)
            order[std::size_t(row)] = row;
        sortRange(order, keys, column, 0, folderCount, descending);
        sortRange(order, keys, column, folderCount, total, descending);
        if (!context.canceled())
            context.reply([this, order = std::move(order), folderCount] { finish(order, folderCount); });
    });
}

void FileSorter::cancel()
{
    m_running = false;
    m_queue.cancelAll();
    // Waits for the worker to leave the result set: it polls the flag at
    // least every kRowsPerPoll rows while it holds the lock.
    std::lock_guard<std::mutex> waitForReader(*m_readingResults);
}

void FileSorter::finish(const std::vector<int> &order, int folders)
{
    m_running = false;
    emit sorted(order, folders);
}
