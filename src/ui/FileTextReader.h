#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>

// The text of one file as the file preview shows it.
struct FileText
{
    QString path;
    QString encoding;  // as detected; empty or "BINARY" read with the locale's codec
    QString text;      // the lines joined by "\n"
    int lineCount = 0; // numbered like the content search numbers them
    bool truncated = false; // only the first kByteLimit bytes were read
    bool failed = false;    // the file could not be opened
};
Q_DECLARE_METATYPE(FileText)

// Reads a file for the preview on a thread of its own, so that a large file
// never freezes the window. Lines are split and decoded by the same reader
// the content search uses, so line numbers and match positions of a preview
// result fall on the same characters here.
//
// GUI thread only. A new read() or cancel() drops the read before it: its
// result is never reported.
class FileTextReader : public QObject
{
    Q_OBJECT
public:
    // A preview reads at most this much of a file: the text of a larger one
    // (a long log) would take several times its size in memory and its
    // layout would stall the window.
    static constexpr qint64 kByteLimit = 16 * 1024 * 1024;

    explicit FileTextReader(QObject *parent = nullptr);
    // Cancels and waits for the running read, which stops within one chunk.
    ~FileTextReader() override;

    void read(const QString &path);
    void cancel();

    // The work of one read, on the calling thread; returns early with an
    // empty result once 'canceled' is set.
    static FileText readFile(const QString &path, const std::atomic_bool &canceled,
                             qint64 byteLimit = kByteLimit);

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
