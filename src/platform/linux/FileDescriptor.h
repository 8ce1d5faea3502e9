#pragma once

// The one owner of a file descriptor: closes it when destroyed or reset.
// Movable, not copyable, so a transfer of ownership shows in the code.
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    FileDescriptor(FileDescriptor &&other) noexcept : m_fd(other.release()) {}
    FileDescriptor &operator=(FileDescriptor &&other) noexcept;

    bool isValid() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    // Gives up ownership without closing.
    int release();
    // Closes the owned descriptor (if any) and takes `fd`.
    void reset(int fd = -1);

private:
    int m_fd = -1;
};
