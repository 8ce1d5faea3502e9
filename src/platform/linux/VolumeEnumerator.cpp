#include "platform/linux/VolumeEnumerator.h"

#include "base/FileSearchCancelException.h"
#include "platform/linux/SysCall.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace {

const std::size_t kChunkBytes = 64 * 1024;
// Bounds the memory of entries found but not yet received (16 MiB).
const std::size_t kMaxQueuedChunks = 256;
const std::uint32_t kFolderFlag = 0x80000000u;

struct RecordHeader
{
    std::uint64_t ino;
    std::uint64_t parentIno;
    std::uint32_t sizeAndFlag;
};

} // namespace

// Packs the entries of one worker into chunks and queues every full one.
class VolumeEnumerator::ChunkSink : public VolumeWalker::Sink
{
public:
    explicit ChunkSink(VolumeEnumerator *owner) : m_owner(owner) { m_chunk.reserve(kChunkBytes); }
    void entry(std::uint64_t ino, std::uint64_t parentIno, const char *name, std::size_t size, bool isDir) override
    {
        const RecordHeader header{ino, parentIno, std::uint32_t(size) | (isDir ? kFolderFlag : 0)};
        const char *bytes = reinterpret_cast<const char *>(&header);
        m_chunk.insert(m_chunk.end(), bytes, bytes + sizeof header);
        m_chunk.insert(m_chunk.end(), name, name + size);
        if (m_chunk.size() >= kChunkBytes - 512)
            flush();
    }
    void flush()
    {
        if (!m_chunk.empty())
            m_owner->pushChunk(m_chunk);
    }

private:
    VolumeEnumerator *m_owner;
    Chunk m_chunk;
};

VolumeEnumerator::VolumeEnumerator(FileDescriptor root, const QString &rootPath, const CancelFlag *cancel, int threads)
    : m_cancel(cancel)
    , m_rootPath(rootPath)
    , m_threadCount(threads > 0 ? threads
                                : std::clamp(int(std::thread::hardware_concurrency()), 1, kMaxThreads))
{
    struct stat st;
    if (root.isValid() && sysFstat(root.get(), &st) == 0)
        m_rootIno = st.st_ino;
    m_tasks.push_back(Task{std::move(root), m_rootIno, rootPath});
    m_queued = 1;
}

VolumeEnumerator::~VolumeEnumerator()
{
    stopWorkers();
}

void VolumeEnumerator::run(VolumeWalker::Sink &sink)
{
    for (int i = 0; i < m_threadCount; ++i)
        m_threads.emplace_back(&VolumeEnumerator::work, this);
    Chunk chunk;
    while (popChunk(&chunk))
        deliver(chunk, sink);
    const bool canceled = m_cancel && m_cancel->load(std::memory_order_relaxed);
    stopWorkers();
    if (m_error)
        std::rethrow_exception(m_error);
    VolumeWalker::checkCancel(canceled ? m_cancel : nullptr);
}

void VolumeEnumerator::deliver(const Chunk &chunk, VolumeWalker::Sink &sink) const
{
    for (std::size_t offset = 0; offset < chunk.size();) {
        // Checked per entry so that nothing is reported after a cancel, even
        // from chunks found before it.
        if (m_cancel && m_cancel->load(std::memory_order_relaxed))
            return;
        RecordHeader header;
        std::memcpy(&header, chunk.data() + offset, sizeof header);
        offset += sizeof header;
        const std::size_t size = header.sizeAndFlag & ~kFolderFlag;
        sink.entry(header.ino, header.parentIno, chunk.data() + offset, size, header.sizeAndFlag & kFolderFlag);
        offset += size;
    }
}

bool VolumeEnumerator::wantsWork()
{
    return m_idle.load(std::memory_order_relaxed) > m_queued.load(std::memory_order_relaxed);
}

void VolumeEnumerator::donate(FileDescriptor folder, std::uint64_t ino, const QString &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_tasks.push_back(Task{std::move(folder), ino, path});
    ++m_queued;
    m_workReady.notify_one();
}

void VolumeEnumerator::work()
{
    ChunkSink sink(this);
    VolumeWalker walker(m_rootIno, m_cancel);
    walker.setDonor(this);
    Task task;
    while (takeTask(&task)) {
        try {
            walker.walk(std::move(task.folder), task.ino, task.path, sink);
        } catch (const FileSearchCancelException &) {
            // run() notices the flag itself.
        } catch (...) {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_error)
                m_error = std::current_exception();
            m_stop = true;
            m_chunkReady.notify_all();
        }
        sink.flush();
        finishTask();
    }
}

bool VolumeEnumerator::takeTask(Task *task)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    ++m_idle;
    m_workReady.wait(lock, [this] { return !m_tasks.empty() || m_finished || m_stop; });
    --m_idle;
    if (m_cancel && m_cancel->load(std::memory_order_relaxed))
        m_finished = true;
    if (m_tasks.empty() || m_stop || m_finished) {
        m_workReady.notify_all();
        m_chunkReady.notify_all();
        return false;
    }
    *task = std::move(m_tasks.front());
    m_tasks.pop_front();
    --m_queued;
    ++m_busy;
    return true;
}

// The walk is over when no folder waits and no worker walks, since only a
// walking worker can add folders.
void VolumeEnumerator::finishTask()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    --m_busy;
    const bool canceled = m_cancel && m_cancel->load(std::memory_order_relaxed);
    if ((m_busy == 0 && m_tasks.empty()) || canceled) {
        m_finished = true;
        m_workReady.notify_all();
        m_chunkReady.notify_all();
    }
}

void VolumeEnumerator::pushChunk(Chunk &chunk)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_chunkTaken.wait(lock, [this] { return m_chunks.size() < kMaxQueuedChunks || m_stop; });
    if (!m_stop)
        m_chunks.push_back(std::move(chunk));
    chunk = Chunk();
    chunk.reserve(kChunkBytes);
    m_chunkReady.notify_one();
}

bool VolumeEnumerator::popChunk(Chunk *chunk)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_chunkReady.wait(lock, [this] { return !m_chunks.empty() || m_finished || m_stop; });
    if (m_chunks.empty() || m_stop)
        return false;
    *chunk = std::move(m_chunks.front());
    m_chunks.pop_front();
    m_chunkTaken.notify_one();
    return true;
}

void VolumeEnumerator::stopWorkers()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        m_workReady.notify_all();
        m_chunkTaken.notify_all();
    }
    for (std::thread &thread : m_threads)
        thread.join();
    m_threads.clear();
}
