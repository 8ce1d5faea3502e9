#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

// Runs tasks one after another on a thread of its own and hands their
// answers back to the owner's thread through queued calls.
//
// The thread is detached: destroying the queue never waits, so a task
// stuck in a system call on a hung network mount cannot freeze the window.
// Such a task finishes on its own later and its answers are dropped.
class BackgroundQueue
{
public:
    // What a running task sees: whether it should stop, and a way to answer.
    class Context
    {
    public:
        // True once the queue was cancelled or destroyed after this task
        // was queued. Poll it between units of work.
        bool canceled() const;
        // Calls `onOwnerThread` on the owner's thread, unless the task is
        // cancelled before the call is delivered.
        void reply(std::function<void()> onOwnerThread) const;

    private:
        friend class BackgroundQueue;
        struct State;
        Context(std::shared_ptr<State> state, quint64 generation);
        std::shared_ptr<State> m_state;
        quint64 m_generation;
    };
    using Task = std::function<void(const Context &context)>;

    // Answers go to `owner`, which must outlive the queue (make the queue a
    // member of the owner).
    explicit BackgroundQueue(QObject *owner);
    ~BackgroundQueue();
    BackgroundQueue(const BackgroundQueue &) = delete;
    BackgroundQueue &operator=(const BackgroundQueue &) = delete;

    void run(Task task);
    // Drops the queued tasks and every answer not yet delivered; the running
    // task sees canceled() and should return soon. Does not wait.
    void cancelAll();

private:
    std::shared_ptr<Context::State> m_state;
};
