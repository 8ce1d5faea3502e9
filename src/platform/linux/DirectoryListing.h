#pragma once

#include "platform/linux/FileDescriptor.h"

#include <QString>

#include <cstddef>
#include <vector>

// The entries of one directory, read with getdents64 through the one
// descriptor this object owns. "." and ".." are never returned. Symbolic
// links are reported as what they are (not directories), so a walk built on
// this never follows one and cannot loop.
class DirectoryListing
{
public:
    explicit DirectoryListing(const QString &path);
    DirectoryListing(const DirectoryListing &) = delete;
    DirectoryListing &operator=(const DirectoryListing &) = delete;

    bool isOpen() const { return m_fd.isValid(); }
    // errno of the failed open or read; 0 when none failed.
    int error() const { return m_error; }

    // The next entry; false at the end of the listing or on a read error.
    bool next(QString &name, bool &isDir);

private:
    bool fill();
    bool isDirectory(const char *name, unsigned char type) const;

    FileDescriptor m_fd;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    int m_error = 0;
};
