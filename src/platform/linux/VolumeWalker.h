#pragma once

#include "base/IndexTypes.h"
#include "platform/linux/FileDescriptor.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// Walks folders of one volume with getdents64 and hands every entry to a
// sink once. Symbolic links are never followed; the mount points of other
// file systems are reported but not entered; nested btrfs subvolumes (whose
// entries carry the inode number of a volume root) are left out. Folders are
// opened relative to their parent, so the walk works at any depth and path
// length; at most kMaxOpenDirectories descriptors stay open however deep the
// tree is. Not thread-safe: one walker per thread.
class VolumeWalker
{
public:
    class Sink
    {
    public:
        virtual ~Sink() = default;
        // `name` is not terminated and lives only during the call.
        virtual void entry(std::uint64_t ino, std::uint64_t parentIno, const char *name, std::size_t size,
                           bool isDir) = 0;
    };

    // Takes subfolders off a walk so that other threads can walk them.
    class Donor
    {
    public:
        virtual ~Donor() = default;
        // Asked before entering each subfolder; cheap.
        virtual bool wantsWork() = 0;
        // The subfolder is open; the walker forgets it after this call.
        virtual void donate(FileDescriptor folder, std::uint64_t ino, const QString &path) = 0;
    };

    // Walks folders of the volume whose root has inode `volumeRootIno`.
    // `cancel` may be null; it is polled before every folder. One walker
    // serves many walks, so that its buffers are allocated once.
    VolumeWalker(std::uint64_t volumeRootIno, const CancelFlag *cancel);

    void setDonor(Donor *donor) { m_donor = donor; }
    // Walks below the open folder `folder` (inode `folderIno`, path
    // `folderPath` for log messages). Raises FileSearchCancelException when
    // `cancel` is set.
    void walk(FileDescriptor folder, std::uint64_t folderIno, const QString &folderPath, Sink &sink);
    static void checkCancel(const CancelFlag *cancel);

private:
    struct Frame
    {
        FileDescriptor fd;         // invalid while closed to stay under the limit
        std::uint64_t ino;
        std::size_t nameOffset;    // of this folder's name in m_names (root: none)
        std::size_t namesBegin;    // first byte of the names of its subfolders
        std::size_t subdirsBegin;  // its subfolders in m_subdirs
        std::size_t nextSubdir;
    };
    struct Subdir
    {
        std::size_t nameOffset;    // NUL-terminated in m_names
        std::uint64_t ino;
    };

    // Several walkers may run at once; together they stay far below the
    // usual limit of 1024 descriptors.
    static constexpr std::size_t kMaxOpenDirectories = 64;

    void listDirectory(Frame &frame, Sink &sink);
    bool isDirectory(int dirFd, const char *name, unsigned char type) const;
    bool openNextSubdir(std::size_t depth, FileDescriptor *fd, Subdir *subdir);
    bool enterNext();
    void donateShallowest();
    void leave();
    void closeFarAncestor();
    QString pathOf(std::size_t depth, const char *leaf = nullptr) const;

    QString m_rootPath;
    const CancelFlag *m_cancel;
    std::uint64_t m_volumeRootIno;
    Donor *m_donor = nullptr;
    std::vector<Frame> m_frames;
    std::vector<Subdir> m_subdirs;
    std::vector<char> m_names;
    std::vector<char> m_buffer;
};
