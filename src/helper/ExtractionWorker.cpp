#include "helper/ExtractionWorker.h"

#include <chrono>

ExtractionWorker::ExtractionWorker()
    : m_thread([this] { loop(); })
{
}

ExtractionWorker::~ExtractionWorker()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void ExtractionWorker::start(Job job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_job = std::move(job);
        m_cancel = false;
        m_done = false;
        m_pending = true;
    }
    m_changed.notify_all();
}

bool ExtractionWorker::wait(int ms, QString *output)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_changed.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_done; }))
        return false;
    *output = m_output;
    return true;
}

void ExtractionWorker::loop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_pending || m_quit; });
        if (!m_pending)
            return;
        m_pending = false;
        Job job = std::move(m_job);
        lock.unlock();
        QString output = job(m_cancel);
        lock.lock();
        m_output = output;
        m_done = true;
        m_changed.notify_all();
    }
}
