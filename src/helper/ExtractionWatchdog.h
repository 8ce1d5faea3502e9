#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Keeps the time limit of the document the helper is reading. The reading
// runs on the thread that serves the channel, so a request costs no hand-over
// to another thread; this watchdog's own thread sleeps until the limit of the
// document in hand could have passed, and is not woken while documents come
// and go within it.
//
// When the limit passes, the watchdog raises the reader's cancel flag and
// calls 'expired' (which answers the program for the reader); when the reader
// does not stop within the grace time after that, 'stuck' is called, which is
// expected not to return (the helper ends itself).
class ExtractionWatchdog
{
public:
    using Clock = std::chrono::steady_clock;

    // 'expired' and 'stuck' get the document's path; 'expired' runs with the
    // watchdog's lock held, so end() of that document waits for it.
    ExtractionWatchdog(int limitMs, int graceMs, std::function<void(const QString &)> expired,
                       std::function<void(const QString &)> stuck);
    ~ExtractionWatchdog();
    ExtractionWatchdog(const ExtractionWatchdog &) = delete;
    ExtractionWatchdog &operator=(const ExtractionWatchdog &) = delete;

    // The reading of 'path' starts; the returned flag is its cancel flag.
    const std::atomic<bool> &begin(const QString &path);
    // The reading ended; false when its time had run out, so the program was
    // answered already and the reader's output is of no use.
    bool end();

private:
    void loop();

    const Clock::duration m_limit;
    const Clock::duration m_grace;
    const std::function<void(const QString &)> m_expired;
    const std::function<void(const QString &)> m_stuck;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_reading = false;
    bool m_timedOut = false;
    bool m_idle = true; // the watchdog sleeps until a reading starts
    bool m_quit = false;
    quint64 m_document = 0; // counts readings, so a new one is told from the old
    Clock::time_point m_started;
    QString m_path;
    std::atomic<bool> m_cancel{false};
    std::thread m_thread; // last: starts once the members above exist
};
