#include "platform/linux/VolumeWalker.h"

#include "base/FileSearchCancelException.h"
#include "base/Logger.h"
#include "platform/linux/SysCall.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>

namespace {

// Large enough that most folders are read in one call; reused for the walk.
const std::size_t kBufferSize = 256 * 1024;

struct LinuxDirent64
{
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

} // namespace

VolumeWalker::VolumeWalker(std::uint64_t volumeRootIno, const CancelFlag *cancel)
    : m_cancel(cancel)
    , m_volumeRootIno(volumeRootIno)
    , m_buffer(kBufferSize)
{
}

void VolumeWalker::checkCancel(const CancelFlag *cancel)
{
    // The flag is set by another thread; an atomic load keeps that defined.
    if (cancel && cancel->load(std::memory_order_relaxed))
        throw FileSearchCancelException(QStringLiteral("MFTReader"), __LINE__, QStringLiteral("Canceled"));
}

void VolumeWalker::walk(FileDescriptor folder, std::uint64_t folderIno, const QString &folderPath, Sink &sink)
{
    // A canceled walk leaves its frames behind.
    m_frames.clear();
    m_subdirs.clear();
    m_names.clear();
    if (!folder.isValid())
        return;
    m_rootPath = folderPath;
    m_frames.push_back(Frame{std::move(folder), folderIno, 0, 0, 0, 0});
    checkCancel(m_cancel);
    listDirectory(m_frames.back(), sink);
    while (!m_frames.empty()) {
        if (m_donor && m_donor->wantsWork())
            donateShallowest();
        if (!enterNext()) {
            leave();
            continue;
        }
        checkCancel(m_cancel);
        listDirectory(m_frames.back(), sink);
    }
}

bool VolumeWalker::isDirectory(int dirFd, const char *name, unsigned char type) const
{
    if (type != DT_UNKNOWN)
        return type == DT_DIR;
    // Some file systems (and old xfs formats) do not record the type.
    struct stat st;
    return sysFstatAt(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}

void VolumeWalker::listDirectory(Frame &frame, Sink &sink)
{
    frame.namesBegin = m_names.size();
    frame.subdirsBegin = m_subdirs.size();
    frame.nextSubdir = frame.subdirsBegin;
    for (;;) {
        const long size = sysGetdents64(frame.fd.get(), m_buffer.data(), m_buffer.size());
        if (size <= 0) {
            if (size < 0)
                Logger::instance()->log(WARNING, "MFTReader", QStringLiteral("Failed to read folder %1, error = %2")
                                                                  .arg(pathOf(m_frames.size() - 1)).arg(errno));
            return;
        }
        for (long offset = 0; offset < size;) {
            const auto *dirent = reinterpret_cast<const LinuxDirent64 *>(m_buffer.data() + offset);
            offset += dirent->d_reclen;
            const char *name = dirent->d_name;
            // A nested btrfs subvolume shows as an entry with the inode of a
            // subvolume root, which is also this volume's root: it belongs to
            // another volume and would make the root its own child.
            if (isDotOrDotDot(name) || dirent->d_ino == m_volumeRootIno)
                continue;
            const bool isDir = isDirectory(frame.fd.get(), name, dirent->d_type);
            const std::size_t nameSize = std::strlen(name);
            sink.entry(dirent->d_ino, frame.ino, name, nameSize, isDir);
            if (isDir) {
                m_subdirs.push_back(Subdir{m_names.size(), dirent->d_ino});
                m_names.insert(m_names.end(), name, name + nameSize + 1);
            }
        }
    }
}

// Opens the next subfolder of the frame at `depth`; false when it has none
// left. A subfolder that cannot be opened leaves *fd invalid.
bool VolumeWalker::openNextSubdir(std::size_t depth, FileDescriptor *fd, Subdir *subdir)
{
    Frame &frame = m_frames[depth];
    const std::size_t end = depth + 1 < m_frames.size() ? m_frames[depth + 1].subdirsBegin : m_subdirs.size();
    if (frame.nextSubdir >= end || !frame.fd.isValid())
        return false;
    *subdir = m_subdirs[frame.nextSubdir++];
    const char *name = m_names.data() + subdir->nameOffset;
    *fd = sysOpenSubdirectory(frame.fd.get(), name);
    // EXDEV: the mount point of another file system, reported but not
    // entered. ENOENT/ENOTDIR/ELOOP: replaced while we walked.
    if (!fd->isValid() && errno != EXDEV && errno != ENOENT && errno != ENOTDIR && errno != ELOOP)
        Logger::instance()->log(WARNING, "MFTReader", QStringLiteral("Failed to open folder %1, error = %2")
                                                          .arg(pathOf(depth, name)).arg(errno));
    return true;
}

// Opens the next subfolder of the top frame and pushes it; false when none is left.
bool VolumeWalker::enterNext()
{
    FileDescriptor fd;
    Subdir subdir;
    while (openNextSubdir(m_frames.size() - 1, &fd, &subdir)) {
        if (!fd.isValid())
            continue;
        if (m_frames.size() >= kMaxOpenDirectories)
            closeFarAncestor();
        m_frames.push_back(Frame{std::move(fd), subdir.ino, subdir.nameOffset, 0, 0, 0});
        return true;
    }
    return false;
}

// Gives away the waiting subfolder nearest the top of the walk: the one
// likely to hold the most, so that the taker stays busy for long and the
// threads seldom have to meet.
void VolumeWalker::donateShallowest()
{
    FileDescriptor fd;
    Subdir subdir;
    for (std::size_t depth = 0; depth < m_frames.size(); ++depth) {
        while (openNextSubdir(depth, &fd, &subdir)) {
            if (fd.isValid()) {
                m_donor->donate(std::move(fd), subdir.ino, pathOf(depth, m_names.data() + subdir.nameOffset));
                return;
            }
        }
    }
}

// Closes the descriptor of the shallowest ancestor still open (never the
// root's); leave() opens it again through ".." when the walk returns there.
void VolumeWalker::closeFarAncestor()
{
    for (std::size_t i = 1; i < m_frames.size(); ++i) {
        if (m_frames[i].fd.isValid()) {
            m_frames[i].fd.reset();
            return;
        }
    }
}

// A closed parent is opened again through ".." of the child being left,
// whether or not it has subfolders left: its own parent may need it as the
// way back in turn.
void VolumeWalker::leave()
{
    Frame &child = m_frames.back();
    m_names.resize(child.namesBegin);
    m_subdirs.resize(child.subdirsBegin);
    if (m_frames.size() >= 2 && child.fd.isValid()) {
        Frame &parent = m_frames[m_frames.size() - 2];
        if (!parent.fd.isValid()) {
            parent.fd = sysOpenAt(child.fd.get(), "..", O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
            struct stat st;
            if (!parent.fd.isValid() || sysFstat(parent.fd.get(), &st) != 0 || st.st_ino != parent.ino) {
                Logger::instance()->log(WARNING, "MFTReader", QStringLiteral("Folder %1 moved during the walk")
                                                                  .arg(pathOf(m_frames.size() - 2)));
                parent.fd.reset();
            }
        }
    }
    m_frames.pop_back();
}

QString VolumeWalker::pathOf(std::size_t depth, const char *leaf) const
{
    QString path = m_rootPath;
    auto append = [&path](const char *name) {
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        path += QFile::decodeName(name);
    };
    for (std::size_t i = 1; i <= depth && i < m_frames.size(); ++i)
        append(m_names.data() + m_frames[i].nameOffset);
    if (leaf)
        append(leaf);
    return path;
}
