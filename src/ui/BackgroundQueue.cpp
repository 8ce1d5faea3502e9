#include "ui/BackgroundQueue.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct BackgroundQueue::Context::State
{
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::pair<quint64, Task>> tasks; // guarded by mutex
    QObject *owner = nullptr;                   // guarded by mutex; null once the queue is gone
    bool stopped = false;                       // guarded by mutex
    std::atomic<quint64> generation{0};

    bool current(quint64 taskGeneration) const { return generation.load() == taskGeneration; }
};

BackgroundQueue::Context::Context(std::shared_ptr<State> state, quint64 generation)
    : m_state(std::move(state))
    , m_generation(generation)
{
}

bool BackgroundQueue::Context::canceled() const
{
    return !m_state->current(m_generation);
}

void BackgroundQueue::Context::reply(std::function<void()> onOwnerThread) const
{
    // Posted under the mutex so that the owner cannot be destroyed between
    // the check and the post; an event posted to an object is discarded
    // with the object.
    std::lock_guard<std::mutex> lock(m_state->mutex);
    if (!m_state->owner || canceled())
        return;
    QMetaObject::invokeMethod(
        m_state->owner,
        [state = m_state, generation = m_generation, call = std::move(onOwnerThread)] {
            if (state->current(generation))
                call();
        },
        Qt::QueuedConnection);
}

BackgroundQueue::BackgroundQueue(QObject *owner)
    : m_state(std::make_shared<Context::State>())
{
    m_state->owner = owner;
    std::thread([state = m_state] {
        for (;;) {
            std::pair<quint64, Task> next;
            {
                std::unique_lock<std::mutex> lock(state->mutex);
                state->wake.wait(lock, [&] { return state->stopped || !state->tasks.empty(); });
                if (state->stopped)
                    return;
                next = std::move(state->tasks.front());
                state->tasks.pop_front();
            }
            const Context context(state, next.first);
            if (!context.canceled())
                next.second(context);
        }
    }).detach();
}

BackgroundQueue::~BackgroundQueue()
{
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->owner = nullptr;
        m_state->stopped = true;
        m_state->tasks.clear();
        ++m_state->generation;
    }
    m_state->wake.notify_all();
}

void BackgroundQueue::run(Task task)
{
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->tasks.emplace_back(m_state->generation.load(), std::move(task));
    }
    m_state->wake.notify_one();
}

void BackgroundQueue::cancelAll()
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->tasks.clear();
    ++m_state->generation;
}
