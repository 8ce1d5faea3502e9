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

// The first eight bytes of a text key as one number, in the order of the
// text (bytes compare unsigned; a shorter text is padded with zeros, below
// any byte of a longer one).
quint64 head(const std::string &text)
{
    quint64 value = 0;
    const std::size_t size = std::min<std::size_t>(text.size(), 8);
    for (std::size_t i = 0; i < 8; ++i)
        value = (value << 8) | (i < size ? quint64(static_cast<unsigned char>(text[i])) : 0);
    return value;
}

bool isTextColumn(int column)
{
    return column == FileSearchResults::Name || column == FileSearchResults::Path
           || column == FileSearchResults::Extension;
}

// Sorts rows [first, last) by their keys; stable, so equal keys keep their
// order in both directions. Text keys are told apart by their first eight
// bytes, held side by side, wherever those differ: the sort then seldom
// follows a key to its text, which costs a cache miss each time.
void sortRange(std::vector<int> &order, const std::vector<FileSearchResults::SortKey> &keys, int column, int first,
               int last, bool descending)
{
    if (!isTextColumn(column)) {
        std::stable_sort(order.begin() + first, order.begin() + last, [&](int a, int b) {
            const FileSearchResults::SortKey &left = keys[std::size_t(a)];
            const FileSearchResults::SortKey &right = keys[std::size_t(b)];
            return descending ? FileSearchResults::sortsBefore(column, right, left)
                              : FileSearchResults::sortsBefore(column, left, right);
        });
        return;
    }
    struct Entry
    {
        quint64 head;
        int row;
    };
    std::vector<Entry> entries;
    entries.reserve(std::size_t(last - first));
    for (int i = first; i < last; ++i)
        entries.push_back({head(keys[std::size_t(order[std::size_t(i)])].text), order[std::size_t(i)]});
    const auto before = [&keys](const Entry &a, const Entry &b) {
        if (a.head != b.head)
            return a.head < b.head;
        return keys[std::size_t(a.row)].text < keys[std::size_t(b.row)].text;
    };
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        return descending ? before(b, a) : before(a, b);
    });
    for (int i = first; i < last; ++i)
        order[std::size_t(i)] = entries[std::size_t(i - first)].row;
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
        std::vector<FileSearchResults::FileItem> rows;
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
            rows.reserve(std::size_t(total));
            // Taken in runs, each under one look of the results' lock.
            for (int start = 0; start < total; start += kRowsPerPoll) {
                if (context.canceled())
                    return;
                const int end = std::min(total, start + kRowsPerPoll);
                std::vector<FileSearchResults::FileItem> items =
                    start < folderCount ? results->itemsBetween(/*folders=*/true, start, std::min(end, folderCount))
                                        : std::vector<FileSearchResults::FileItem>();
                if (end > folderCount) {
                    const std::vector<FileSearchResults::FileItem> files = results->itemsBetween(
                        /*folders=*/false, std::max(start, folderCount) - folderCount, end - folderCount);
                    items.insert(items.end(), files.cbegin(), files.cend());
                }
                for (const FileSearchResults::FileItem &item : items) {
                    if (readsFileSystem)
                        paths.append(FileSearchResults::fullPath(item));
                    else
                        keys.push_back(FileSearchResults::sortKey(column, item));
                }
                rows.insert(rows.end(), items.cbegin(), items.cend());
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
        // Put in order here: on the UI thread, gathering many rows from all
        // over memory stalled the window.
        const int folders = std::min(folderCount, total);
        QVector<FileSearchResults::FileItem> sortedFolders;
        QVector<FileSearchResults::FileItem> sortedFiles;
        sortedFolders.reserve(folders);
        sortedFiles.reserve(total - folders);
        for (int i = 0; i < total; ++i)
            (i < folders ? sortedFolders : sortedFiles).append(rows[std::size_t(order[std::size_t(i)])]);
        if (!context.canceled())
            context.reply([this, sortedFolders = std::move(sortedFolders), sortedFiles = std::move(sortedFiles)] {
                finish(sortedFolders, sortedFiles);
            });
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

void FileSorter::finish(const QVector<FileSearchResults::FileItem> &folders,
                        const QVector<FileSearchResults::FileItem> &files)
{
    m_running = false;
    emit sorted(folders, files);
}
