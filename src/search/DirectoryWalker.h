#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class DirectoryListing;

// Lists the folders that the index does not cover: every entry of each root
// and, with `recurse`, of every folder found below, breadth-first in the
// order found. Folders are returned as well as files. A folder whose path
// contains an exclude entry as a substring, in any case, is neither returned
// nor entered. Symbolic links are returned as files and never followed.
class DirectoryWalker
{
public:
    DirectoryWalker(const QStringList &roots, const QStringList &excludes, bool recurse);
    ~DirectoryWalker();
    DirectoryWalker(const DirectoryWalker &) = delete;
    DirectoryWalker &operator=(const DirectoryWalker &) = delete;

    // The full path of the next entry, or an empty string at the end.
    QString next();
    // Moves to the next entry without making its path: false at the end.
    bool advance();
    // Of the entry last returned by next() or advance(). The name is
    // decoded when first asked for: a walk that matches and keeps names as
    // the file system's bytes never decodes most of them.
    QString fileName() const;
    QString dirPath() const { return m_directory; }
    bool isDir() const { return m_isDir; }
    // The name and its folder as the file system's bytes (NUL-terminated).
    const char *fileNameBytes() const;
    const char *dirPathBytes() const { return m_directoryBytes.constData(); }

    bool isExcluded(const QString &path) const;

private:
    bool readEntry();
    bool openNextRoot();
    QString entryPath() const;

    QStringList m_roots;
    QStringList m_excludes;
    int m_current = -1;
    QString m_directory;
    QByteArray m_directoryBytes;
    std::unique_ptr<DirectoryListing> m_listing;
    mutable QString m_name;
    mutable bool m_nameDecoded = false;
    bool m_isDir = false;
    bool m_recurse;
};
