#include "platform/linux/MountTableWatcher.h"

#include <fcntl.h>
#include <unistd.h>

MountTableWatcher::MountTableWatcher()
    : m_fd(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC))
{
}

MountTableWatcher::~MountTableWatcher()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
