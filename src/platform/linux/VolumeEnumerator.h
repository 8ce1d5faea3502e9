#pragma once

#include "platform/linux/VolumeWalker.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

// Walks a whole volume on several threads and hands every entry to a sink on
// the calling thread, each exactly once. The walk is bound by system calls,
// so worker threads list folders (a busy walker gives subfolders to idle
// ones) while the calling thread only passes entries on. Entries travel in
// chunks of packed records, so no allocation is made per entry.
class VolumeEnumerator : private VolumeWalker::Donor
{
public:
    // `threads` 0 picks one per processor, at most kMaxThreads.
    VolumeEnumerator(FileDescriptor root, const QString &rootPath, const CancelFlag *cancel, int threads = 0);
    ~VolumeEnumerator() override;
    VolumeEnumerator(const VolumeEnumerator &) = delete;
    VolumeEnumerator &operator=(const VolumeEnumerator &) = delete;

    std::uint64_t rootIno() const { return m_rootIno; }
    // Runs the walk; raises FileSearchCancelException once *cancel is set
    // (after which no entry reaches the sink).
    void run(VolumeWalker::Sink &sink);

    static constexpr int kMaxThreads = 4;

private:
    struct Task
    {
        FileDescriptor folder;
        std::uint64_t ino;
        QString path;
    };
    using Chunk = std::vector<char>;
    class ChunkSink;

    bool wantsWork() override;
    void donate(FileDescriptor folder, std::uint64_t ino, const QString &path) override;
    void work();
    bool takeTask(Task *task);
    void finishTask();
    void pushChunk(Chunk &chunk);
    bool popChunk(Chunk *chunk);
    void deliver(const Chunk &chunk, VolumeWalker::Sink &sink) const;
    void stopWorkers();

    const CancelFlag *m_cancel;
    QString m_rootPath;
    std::uint64_t m_rootIno = 0;
    int m_threadCount;
    std::vector<std::thread> m_threads;

    std::mutex m_mutex; // guards everything below
    std::condition_variable m_workReady;
    std::condition_variable m_chunkReady;
    std::condition_variable m_chunkTaken;
    std::deque<Task> m_tasks;
    std::deque<Chunk> m_chunks;
    int m_busy = 0;
    bool m_finished = false;
    bool m_stop = false;
    std::exception_ptr m_error;
    // Read without the lock on every folder to decide about donating.
    std::atomic<int> m_idle{0};
    std::atomic<int> m_queued{0};
};
