#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

enum LogLevel {
    INFO = 0,
    WARNING = 1,
    ERROR = 2,
    DEBUG = 3,
};

// The process-wide log: one UTF-16LE file per run, one line per entry.
//
// Entries gather in a buffer and reach the file in batches: a search that
// logs a line per skipped file would otherwise pay a write per line under
// the lock. The buffer goes to the file at once with a WARNING or ERROR
// entry (and everything before it), when it is full, at the latest a
// second after its first entry (a thread of the logger's waits for that),
// when the logger is destroyed, at a normal exit (the process-wide one),
// and, through the crash handler, when the process dies of a fatal signal.
//
// Any thread may log. Lines are built without a lock; only the copy into
// the buffer and the writes are serialised, so lines never interleave.
// Logging never fails its caller: when the file cannot be opened every
// entry is dropped silently.
class Logger
{
public:
    // Truncate: a new log with its byte-order mark. Append: add to a log that
    // another process owns and writes at the same time (the helper program
    // writes into the log of the program that started it); each line goes
    // out in one write, so the two never interleave within a line.
    enum OpenMode { Truncate, Append };

    // Creates the process-wide logger on the first call; later calls ignore
    // the arguments. Must first be called before a second thread starts.
    static Logger *instance(const QString &path = QString(), OpenMode mode = Truncate);

    // A logger of its own on 'path'. Used by instance() and by tests that
    // need loggers independent of the process-wide one.
    explicit Logger(const QString &path, OpenMode mode = Truncate);
    ~Logger();
    Logger(const Logger &) = delete;
    Logger &operator=(const Logger &) = delete;

    // Writes the entries gathered so far.
    void flush();
    // For a program that ends within moments of starting: its entries wait
    // in the buffer until it is full or the program ends, and no thread is
    // started to write them sooner. Before the first entry.
    void writeOnlyWhenFullOrAtExit() { m_writesWhenIdle = false; }
    // The same for the process-wide logger, when one was made: for readers of
    // its file in the same process (tests) that must see every entry so far.
    static void flushProcessLog();

    void log(int level, const char *component, const QString &message);
    void log(int level, const char *component, const std::wstring &message);
    // Each byte becomes one character: meant for ASCII literals.
    void log(int level, const char *component, const char *message);

    void setAssertLogging(bool on) { m_assertLogging = on; }
    // Warnings and errors also go to standard error, as "level component:
    // message" lines (a service's journal), whether or not the file is open.
    void setEchoProblems(bool on) { m_echoProblems = on; }
    bool assertLogging() const { return m_assertLogging; }

    // "hh:mm:ss:zzz ", thread id, tab, level, tab, component, tab, message, CR LF.
    static QString formatLine(const QTime &time, qint64 threadId, int level, const char *component,
                              const QString &message);
    static QString levelWord(int level);

    // The log file's path; empty when the logger has no file.
    QString fileName() const { return m_file.fileName(); }

private:
    // Bytes of entries held before they are written together.
    static constexpr std::size_t kBufferBytes = 64 * 1024;

    void write(const QString &line, bool now);
    void writeBufferLocked();
    void waitAndFlush();

    std::mutex m_mutex;
    std::condition_variable m_wake; // a first entry in the buffer, or the end
    QFile m_file;
    std::unique_ptr<char[]> m_buffer;
    std::atomic<std::size_t> m_used{0}; // bytes in m_buffer; the crash handler reads it
    // The tail of the last log still follows what was written: cut at the
    // next write, by the crash handler too.
    std::atomic<bool> m_cutPending{false};
    std::thread m_flusher;                // started with the first buffered entry
    bool m_stopping = false;
    bool m_writesWhenIdle = true;
    bool m_good = false;
    std::atomic<bool> m_assertLogging{true};
    std::atomic<bool> m_echoProblems{false};
};
