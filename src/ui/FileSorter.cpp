#include "ui/FileSorter.h"

#include "index/TwoThreads.h"
#include "platform/linux/HugePages.h"
#include "query/FileSearchResults.h"
#include "ui/FileInfoCache.h"

#include <QString>
#include <QVector>

#include <algorithm>
#include <array>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace {

// The arrays of a sort of many rows are many megabytes, written once: on
// huge pages they cost a page fault per 2 MiB instead of one per 4 KiB.
template <class T>
using SortArray = std::vector<T, HugePageAllocator<T>>;

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

bool isTextColumn(int column)
{
    return column == FileSearchResults::Name || column == FileSearchResults::Path
           || column == FileSearchResults::Extension;
}

unsigned char foldAscii(char c)
{
    return static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c);
}

// Eight folded bytes of a text from byte `from` on as one number, in the
// order of the text (bytes compare unsigned; a shorter text is padded with
// zeros, below any byte of a longer one). The text has no end before `from`.
quint64 foldedHead(const char *text, std::size_t from)
{
    text += from;
    quint64 value = 0;
    int i = 0;
    for (; i < 8 && text[i]; ++i)
        value = (value << 8) | foldAscii(text[i]);
    for (; i < 8; ++i)
        value <<= 8;
    return value;
}

// The texts of a text sort, by row: a name or path as it is where that is
// ASCII (the comparisons fold its letters), otherwise its full folding, as
// the results' own sort makes it; and their first sixteen folded bytes, taken
// while the text is at hand.
struct TextKeys
{
    SortArray<const char *> texts;
    SortArray<quint64> heads;
    SortArray<quint64> nextHeads; // bytes 8 to 15, where ties mostly end
    std::deque<std::string> folded;

    void reserve(std::size_t count)
    {
        texts.reserve(count);
        heads.reserve(count);
        nextHeads.reserve(count);
    }

    void clear()
    {
        texts.clear();
        heads.clear();
        nextHeads.clear();
        folded.clear();
    }

    void add(int column, const FileSearchResults::FileItem &item)
    {
        const char *text = column == FileSearchResults::Name ? item.name
                           : column == FileSearchResults::Path ? item.path
                                                               : nullptr;
        std::size_t length = 0;
        bool ascii = text != nullptr;
        for (; text && text[length]; ++length)
            ascii &= static_cast<unsigned char>(text[length]) < 0x80;
        if (!ascii) {
            folded.push_back(FileSearchResults::sortKey(column, item).text);
            text = folded.back().c_str();
            length = folded.back().size();
        }
        texts.push_back(text);
        heads.push_back(foldedHead(text, 0));
        nextHeads.push_back(length >= 8 ? foldedHead(text, 8) : 0);
    }

    // The eight folded bytes of row `row`'s text from byte `from` on.
    quint64 head(std::size_t row, std::size_t from) const
    {
        return from == 0 ? heads[row] : from == 8 ? nextHeads[row] : foldedHead(texts[row], from);
    }

    std::size_t size() const { return texts.size(); }
};

struct HeadEntry
{
    quint64 head;
    int row;
};

// Below this many entries a radix pass costs more than comparing them.
constexpr std::size_t kRadixFrom = 64;

// Orders entries by head a byte at a time from the lowest, each pass stable:
// entries with equal heads keep their order.
void radixSortByHead(HeadEntry *entries, HeadEntry *spare, std::size_t count)
{
    std::array<std::array<std::size_t, 256>, 8> counts{};
    for (std::size_t i = 0; i < count; ++i) {
        for (int digit = 0; digit < 8; ++digit)
            ++counts[std::size_t(digit)][(entries[i].head >> (8 * digit)) & 0xff];
    }
    HeadEntry *from = entries;
    HeadEntry *to = spare;
    for (int digit = 0; digit < 8; ++digit) {
        std::array<std::size_t, 256> &starts = counts[std::size_t(digit)];
        // A byte every entry shares leaves the order as it is.
        if (std::find(starts.cbegin(), starts.cend(), count) != starts.cend())
            continue;
        std::size_t at = 0;
        for (std::size_t &start : starts)
            at += std::exchange(start, at);
        for (std::size_t i = 0; i < count; ++i)
            to[starts[(from[i].head >> (8 * digit)) & 0xff]++] = from[i];
        std::swap(from, to);
    }
    if (from != entries)
        std::copy(from, from + count, entries);
}

void takeHeads(HeadEntry *entries, std::size_t count, const TextKeys &keys, std::size_t from, bool descending)
{
    for (std::size_t i = 0; i < count; ++i) {
        const quint64 head = keys.head(std::size_t(entries[i].row), from);
        entries[i].head = descending ? ~head : head;
    }
}

// Orders entries whose texts agree up to byte `from` by their next eight
// bytes, already taken as their heads, and each run that ties on those by
// the eight after, until the texts end: texts are never compared whole.
// Stable, so equal texts keep their order, in both directions.
void orderByHeads(HeadEntry *entries, HeadEntry *spare, std::size_t count, const TextKeys &keys, std::size_t from,
                  bool descending)
{
    if (count >= kRadixFrom) {
        radixSortByHead(entries, spare, count);
    } else {
        std::stable_sort(entries, entries + count,
                         [](const HeadEntry &a, const HeadEntry &b) { return a.head < b.head; });
    }
    for (std::size_t start = 0; start < count;) {
        std::size_t end = start + 1;
        while (end < count && entries[end].head == entries[start].head)
            ++end;
        // Texts that tie on eight bytes, none of them ending there, may
        // differ after them.
        const quint64 head = descending ? ~entries[start].head : entries[start].head;
        if (end - start > 1 && (head & 0xff) != 0) {
            takeHeads(entries + start, end - start, keys, from + 8, descending);
            orderByHeads(entries + start, spare + start, end - start, keys, from + 8, descending);
        }
        start = end;
    }
}

// Many entries are cut in two by their first byte, in a stable pass, and
// each part is ordered on a thread of its own: the sort is the last step
// before a large set of rows shows in order, and the search's threads are
// done by then.
void orderOnTwoThreads(HeadEntry *entries, HeadEntry *spare, std::size_t count, const TextKeys &keys,
                       bool descending)
{
    std::array<std::size_t, 257> below{}; // below[b]: entries whose first byte is less than b
    for (std::size_t i = 0; i < count; ++i)
        ++below[std::size_t(entries[i].head >> 56) + 1];
    for (std::size_t b = 1; b < below.size(); ++b)
        below[b] += below[b - 1];
    std::size_t cut = 1;
    while (cut < 256 && below[cut] < count / 2)
        ++cut;
    const std::size_t lower = below[cut];
    std::size_t low = 0;
    std::size_t high = lower;
    for (std::size_t i = 0; i < count; ++i)
        spare[(entries[i].head >> 56) < cut ? low++ : high++] = entries[i];
    std::copy(spare, spare + count, entries);
    runOnTwoThreads(
        /*two=*/true,
        [&](int part) {
            if (part == 0)
                orderByHeads(entries, spare, lower, keys, 0, descending);
            else
                orderByHeads(entries + lower, spare + lower, count - lower, keys, 0, descending);
        },
        [] {});
}

// The arrays of a sort, kept for the next one: a sort of many rows writes
// tens of megabytes, and memory fresh from the system costs a page fault
// and the clearing of each page, about a quarter of a large sort's time.
// Arrays are cleared, never shrunk, between sorts.
struct SortScratch
{
    TextKeys texts;
    SortArray<FileSearchResults::FileItem> rows;
    SortArray<int> order;
    SortArray<HeadEntry> entries;
    SortArray<HeadEntry> spare;

    void clear()
    {
        texts.clear();
        rows.clear();
        order.clear();
        entries.clear();
        spare.clear();
    }
};

// One scratch is kept for the whole window while sorts follow each other; a
// sort that finds it taken (two tabs sorting at once) makes its own, and
// only one goes back on the shelf.
class ScratchShelf
{
public:
    static std::unique_ptr<SortScratch> take()
    {
        std::lock_guard<std::mutex> locker(mutex());
        std::unique_ptr<SortScratch> scratch = std::move(slot());
        return scratch ? std::move(scratch) : std::make_unique<SortScratch>();
    }

    static void put(std::unique_ptr<SortScratch> scratch)
    {
        scratch->clear();
        std::lock_guard<std::mutex> locker(mutex());
        if (!slot())
            slot() = std::move(scratch);
    }

    static void release()
    {
        std::unique_ptr<SortScratch> dropped;
        std::lock_guard<std::mutex> locker(mutex());
        dropped = std::move(slot());
    }

private:
    static std::mutex &mutex()
    {
        static std::mutex m;
        return m;
    }
    static std::unique_ptr<SortScratch> &slot()
    {
        static std::unique_ptr<SortScratch> s;
        return s;
    }
};

// A scratch taken off the shelf for one sort and put back when it ends,
// however it ends.
class ScratchLoan
{
public:
    ScratchLoan()
        : m_scratch(ScratchShelf::take())
    {
    }
    ~ScratchLoan() { ScratchShelf::put(std::move(m_scratch)); }
    ScratchLoan(const ScratchLoan &) = delete;
    ScratchLoan &operator=(const ScratchLoan &) = delete;
    SortScratch &operator*() const { return *m_scratch; }

private:
    std::unique_ptr<SortScratch> m_scratch;
};

// Sorts rows [first, last) by their texts; stable in both directions.
void sortTexts(SortScratch &scratch, int first, int last, bool descending)
{
    const TextKeys &keys = scratch.texts;
    SortArray<int> &order = scratch.order;
    const std::size_t count = std::size_t(std::max(0, last - first));
    SortArray<HeadEntry> &entries = scratch.entries;
    entries.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        entries[i].row = order[std::size_t(first) + i];
    takeHeads(entries.data(), count, keys, 0, descending);
    SortArray<HeadEntry> &spare = scratch.spare;
    spare.resize(count);
    if (count >= std::size_t(FileSorter::kRowsForTwoThreads) && std::thread::hardware_concurrency() > 1)
        orderOnTwoThreads(entries.data(), spare.data(), count, keys, descending);
    else
        orderByHeads(entries.data(), spare.data(), count, keys, 0, descending);
    for (std::size_t i = 0; i < count; ++i)
        order[std::size_t(first) + i] = entries[i].row;
}

// Sorts rows [first, last) by their numbers; stable as well.
void sortNumbers(SortArray<int> &order, const std::vector<FileSearchResults::SortKey> &keys, int column,
                 int first, int last, bool descending)
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
    m_releaseScratch.setSingleShot(true);
    m_releaseScratch.setInterval(kScratchKeptMs);
    connect(&m_releaseScratch, &QTimer::timeout, this, [] { ScratchShelf::release(); });
}

FileSorter::~FileSorter()
{
    cancel();
}

void FileSorter::start(const FileSearchResults *results, int column, bool descending)
{
    cancel();
    m_running = true;
    m_releaseScratch.start();
    m_queue.run([this, results, column, descending, lock = m_readingResults](const BackgroundQueue::Context &context) {
        const bool readsFileSystem = FileSearchResults::readsFileSystem(column);
        // What is needed of the rows first (their keys, or the paths whose
        // data gives them), under the lock that cancel() takes: after that
        // the result set is not touched again, however long the disk or the
        // ordering takes.
        const bool byText = isTextColumn(column);
        std::vector<FileSearchResults::SortKey> keys;
        const ScratchLoan loan;
        SortScratch &scratch = *loan;
        TextKeys &texts = scratch.texts;
        QVector<QString> paths;
        SortArray<FileSearchResults::FileItem> &rows = scratch.rows;
        // The ordering reads the names and paths long after the lock is
        // let go, when a new search may have deleted the set.
        std::shared_ptr<const void> textOwner;
        int folderCount = 0;
        {
            std::lock_guard<std::mutex> reading(*lock);
            if (context.canceled())
                return;
            // By index into the folders and the files: a search still adding
            // moves row numbers, not these.
            textOwner = results->textOwner();
            folderCount = results->folderCount();
            const int total = folderCount + results->fileCount();
            if (readsFileSystem)
                paths.reserve(total);
            else if (byText)
                texts.reserve(std::size_t(total));
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
                    else if (byText)
                        texts.add(column, item);
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
        const int total = int(byText ? texts.size() : keys.size());
        SortArray<int> &order = scratch.order;
        order.resize(static_cast<std::size_t>(total));
        for (int row = 0; row < total; ++row)
            order[std::size_t(row)] = row;
        if (byText) {
            sortTexts(scratch, 0, folderCount, descending);
            sortTexts(scratch, folderCount, total, descending);
        } else {
            sortNumbers(order, keys, column, 0, folderCount, descending);
            sortNumbers(order, keys, column, folderCount, total, descending);
        }
        // Put in order here: on the UI thread, gathering many rows from all
        // over memory stalled the window.
        const int folders = std::min(folderCount, total);
        QVector<FileSearchResults::FileItem> sortedFolders;
        QVector<FileSearchResults::FileItem> sortedFiles;
        sortedFolders.reserve(folders);
        sortedFiles.reserve(total - folders);
        HugePages::adviseRoom(sortedFolders);
        HugePages::adviseRoom(sortedFiles);
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
    m_releaseScratch.start();
    emit sorted(folders, files);
}
