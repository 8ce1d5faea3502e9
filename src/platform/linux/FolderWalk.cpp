#include "platform/linux/FolderWalk.h"

#include "base/Logger.h"
#include "platform/linux/FileDescriptor.h"
#include "platform/linux/SysCall.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr char kComponent[] = "ChangeJournalReader";

struct Frame
{
    FileDescriptor fd;   // invalid while closed to stay under the limit
    FRN frn;
    QVector<FolderWalk::Subfolder> subfolders;
    int next = 0;
};

// Reopens the folder below the top frame, which was closed on the way down.
// A folder moved meanwhile is not followed to its new place: the rest of it
// is left out, and the changes queued since the mark describe the move.
void reopenParent(const Frame &child, Frame &parent, quint64 device)
{
    FileDescriptor fd = sysOpenAt(child.fd.get(), "..", O_RDONLY | O_DIRECTORY);
    struct stat st;
    if (fd.isValid() && sysFstat(fd.get(), &st) == 0 && st.st_ino == parent.frn && st.st_dev == device) {
        parent.fd = std::move(fd);
        return;
    }
    Logger::instance()->log(WARNING, kComponent,
                            QStringLiteral("Folder %1 moved during the walk; the rest of it is skipped").arg(parent.frn));
    parent.next = parent.subfolders.size();
}

} // namespace

FolderWalk::FolderWalk(int startFd, const std::atomic<bool> *stop)
    : m_startFd(startFd)
    , m_stop(stop)
{
}

bool FolderWalk::run(Visitor &visitor)
{
    FileDescriptor start = sysOpenAt(m_startFd, ".", O_RDONLY | O_DIRECTORY);
    struct stat st;
    if (!start.isValid() || sysFstat(start.get(), &st) != 0)
        return false;
    const quint64 device = st.st_dev;
    std::vector<Frame> stack;
    auto push = [&](FileDescriptor fd, FRN frn) {
        if (stack.size() >= std::size_t(kMaxOpenFolders))
            stack[stack.size() - kMaxOpenFolders].fd.reset();
        QVector<Subfolder> subfolders = visitor.enter(fd.get(), frn);
        stack.push_back(Frame{std::move(fd), frn, std::move(subfolders), 0});
    };
    push(std::move(start), st.st_ino);
    while (!stack.empty()) {
        if (m_stop && m_stop->load())
            return false;
        Frame &top = stack.back();
        if (top.next >= top.subfolders.size() || !top.fd.isValid()) {
            Frame done = std::move(top);
            stack.pop_back();
            if (!stack.empty() && !stack.back().fd.isValid() && done.fd.isValid())
                reopenParent(done, stack.back(), device);
            continue;
        }
        const Subfolder sub = top.subfolders.at(top.next++);
        FileDescriptor fd = sysOpenSubdirectory(top.fd.get(), sub.name.constData());
        const bool opened = fd.isValid() && sysFstat(fd.get(), &st) == 0;
        if (!opened && errno == EXDEV)
            continue;   // a mount point or another btrfs subvolume: a volume of its own
        if (!opened || (sub.frn != 0 && st.st_ino != sub.frn)) {
            QVector<Subfolder> remaining;
            if (visitor.mismatch(top.fd.get(), top.frn, top.subfolders.mid(0, top.next - 1), &remaining)) {
                top.subfolders = std::move(remaining);
                top.next = 0;
            }
            continue;
        }
        if (st.st_dev == device)
            push(std::move(fd), st.st_ino);
    }
    return true;
}
