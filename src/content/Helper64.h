#pragma once

#include "base/IFilterInfo.h"

#include <QList>
#include <QMutex>
#include <QString>

#include <atomic>
#include <memory>

class ChildProcess;
class Helper64Thread;

// The program's client of the document helper (talvenquist-helper): starts
// it when it is installed beside the program, asks it once for its filter
// list and sends it one "CONVERT" per document, each over the channel that
// Helper64Thread owns. A helper that does not answer within kTimeoutMs, or
// whose channel breaks, is taken as broken: every later request is refused
// at once until restart(), which the search calls before each content
// check phase, ends it (by its pid) and starts a new one.
//
// Requests come from many pool threads; the mutex lets one at a time use
// the channel, which the requesting thread writes and reads itself.
class Helper64
{
public:
    enum State { NotStarted = 0, Connected = 1, Broken = 2 };
    static const int kTimeoutMs = 10000;
    // How long destruction waits for the helper to end after "EXIT".
    static const int kExitWaitMs = 1000;

    // StartOnFirstUse: the helper is started by the first conversion
    // instead of at once, so a run that reads no document starts no
    // process. Such a helper is taken to be this build's own: until it
    // runs, its filters are read from the document reader it is built on.
    enum StartMode { StartNow, StartOnFirstUse };

    // 'program' is the helper to run; by default the one beside this program.
    explicit Helper64(const QString &tempFolder, const QString &program = defaultProgram(),
                      StartMode mode = StartNow);
    ~Helper64();
    Helper64(const Helper64 &) = delete;
    Helper64 &operator=(const Helper64 &) = delete;

    void start();
    // Only a broken helper is restarted.
    void restart();
    // The helper's filters; empty when it is not connected or did not answer
    // (for a helper started on first use, see StartMode).
    QList<IFilterInfo> installedFilters();
    // The helper's reply for 'path': the path of a text file it wrote,
    // "TIMEOUT", or an empty string when not connected or on any failure.
    QString convert(const QString &path);

    int state() const { return m_state; }
    // The running helper's pid, or -1.
    qint64 processId() const;
    static QString defaultProgram();

private:
    void startLocked();
    void markStartFailed();
    QString request(const QString &message, const QString &path, const char *sendFailure);
    bool exchange(const QString &message, const char *sendFailure, QString *reply);
    // Writes one message; on a failure logs 'failure' (when given) and
    // leaves the helper broken.
    bool send(const QString &message, const char *failure);
    // The helper is broken; 'text' is logged with the current document.
    void logHang(const char *text);
    void stopThread();

    QString m_tempFolder;
    QString m_program;
    const StartMode m_startMode;
    std::atomic<int> m_state{NotStarted};
    std::unique_ptr<ChildProcess> m_process;
    std::unique_ptr<Helper64Thread> m_thread;
    mutable QMutex m_mutex;
    QString m_currentPath;
};
