#pragma once

#include "platform/linux/FileDescriptor.h"

#include <QByteArray>
#include <QtGlobal>

#include <memory>

// Reads the entries of an open directory with getdents64, skipping "." and
// "..". The type comes from d_type; only DT_UNKNOWN costs an fstatat.
// Symbolic links are never followed: a link to a folder is a file here.
//
// Reads through a descriptor of its own, opened on construction: btrfs lists
// only the entries that existed when a descriptor was opened, and a folder
// marked for changes after the caller opened it must still be listed with
// everything made before the mark.
class DirectoryStream
{
public:
    struct Entry
    {
        quint64 inode = 0;
        QByteArray name;
        bool isFolder = false;
    };

    // `dirFd` stays owned by the caller.
    explicit DirectoryStream(int dirFd);
    // Reads through `ownFd`, a directory descriptor opened for this stream
    // alone (already its own, so no second one is opened).
    explicit DirectoryStream(FileDescriptor ownFd);

    // The next entry; false at the end or on an error (then error() is set).
    bool next(Entry &entry);
    int error() const { return m_error; }

private:
    bool fill();

    FileDescriptor m_fd;
    int m_error = 0;
    // Filled by each read before it is looked at: never cleared.
    std::unique_ptr<char[]> m_buffer;
    long m_size = 0;
    long m_offset = 0;
};
