#pragma once

#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// The thread that reads documents for the helper, one at a time, kept for
// the helper's whole life: starting a thread per document cost about as much
// as reading a small one. The caller waits for each job with a time limit and
// may tell a job that took too long to stop.
class ExtractionWorker
{
public:
    // A job gets its cancel flag and returns its output (a file path).
    using Job = std::function<QString(const std::atomic<bool> &cancel)>;

    ExtractionWorker();
    // Waits for the job in hand, if any, to end.
    ~ExtractionWorker();
    ExtractionWorker(const ExtractionWorker &) = delete;
    ExtractionWorker &operator=(const ExtractionWorker &) = delete;

    // Hands over the next job; the previous one must have ended (wait() true).
    void start(Job job);
    // Waits up to `ms` for the job to end; true with its output when it did.
    bool wait(int ms, QString *output);
    // Raises the cancel flag of the job in hand.
    void cancel() { m_cancel = true; }

private:
    void loop();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Job m_job;
    QString m_output;
    bool m_pending = false;
    bool m_done = false;
    bool m_quit = false;
    std::atomic<bool> m_cancel{false};
    std::thread m_thread; // last: starts once the members above exist
};
