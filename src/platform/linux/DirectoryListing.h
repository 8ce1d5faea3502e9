#pragma once

#include "platform/linux/DirectoryStream.h"

#include <QString>

#include <memory>

// The entries of one directory named by path, for walks that go folder by
// folder through paths (the search's folder walk). Owns the descriptor the
// entries are read from; "." and ".." are never returned, and a symbolic
// link is reported as what it is (not a directory), so a walk built on this
// never follows one and cannot loop.
class DirectoryListing
{
public:
    // Any length of path: a folder deeper than PATH_MAX is reached name by name.
    explicit DirectoryListing(const QString &path);
    DirectoryListing(const DirectoryListing &) = delete;
    DirectoryListing &operator=(const DirectoryListing &) = delete;

    bool isOpen() const { return m_stream != nullptr; }
    // errno of the failed open or read; 0 when none failed.
    int error() const;

    // The next entry; false at the end of the listing or on a read error.
    bool next(QString &name, bool &isDir);
    // The same without decoding the name: it is name() until the next call.
    bool next(bool &isDir);
    // The last entry's name as the file system has it.
    const QByteArray &name() const { return m_entry.name; }

private:
    int m_openError = 0;
    std::unique_ptr<DirectoryStream> m_stream;
    DirectoryStream::Entry m_entry;
};
