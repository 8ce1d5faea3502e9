#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <vector>

// Reads the entries of an open directory with getdents64, skipping "." and
// "..". The type comes from d_type; only DT_UNKNOWN costs an fstatat.
// Symbolic links are never followed: a link to a folder is a file here.
// The descriptor stays owned by the caller.
class DirectoryStream
{
public:
    struct Entry
    {
        quint64 inode = 0;
        QByteArray name;
        bool isFolder = false;
    };

    explicit DirectoryStream(int dirFd);

    // The next entry; false at the end or on an error (then error() is set).
    bool next(Entry &entry);
    int error() const { return m_error; }

private:
    bool fill();

    int m_fd;
    int m_error = 0;
    std::vector<char> m_buffer;
    long m_size = 0;
    long m_offset = 0;
};
