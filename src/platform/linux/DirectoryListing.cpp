#include "platform/linux/DirectoryListing.h"

#include "platform/linux/SysCall.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Large enough that most folders are read in one call.
const std::size_t kBufferSize = 32 * 1024;

// The layout getdents64 writes; glibc has no declaration of its own.
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

DirectoryListing::DirectoryListing(const QString &path)
    : m_fd(sysOpenAt(AT_FDCWD, QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY))
{
    if (!m_fd.isValid())
        m_error = errno;
    else
        m_buffer.resize(kBufferSize);
}

bool DirectoryListing::next(QString &name, bool &isDir)
{
    while (m_pos < m_end || fill()) {
        const auto *entry = reinterpret_cast<const LinuxDirent64 *>(m_buffer.data() + m_pos);
        m_pos += entry->d_reclen;
        if (isDotOrDotDot(entry->d_name))
            continue;
        name = QFile::decodeName(entry->d_name);
        isDir = isDirectory(entry->d_name, entry->d_type);
        return true;
    }
    return false;
}

bool DirectoryListing::fill()
{
    if (!m_fd.isValid())
        return false;
    const long bytes = sysGetdents64(m_fd.get(), m_buffer.data(), m_buffer.size());
    if (bytes < 0)
        m_error = errno;
    if (bytes <= 0) {
        m_fd.reset();
        return false;
    }
    m_pos = 0;
    m_end = std::size_t(bytes);
    return true;
}

// Some file systems leave d_type unknown; only then is the entry looked at.
bool DirectoryListing::isDirectory(const char *name, unsigned char type) const
{
    if (type != DT_UNKNOWN)
        return type == DT_DIR;
    struct stat st;
    return sysFstatAt(m_fd.get(), name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}
