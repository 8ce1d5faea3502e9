#include "helper/ExtractionWatchdog.h"

ExtractionWatchdog::ExtractionWatchdog(int limitMs, int graceMs, std::function<void(const QString &)> expired,
                                       std::function<void(const QString &)> stuck)
    : m_limit(std::chrono::milliseconds(limitMs))
    , m_grace(std::chrono::milliseconds(graceMs))
    , m_expired(std::move(expired))
    , m_stuck(std::move(stuck))
    , m_thread([this] { loop(); })
{
}

ExtractionWatchdog::~ExtractionWatchdog()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

const std::atomic<bool> &ExtractionWatchdog::begin(const QString &path)
{
    bool wake;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_reading = true;
        m_timedOut = false;
        m_cancel = false;
        ++m_document;
        m_started = Clock::now();
        m_path = path;
        wake = m_idle;
        m_idle = false;
    }
    // Only a sleeping watchdog needs waking; one that watches already wakes
    // by itself at the earliest time this reading could be late.
    if (wake)
        m_changed.notify_all();
    return m_cancel;
}

bool ExtractionWatchdog::end()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reading = false;
    if (m_timedOut)
        m_changed.notify_all(); // the watchdog waits for the reader to stop
    return !m_timedOut;
}

void ExtractionWatchdog::loop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_quit) {
        if (!m_reading) {
            m_idle = true;
            m_changed.wait(lock, [this] { return m_quit || !m_idle; });
            continue;
        }
        const quint64 document = m_document;
        const Clock::time_point deadline = m_started + m_limit;
        if (m_changed.wait_until(lock, deadline, [this] { return m_quit; }))
            return;
        if (!m_reading || m_document != document)
            continue; // that one ended in time; watch the next, if any
        m_timedOut = true;
        m_cancel = true;
        m_expired(m_path);
        const auto stopped = [this, document] { return m_quit || !m_reading || m_document != document; };
        if (!m_changed.wait_for(lock, m_grace, stopped)) {
            m_stuck(m_path);
            // Answered for once: not again, however long it takes.
            m_changed.wait(lock, stopped);
        }
    }
}
