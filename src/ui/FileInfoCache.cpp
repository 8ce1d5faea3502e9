#include "ui/FileInfoCache.h"

#include "ui/FileTable.h"

#include <QFileInfo>
#include <QLocale>
#include <QVector>

#include <algorithm>

namespace {

// Pages of rows read beyond those asked for, on each side, so that
// scrolling a little shows sizes at once. A page is the span asked for.
const int kPagesAround = 2;
const int kMinimumPage = 50;
// Records answered together: small enough that cells fill in as the reads
// go, large enough that a fast disk does not flood the event queue.
const int kRecordsPerReply = 32;
// Beyond this many records the cache starts over rather than grow with
// every page a user scrolls through.
const int kMaximumRecords = 100000;

} // namespace

FileStat FileStat::read(const QString &path)
{
    FileStat stat;
    const QFileInfo info(path);
    stat.exists = info.exists();
    if (!stat.exists)
        return stat;
    stat.size = info.size();
    // The birth time where the file system keeps one, else the last status
    // change, the closest Linux has to a creation time.
    const QDateTime born = info.birthTime();
    stat.created = born.isValid() ? born : info.metadataChangeTime();
    stat.modified = info.lastModified();
    stat.accessed = info.lastRead();
    return stat;
}

void FileStat::formatTexts()
{
    if (!exists)
        return;
    // QLocale and the size text only read shared data: safe on any thread.
    const QLocale locale;
    auto timeText = [&locale](const QDateTime &time) {
        return time.isValid() ? locale.toString(time, QLocale::ShortFormat) : QString();
    };
    sizeText = FileTable::sizeText(size);
    createdText = timeText(created);
    modifiedText = timeText(modified);
    accessedText = timeText(accessed);
}

FileInfoCache::FileInfoCache(ItemOfRow itemOfRow, QObject *parent)
    : QObject(parent)
    , m_itemOfRow(std::move(itemOfRow))
    , m_queue(this)
{
    // Collects the rows asked for during one round of painting into one read.
    m_readTimer.setSingleShot(true);
    m_readTimer.setInterval(0);
    connect(&m_readTimer, &QTimer::timeout, this, &FileInfoCache::readWanted);
}

const FileStat *FileInfoCache::find(int row)
{
    const FileSearchResults::FileItem item = m_itemOfRow(row);
    if (!item.name)
        return nullptr;
    const Key key = keyOf(item);
    const auto found = m_records.constFind(key);
    if (found != m_records.constEnd())
        return &found.value();
    if (row >= 0 && row < m_rowCount && !m_inFlight.contains(key)) {
        m_wantedFirst = m_wantedFirst < 0 ? row : std::min(m_wantedFirst, row);
        m_wantedLast = std::max(m_wantedLast, row);
        m_readTimer.start();
    }
    return nullptr;
}

void FileInfoCache::setRowCount(int rowCount)
{
    m_rowCount = rowCount;
}

void FileInfoCache::clear()
{
    m_queue.cancelAll();
    m_records.clear();
    m_inFlight.clear();
    m_wantedFirst = m_wantedLast = -1;
}

void FileInfoCache::readWanted()
{
    if (m_wantedFirst < 0)
        return;
    const int wantedFirst = m_wantedFirst;
    const int wantedLast = std::min(m_wantedLast, m_rowCount - 1);
    m_wantedFirst = m_wantedLast = -1;
    const int page = std::max(kMinimumPage, wantedLast - wantedFirst + 1);
    if (m_records.size() > kMaximumRecords)
        m_records.clear();

    // The rows asked for first, so that the screen fills before the pages around it.
    QVector<QPair<Record, QString>> paths;
    auto queueRows = [&](int from, int to) {
        for (int row = from; row <= to; ++row) {
            const FileSearchResults::FileItem item = m_itemOfRow(row);
            const Key key = keyOf(item);
            if (!item.name || m_records.contains(key) || m_inFlight.contains(key))
                continue;
            m_inFlight.insert(key);
            paths.append({Record{row, key, FileStat()}, FileSearchResults::fullPath(item)});
        }
    };
    queueRows(wantedFirst, wantedLast);
    queueRows(wantedLast + 1, std::min(m_rowCount - 1, wantedLast + kPagesAround * page));
    queueRows(std::max(0, wantedFirst - kPagesAround * page), wantedFirst - 1);
    if (paths.isEmpty())
        return;
    m_queue.run([this, paths](const BackgroundQueue::Context &context) {
        QVector<Record> records;
        for (const auto &path : paths) {
            if (context.canceled())
                return;
            Record record = path.first;
            record.stat = FileStat::read(path.second);
            record.stat.formatTexts();
            records.append(record);
            if (records.size() == kRecordsPerReply || &path == &paths.constLast()) {
                context.reply([this, records] { store(records); });
                records.clear();
            }
        }
    });
}

void FileInfoCache::store(const QVector<Record> &records)
{
    if (records.isEmpty())
        return;
    int first = records.constFirst().row;
    int last = first;
    for (const Record &record : records) {
        m_inFlight.remove(record.key);
        m_records.insert(record.key, record.stat);
        first = std::min(first, record.row);
        last = std::max(last, record.row);
    }
    // Rows that arrived meanwhile may have moved these down; the view
    // repaints what it shows of the span either way.
    emit rowsRead(first, last);
}
