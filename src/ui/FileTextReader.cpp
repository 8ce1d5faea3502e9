#include "ui/FileTextReader.h"

#include "content/ContentSearcher.h"
#include "content/EncodingDetector.h"
#include "content/TextLineReader.h"

#include <QBuffer>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>

#include <algorithm>

namespace {

constexpr qint64 kChunkSize = 1024 * 1024;
constexpr int kLinesBetweenCancelChecks = 4096;
const QChar kEllipsis(0x2026);

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

// The decoded lines joined by "\n"; false once canceled.
bool decode(QByteArray *bytes, const QString &codec, const std::atomic_bool &canceled, FileText *result,
            QString *text)
{
    QBuffer buffer(bytes);
    buffer.open(QIODevice::ReadOnly);
    TextLineReader reader(&buffer, codec);
    text->reserve(bytes->size());
    QStringView line;
    while (reader.readLine(&line)) {
        if (result->lineCount % kLinesBetweenCancelChecks == 0 && canceled)
            return false;
        if (result->lineCount > 0)
            *text += QLatin1Char('\n');
        if (line.size() > FileTextReader::kMaxLineLength) {
            text->append(line.data(), FileTextReader::kMaxLineLength);
            *text += kEllipsis;
            result->linesCut = true;
        } else {
            text->append(line.data(), int(line.size()));
        }
        ++result->lineCount;
    }
    return true;
}

// A document is handed to another thread while this one still holds a copy
// of the result; should the last reference go here, the document must still
// be deleted on its own thread.
void releaseDocument(QTextDocument *document)
{
    if (document->thread() == QThread::currentThread())
        delete document;
    else
        document->deleteLater();
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

void FileTextReader::read(const QString &path, const QList<MatchLine> &matches, const QTextCharFormat &highlight,
                          const QString &encoding)
{
    cancel();
    m_canceled = std::make_shared<std::atomic_bool>(false);
    const quint64 ticket = ++m_ticket;
    std::shared_ptr<std::atomic_bool> canceled = m_canceled;
    QThread *target = thread();
    m_pool.start(QRunnable::create([this, path, matches, highlight, ticket, canceled, target, encoding] {
        FileText text = readFile(path, *canceled, kByteLimit, encoding);
        if (*canceled)
            return;
        if (text.document) {
            FileTextReader::highlight(text.document.get(), matches, highlight);
            text.document->moveToThread(target);
        }
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

FileText FileTextReader::readFile(const QString &path, const std::atomic_bool &canceled, qint64 byteLimit,
                                  const QString &encoding)
{
    FileText result;
    result.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.failed = true;
        return result;
    }
    result.encoding = encoding.isEmpty() ? ContentSearcher::detectFileEncoding(path) : encoding;
    QByteArray bytes;
    if (!readHead(file, byteLimit, canceled, &bytes, &result.truncated))
        return FileText();
    file.close();

    // "BINARY" names no codec: such a file is shown in the locale's codec,
    // as the content search reads it when binary files are not skipped.
    const QString codec = result.encoding == QLatin1String(EncodingDetector::kBinary) ? QString() : result.encoding;
    QString text;
    if (!decode(&bytes, codec, canceled, &result, &text))
        return FileText();
    bytes.clear();
    result.document = std::shared_ptr<QTextDocument>(new QTextDocument, releaseDocument);
    // Highlighting edits formats; a read-only view needs no undo history.
    result.document->setUndoRedoEnabled(false);
    result.document->setPlainText(text);
    return result;
}

void FileTextReader::highlight(QTextDocument *document, const QList<MatchLine> &matches,
                               const QTextCharFormat &format)
{
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const MatchLine &match : matches) {
        const QTextBlock block = document->findBlockByNumber(match.lineNumber);
        if (!block.isValid())
            continue;
        // Not past a cut, where the ellipsis stands.
        const int length = std::min(block.length() - 1, kMaxLineLength);
        for (const auto &position : match.positions) {
            const int from = qBound(0, position.first, length);
            const int to = qBound(from, position.first + position.second, length);
            if (to == from)
                continue;
            cursor.setPosition(block.position() + from);
            cursor.setPosition(block.position() + to, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
        }
    }
    cursor.endEditBlock();
}
