#pragma once

#include "content/ContentMatches.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QTextCharFormat>
#include <QThreadPool>

#include <atomic>
#include <memory>

class QTextDocument;
class QThread;

// The text of one file as the file preview shows it.
struct FileText
{
    QString path;
    QString encoding; // as detected; empty or "BINARY" read with the locale's codec
    // One block per line, numbered like the content search numbers lines.
    // Built on the worker, then handed to the thread that asked for it.
    // Null when the file could not be opened.
    std::shared_ptr<QTextDocument> document;
    int lineCount = 0;
    bool truncated = false; // only the first kByteLimit bytes were read
    bool linesCut = false;  // some line was longer than kMaxLineLength
    bool failed = false;    // the file could not be opened
};
Q_DECLARE_METATYPE(FileText)

// Reads a file for the preview on a thread of its own, so that a large file
// never freezes the window: decoding, building the document and placing the
// match highlights all happen there. Lines are split and decoded by the same
// reader the content search uses, so the line numbers and match positions of
// a preview result fall on the same characters here.
//
// GUI thread only. A new read() or cancel() drops the read before it: its
// result is never reported.
class FileTextReader : public QObject
{
    Q_OBJECT
public:
    // A preview reads at most this much of a file: the text of a larger one
    // (a long log) would take several times its size in memory.
    static constexpr qint64 kByteLimit = 16 * 1024 * 1024;
    // Longer lines are cut (and end with an ellipsis): laying out one line of
    // millions of characters stalls the window for many seconds.
    static constexpr int kMaxLineLength = 10000;

    explicit FileTextReader(QObject *parent = nullptr);
    // Cancels and waits for the running read, which stops within one chunk.
    ~FileTextReader() override;

    // Reads 'path' and formats the 'matches' in it with 'highlight'.
    // 'encoding': the text's known encoding (a converter's), else empty
    // for the one detected from its bytes.
    void read(const QString &path, const QList<MatchLine> &matches, const QTextCharFormat &highlight,
              const QString &encoding = QString());
    void cancel();

    // The work of one read, on the calling thread; the document belongs to
    // that thread. Returns early with an empty result once 'canceled' is set.
    static FileText readFile(const QString &path, const std::atomic_bool &canceled,
                             qint64 byteLimit = kByteLimit, const QString &encoding = QString());
    // Merges 'format' into every match that lies within the shown text.
    static void highlight(QTextDocument *document, const QList<MatchLine> &matches, const QTextCharFormat &format);

signals:
    void finished(const FileText &text);
    // From the worker thread; received queued.
    void readDone(quint64 ticket, const FileText &text);

private:
    void onReadDone(quint64 ticket, const FileText &text);

    QThreadPool m_pool;
    std::shared_ptr<std::atomic_bool> m_canceled;
    quint64 m_ticket = 0;
};
