#pragma once

// An open descriptor of /proc/self/mountinfo. The kernel marks it with
// POLLPRI (and POLLERR) whenever something is mounted or unmounted, which is
// how the index learns of volumes that come and go.
class MountTableWatcher
{
public:
    MountTableWatcher();
    ~MountTableWatcher();
    MountTableWatcher(const MountTableWatcher &) = delete;
    MountTableWatcher &operator=(const MountTableWatcher &) = delete;

    bool isValid() const { return m_fd >= 0; }
    // For a QSocketNotifier of type Exception; owned by this object.
    int descriptor() const { return m_fd; }

private:
    int m_fd = -1;
};
