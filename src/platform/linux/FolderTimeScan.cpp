#include "platform/linux/FolderTimeScan.h"

#include "platform/linux/SysCall.h"

#include <algorithm>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace {

// Below this many folders one thread is as quick as starting more.
constexpr std::size_t kFoldersPerThread = 4000;
constexpr unsigned kMaxThreads = 8;
// Folders a thread takes from the shared queue at a time.
constexpr std::size_t kBatch = 64;

USN changeTime(const struct stat &st)
{
    const auto ns = [](const struct timespec &t) { return USN(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return qMax(ns(st.st_ctim), ns(st.st_mtim));
}

} // namespace

FolderTimeScan::FolderTimeScan(int rootFd, std::vector<IJournalReplaySource::Folder> folders,
                               const QSet<QByteArray> &mountPoints, const std::atomic<bool> *stop)
    : m_rootFd(rootFd)
    , m_stop(stop)
{
    for (const QByteArray &path : mountPoints)
        m_mountPoints.insert(path.toStdString());
    m_nodes.reserve(folders.size());
    for (const IJournalReplaySource::Folder &folder : folders)
        m_nodes.push_back(Node{folder, -1, Unknown, false, {}});
    std::sort(m_nodes.begin(), m_nodes.end(),
              [](const Node &a, const Node &b) { return a.folder.frn < b.folder.frn; });
    link();
}

bool FolderTimeScan::run(USN since)
{
    struct stat st;
    if (sysFstat(m_rootFd, &st) != 0)
        return false;
    const int root = indexOf(st.st_ino);
    if (root >= 0) {
        m_nodes[std::size_t(root)].status = changeTime(st) >= since ? Changed : Unchanged;
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        const unsigned threads = unsigned(std::min<std::size_t>({cores, kMaxThreads, m_nodes.size() / kFoldersPerThread + 1}));
        scan(root, since, st.st_dev, threads);
    }
    if (m_stop && m_stop->load())
        return false;
    markVisits();
    m_scanned = true;
    return true;
}

int FolderTimeScan::indexOf(FRN frn) const
{
    const auto it = std::lower_bound(m_nodes.begin(), m_nodes.end(), frn,
                                     [](const Node &node, FRN key) { return node.folder.frn < key; });
    return it != m_nodes.end() && it->folder.frn == frn ? int(it - m_nodes.begin()) : -1;
}

// Parent indexes and the children of every folder, in one array.
void FolderTimeScan::link()
{
    std::vector<int> counts(m_nodes.size() + 1, 0);
    for (Node &node : m_nodes) {
        node.parent = indexOf(node.folder.parent);
        if (node.parent >= 0)
            ++counts[std::size_t(node.parent)];
    }
    m_childStart.assign(m_nodes.size() + 1, 0);
    for (std::size_t i = 0; i < m_nodes.size(); ++i)
        m_childStart[i + 1] = m_childStart[i] + counts[i];
    m_children.assign(std::size_t(m_childStart.back()), 0);
    std::vector<int> next(m_childStart.begin(), m_childStart.end() - 1);
    for (std::size_t i = 0; i < m_nodes.size(); ++i) {
        const int parent = m_nodes[i].parent;
        if (parent >= 0)
            m_children[std::size_t(next[std::size_t(parent)]++)] = int(i);
    }
}

// Breadth of the tree is shared out: a thread takes a batch of folders whose
// parents are checked, looks them up, and queues the children of those found.
void FolderTimeScan::scan(int rootIndex, USN since, quint64 device, unsigned threads)
{
    std::mutex mutex;
    std::condition_variable wake;
    std::vector<int> pending;
    int busy = 0;
    const auto queueChildren = [&](int parent, std::vector<int> &into) {
        for (int c = m_childStart[std::size_t(parent)]; c < m_childStart[std::size_t(parent) + 1]; ++c) {
            // A damaged index may give the root a parent below it: never again.
            if (m_children[std::size_t(c)] != rootIndex)
                into.push_back(m_children[std::size_t(c)]);
        }
    };
    queueChildren(rootIndex, pending);
    const auto work = [&] {
        std::vector<int> batch;
        std::vector<int> found;
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [&] { return !pending.empty() || busy == 0; });
            if (pending.empty() || (m_stop && m_stop->load())) {
                pending.clear();
                wake.notify_all();
                return;
            }
            const std::size_t take = std::min(kBatch, pending.size());
            batch.assign(pending.end() - std::ptrdiff_t(take), pending.end());
            pending.resize(pending.size() - take);
            ++busy;
            lock.unlock();
            found.clear();
            for (int index : batch) {
                Node &node = m_nodes[std::size_t(index)];
                check(node, since, device);
                if (node.status != Unknown)
                    queueChildren(index, found);
            }
            lock.lock();
            pending.insert(pending.end(), found.begin(), found.end());
            --busy;
            wake.notify_all();
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < threads; ++i)
        helpers.emplace_back(work);
    work();
    for (std::thread &helper : helpers)
        helper.join();
}

// Runs on a scanning thread: the parent's path is complete before any of its
// children is queued, and each node is checked by one thread only.
void FolderTimeScan::check(Node &node, USN since, quint64 device) const
{
    const Node &parent = m_nodes[std::size_t(node.parent)];
    node.path = parent.path.empty() ? std::string(node.folder.name)
                                    : parent.path + '/' + node.folder.name;
    if (m_mountPoints.count(node.path))
        return;
    struct stat st;
    if (sysFstatAt(m_rootFd, node.path.c_str(), &st, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT) != 0)
        return;
    if (!S_ISDIR(st.st_mode) || st.st_ino != node.folder.frn || st.st_dev != device)
        return;
    node.status = changeTime(st) >= since ? Changed : Unchanged;
}

// A folder needs a visit when it is not known to be unchanged, and so do all
// the folders on the way to it.
void FolderTimeScan::markVisits()
{
    for (std::size_t i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes[i].status == Unchanged)
            continue;
        // Stops at the first folder already marked, which also ends a cycle.
        for (int j = int(i); j >= 0 && !m_nodes[std::size_t(j)].needsVisit; j = m_nodes[std::size_t(j)].parent)
            m_nodes[std::size_t(j)].needsVisit = true;
    }
}

FolderTimeScan::Status FolderTimeScan::status(FRN frn) const
{
    const int index = indexOf(frn);
    return index >= 0 ? m_nodes[std::size_t(index)].status : Unknown;
}

bool FolderTimeScan::needsVisit(FRN frn) const
{
    const int index = indexOf(frn);
    return !m_scanned || index < 0 || m_nodes[std::size_t(index)].needsVisit;
}

QVector<FolderWalk::Subfolder> FolderTimeScan::children(FRN frn, bool toVisitOnly) const
{
    QVector<FolderWalk::Subfolder> result;
    const int index = indexOf(frn);
    if (index < 0)
        return result;
    for (int c = m_childStart[std::size_t(index)]; c < m_childStart[std::size_t(index) + 1]; ++c) {
        const Node &child = m_nodes[std::size_t(m_children[std::size_t(c)])];
        if (!toVisitOnly || child.needsVisit)
            result.append({QByteArray(child.folder.name), child.folder.frn});
    }
    return result;
}
