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
    // Creates the process-wide logger on the first call; later calls ignore
    // the path. Must first be called before a second thread starts.
    static Logger *instance(const QString &path = QString());

    // A logger of its own on 'path', truncating it. Used by instance() and by
    // tests that need loggers independent of the process-wide one.
    explicit Logger(const QString &path);
    Logger(const Logger &) = delete;
    Logger &operator=(const Logger &) = delete;

    void log(int level, const char *component, const QString &message);
    void log(int level, const char *component, const std::wstring &message);
    // Each byte becomes one character: meant for ASCII literals.
    void log(int level, const char *component, const char *message);

    void setAssertLogging(bool on) { m_assertLogging = on; }
    bool assertLogging() const { return m_assertLogging; }

    // "hh:mm:ss:zzz ", thread id, tab, level, tab, component, tab, message, CR LF.
    static QString formatLine(const QTime &time, qint64 threadId, int level, const char *component,
                              const QString &message);
    static QString levelWord(int level);

private:
    void write(const QString &line);

    QMutex m_mutex;
    QFile m_file;
    bool m_good = false;
    std::atomic<bool> m_assertLogging{true};
};
