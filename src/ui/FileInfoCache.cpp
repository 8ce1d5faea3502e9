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

FileInfoCache::FileInfoCache(PathOfRow pathOfRow, QObject *parent)
    : QObject(parent)
    , m_pathOfRow(std::move(pathOfRow))
    , m_queue(this)
{
    // Collects the rows asked for during one round of painting into one read.
    m_readTimer.setSingleShot(true);
    m_readTimer.setInterval(0);
    connect(&m_readTimer, &QTimer::timeout, this, &FileInfoCache::readWanted);
}

const FileStat *FileInfoCache::find(int row)
{
    const auto found = m_records.constFind(row);
    if (found != m_records.constEnd())
        return &found.value();
    if (row >= 0 && row < m_rowCount && !m_inFlight.contains(row)) {
        m_wantedFirst = m_wantedFirst < 0 ? row : std::min(m_wantedFirst, row);
        m_wantedLast = std::max(m_wantedLast, row);
        m_readTimer.start();
    }
    return nullptr;
}

void FileInfoCache::clear(int rowCount)
{
    m_queue.cancelAll();
    m_records.clear();
    m_inFlight.clear();
    m_wantedFirst = m_wantedLast = -1;
    m_rowCount = rowCount;
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
    QVector<QPair<int, QString>> paths;
    auto queueRows = [&](int from, int to) {
        for (int row = from; row <= to; ++row) {
            if (m_records.contains(row) || m_inFlight.contains(row))
                continue;
            m_inFlight.insert(row);
            paths.append({row, m_pathOfRow(row)});
        }
    };
    queueRows(wantedFirst, wantedLast);
    queueRows(wantedLast + 1, std::min(m_rowCount - 1, wantedLast + kPagesAround * page));
    queueRows(std::max(0, wantedFirst - kPagesAround * page), wantedFirst - 1);
    if (paths.isEmpty())
        return;
    m_queue.run([this, paths](const BackgroundQueue::Context &context) {
        QVector<QPair<int, FileStat>> records;
        for (const auto &path : paths) {
            if (context.canceled())
                return;
            FileStat stat = FileStat::read(path.second);
            stat.formatTexts();
            records.append({path.first, stat});
            if (records.size() == kRecordsPerReply || &path == &paths.constLast()) {
                context.reply([this, records] { store(records); });
                records.clear();
            }
        }
    });
}

void FileInfoCache::store(const QVector<QPair<int, FileStat>> &records)
{
    if (records.isEmpty())
        return;
    int first = records.constFirst().first;
    int last = first;
    for (const auto &record : records) {
        m_inFlight.remove(record.first);
        m_records.insert(record.first, record.second);
        first = std::min(first, record.first);
        last = std::max(last, record.first);
    }
    emit rowsRead(first, last);
}
