#include "ui/FileTextReader.h"

#include "content/ContentSearcher.h"
#include "content/EncodingDetector.h"
#include "content/TextLineReader.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>

namespace {

constexpr qint64 kChunkSize = 1024 * 1024;
constexpr int kLinesBetweenCancelChecks = 4096;

// The first 'limit' bytes; 'truncated' tells whether more follow.
bool readHead(QFile &file, qint64 limit, const std::atomic_bool &canceled, QByteArray *bytes, bool *truncated)
{
    bytes->reserve(int(std::min(file.size(), limit)));
    while (bytes->size() < limit) {
        if (canceled)
            return false;
        const QByteArray chunk = file.read(std::min(kChunkSize, limit - bytes->size()));
        if (chunk.isEmpty())
            break;
        bytes->append(chunk);
    }
    *truncated = bytes->size() >= limit && !file.atEnd();
    return true;
}

} // namespace

FileTextReader::FileTextReader(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<FileText>();
    // One read at a time: a canceled read ends within a chunk, and the next
    // waits for it instead of competing for the disk.
    m_pool.setMaxThreadCount(1);
    connect(this, &FileTextReader::readDone, this, &FileTextReader::onReadDone, Qt::QueuedConnection);
}

FileTextReader::~FileTextReader()
{
    cancel();
    m_pool.waitForDone();
}

void FileTextReader::read(const QString &path)
{
    cancel();
    m_canceled = std::make_shared<std::atomic_bool>(false);
    const quint64 ticket = ++m_ticket;
    std::shared_ptr<std::atomic_bool> canceled = m_canceled;
    m_pool.start(QRunnable::create([this, path, ticket, canceled] {
        FileText text = readFile(path, *canceled);
        if (!*canceled)
            emit readDone(ticket, text);
    }));
}

void FileTextReader::cancel()
{
    if (m_canceled)
        *m_canceled = true;
    m_canceled.reset();
    ++m_ticket;
}

void FileTextReader::onReadDone(quint64 ticket, const FileText &text)
{
    // A result that was on its way when a newer read started is stale.
    if (ticket == m_ticket)
        emit finished(text);
}

FileText FileTextReader::readFile(const QString &path, const std::atomic_bool &canceled, qint64 byteLimit)
{
    FileText result;
    result.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.failed = true;
        return result;
    }
    result.encoding = ContentSearcher::detectFileEncoding(path);
    QByteArray bytes;
    if (!readHead(file, byteLimit, canceled, &bytes, &result.truncated))
        return FileText();
    file.close();

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // "BINARY" names no codec: such a file is shown in the locale's codec,
    // as the content search reads it when binary files are not skipped.
    const QString codec = result.encoding == QLatin1String(EncodingDetector::kBinary) ? QString() : result.encoding;
    TextLineReader reader(&buffer, codec);
    result.text.reserve(bytes.size());
    QStringView line;
    while (reader.readLine(&line)) {
        if (result.lineCount % kLinesBetweenCancelChecks == 0 && canceled)
            return FileText();
        if (result.lineCount > 0)
            result.text += QLatin1Char('\n');
        result.text.append(line.data(), int(line.size()));
        ++result.lineCount;
    }
    result.text.squeeze();
    return result;
}
