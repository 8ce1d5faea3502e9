#include "platform/linux/DirectoryStream.h"

#include "platform/linux/SysCall.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>

#include <utility>

namespace {

// Fits a few hundred names per call; directories are read in one or a few calls.
constexpr std::size_t kBufferSize = 32 * 1024;

// The kernel's struct linux_dirent64 (not in the libc headers).
struct LinuxDirent64
{
    quint64 d_ino;
    qint64 d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1];
};

} // namespace

DirectoryStream::DirectoryStream(int dirFd)
    : m_fd(sysOpenAt(dirFd, ".", O_RDONLY | O_DIRECTORY))
    , m_buffer(new char[kBufferSize])
{
    if (!m_fd.isValid())
        m_error = errno;
}

DirectoryStream::DirectoryStream(FileDescriptor ownFd)
    : m_fd(std::move(ownFd))
    , m_buffer(new char[kBufferSize])
{
    if (!m_fd.isValid())
        m_error = EBADF;
}

bool DirectoryStream::fill()
{
    if (!m_fd.isValid())
        return false;
    const long n = sysGetdents64(m_fd.get(), m_buffer.get(), kBufferSize);
    if (n < 0)
        m_error = errno;
    m_size = n > 0 ? n : 0;
    m_offset = 0;
    return n > 0;
}

bool DirectoryStream::next(Entry &entry)
{
    for (;;) {
        if (m_offset >= m_size && !fill())
            return false;
        const auto *dirent = reinterpret_cast<const LinuxDirent64 *>(m_buffer.get() + m_offset);
        m_offset += dirent->d_reclen;
        const char *name = dirent->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        entry.inode = dirent->d_ino;
        // Assigned in place: the entry's own bytes are reused, not allocated anew.
        entry.name = name;
        if (dirent->d_type == DT_UNKNOWN) {
            struct stat st;
            entry.isFolder = sysFstatAt(m_fd.get(), name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
        } else {
            entry.isFolder = dirent->d_type == DT_DIR;
        }
        return true;
    }
}
