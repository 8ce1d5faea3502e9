#pragma once

#include <QFile>
#include <QMutex>
#include <QString>

#include <atomic>
#include <string>

enum LogLevel {
    INFO = 0,
    WARNING = 1,
    ERROR = 2,
    DEBUG = 3,
};

// The process-wide log: one UTF-16LE file per run, one line per entry,
// each entry flushed at once so the log is complete up to a crash.
//
// Any thread may log. Lines are built without a lock; only the write and
// flush are serialised, so lines never interleave. Logging never fails its
// caller: when the file cannot be opened every entry is dropped silently.
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
    Logger(const Logger &) = delete;
    Logger &operator=(const Logger &) = delete;

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
    void write(const QString &line);

    QMutex m_mutex;
    QFile m_file;
    bool m_good = false;
    std::atomic<bool> m_assertLogging{true};
    std::atomic<bool> m_echoProblems{false};
};
