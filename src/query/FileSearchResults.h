#pragma once

#include "base/FileCategory.h"
#include "strings/StringPool.h"

#include <QList>
#include <QVector>
#include <QReadWriteLock>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

// The result set of one search: folders and files found, each as an interned
// name and parent path, shown as one sequence of rows, folders first. A
// category filter selects the visible rows; sorting, removal and renaming act
// on the visible rows.
//
// Threads: search threads add while the UI thread shows what was found so
// far, so every operation takes the set's own read-write lock (the pools lock
// themselves). Row numbers are a snapshot: a folder added meanwhile moves the
// files one row down, which the UI's periodic refresh takes in.
class FileSearchResults
{
public:
    struct FileItem
    {
        const char *name = nullptr; // UTF-8, owned by the name pool
        const char *path = nullptr; // parent folder, UTF-8, owned by the path pool
        int matches = 0;            // content matches when they were counted
    };

    // Columns of sort(), in the order of the results table.
    enum Column { Name = 0, Path, Size, Created, Modified, Accessed, Extension, Matches };

    FileSearchResults() = default;
    FileSearchResults(const FileSearchResults &) = delete;
    FileSearchResults &operator=(const FileSearchResults &) = delete;

    void addFolder(const QString &name, const QString &path);
    void addFile(const QString &name, const QString &path, int matches);
    // The same with the file system's bytes (NUL-terminated), kept as they
    // are: what the index service sends needs no conversion.
    void addFolder(const char *name, const char *path);
    void addFile(const char *name, const char *path, int matches = 0);
    // Many of those at once, under one lock of each pool and one of the rows:
    // entry i is names[i] in paths[i], a folder where folders[i] is not 0.
    void addBatch(const char *const *names, const char *const *paths, const unsigned char *folders,
                  std::size_t count);
    // Room for this many more folders and files, set aside before they
    // come: a search that knows at most how many it may add spares the
    // copies of growing by doubling. Only the memory rows are written to is
    // ever touched. Room for more than kMostReserved is not asked for at
    // once; rows beyond it grow the lists as they come.
    static constexpr std::size_t kMostReserved = std::size_t(1) << 22;
    void reserve(std::size_t folders, std::size_t files)
    {
        makeRoom(std::min(folders, kMostReserved), std::min(files, kMostReserved));
    }

    // Visible rows. Safe to call while a search adds.
    int count() const { return m_visibleCount.load(); }
    bool isFolder(int row) const;
    // The visible row's item; an empty item for a row out of range.
    FileItem item(int row) const;
    // The visible folders and the visible files, each counted on its own. A
    // row number moves while a search adds (a folder found moves every file
    // down one row); an index into the folders or into the files does not:
    // both lists only grow at their ends while a search adds.
    int folderCount() const;
    int fileCount() const;
    // An empty item for an index out of range.
    FileItem folderItem(int index) const;
    FileItem fileItem(int index) const;
    // The visible folders from index `folders` on and the visible files from
    // `files` on, appended to the two lists under one look of the lock: for
    // a reader that follows a search as it adds, a lock per item would
    // contend with the adding thread at every item.
    void itemsSince(int folders, int files, std::vector<FileItem> *newFolders, std::vector<FileItem> *newFiles) const;
    // The visible folders, or files, from index `from` up to `to`, under one
    // look of the lock for the same reason; indexes out of range give none.
    std::vector<FileItem> itemsBetween(bool folders, int from, int to) const;
    // Path, "/" and name; an empty string for a row out of range.
    QString fullPath(int row) const;
    static QString fullPath(const FileItem &item);
    // fullPath() as the file system's bytes, into `out` (its memory reused).
    static void fullNativePath(const FileItem &item, std::string *out);

    // Gives back what filling needed and reading does not: the lists' spare
    // room and the name pools' look-up tables, together about half of what
    // a result holds. For a set that is complete; adding stays possible.
    void compact();
    // Names are stored as they come instead of looked up for a copy to
    // share: for a set filled in bulk as fast as it can be (the index
    // service's, streamed to a client, and the client's, taking the stream
    // in), where the look-ups cost more than the copies. Paths are still
    // shared.
    void keepNamesUnshared() { m_namePool->dropIndex(); }

    // The owner of every name and path the rows point to, for a reader on
    // another thread that goes on reading those texts after it has let go
    // of the set (a sort ordering rows it has read): they stay valid while
    // the holder lives, even after the set itself is deleted.
    std::shared_ptr<const void> textOwner() const;

    // Selects categories[index] as the filter, or none with -1. Callers pass
    // -1 or a valid index; another value keeps the previous filtered rows.
    void setFilter(int index, const QList<FileCategory> &categories);
    int filterIndex() const { return m_filterIndex; }
    const QList<FileCategory> &categories() const { return m_categories; }

    // One row's key for sort(), read once: a key read from the file system
    // inside the comparison could change between two comparisons (the file
    // is being written) and break the ordering a sort relies on.
    struct SortKey
    {
        std::string text; // case-folded UTF-8
        qint64 number = 0;
    };
    // Columns 2 to 5 read the file system; the others are kept here.
    static bool readsFileSystem(int column) { return column >= Size && column <= Accessed; }
    static SortKey sortKey(int column, const FileItem &item);
    // Text case-insensitively (the keys are folded), numbers as numbers;
    // ascending.
    static bool sortsBefore(int column, const SortKey &a, const SortKey &b);

    // Sorts the visible folders and the visible files, each on their own.
    // Columns 2 to 5 read the file system once per item; other columns
    // outside the table keep the order.
    void sort(int column, bool descending);
    // Puts `folders` and `files` in place of the first that many visible
    // folders and files: the same rows, as a sorter read them, put in order
    // elsewhere (off the UI thread) while a search may still add. Items
    // added since follow in the order they came. The rows must not have been
    // rearranged or removed since they were read; ignored when there are
    // fewer of them now.
    void placeSorted(const QVector<FileItem> &folders, const QVector<FileItem> &files);
    // Removes the visible rows; under a filter their unfiltered counterparts too.
    void remove(const QList<int> &rows);
    // The same by indexes into the visible folders and files.
    void remove(const QList<int> &folders, const QList<int> &files);
    // Gives the visible row's item a new name (the old one stays pooled).
    void rename(int row, const QString &newName);
    void rename(bool folder, int index, const QString &newName);

    // The "In directory" text: entries separated by ";", "!" before an
    // excluded entry, double quotes around an entry holding ";" or starting
    // with "!", and a backslash before a double quote inside an entry.
    // Appends the entries to the two lists.
    static void parseFolderList(const QString &text, QStringList &includePaths, QStringList &excludePaths);
    static QString formatFolderList(const QStringList &includePaths, const QStringList &excludePaths);

    // Lower-cased text after the last "." of a name; empty without a ".".
    static QString extension(const QString &name);

private:
    // Whether the visible rows are a filtered copy: not without a filter, nor
    // under a category that lets everything through (as "All" does), which
    // would only double the memory of a large result set.
    bool filtering() const { return m_filterIndex != -1 && !m_filterPassesAll; }
    QVector<FileItem> &visibleFolders() { return filtering() ? m_filteredFolders : m_folders; }
    QVector<FileItem> &visibleFiles() { return filtering() ? m_filteredFiles : m_files; }
    const QVector<FileItem> &visibleFolders() const;
    const QVector<FileItem> &visibleFiles() const;
    // The list and index of a visible row; null for a row out of range.
    QVector<FileItem> *visibleList(int row, int *index);
    // item() without taking the lock; the caller holds it.
    FileItem itemAt(int row) const;

    FileItem makeItem(const QString &name, const QString &path, int matches);
    void append(const FileItem &item, bool isFolder);
    void makeRoom(std::size_t folders, std::size_t files);
    void appendLocked(const FileItem &item, bool isFolder);
    bool passesFilter(const FileItem &item, bool isFolder) const;
    void removeFrom(QVector<FileItem> &list, QList<int> indexes);
    void renameIn(QVector<FileItem> &list, int index, const QString &newName);
    void rebuildFiltered();
    void updateCount();

    QVector<FileItem> m_folders;
    QVector<FileItem> m_files;
    QVector<FileItem> m_filteredFiles;
    QVector<FileItem> m_filteredFolders;
    // Shared only with the holders of textOwner().
    const std::shared_ptr<StringPool> m_namePool = std::make_shared<StringPool>();
    const std::shared_ptr<StringPool> m_pathPool = std::make_shared<StringPool>();
    QList<FileCategory> m_categories;
    QStringList m_filterExtensions;
    QString m_filterAttributes;
    int m_filterIndex = -1;
    bool m_filterPassesAll = false;
    std::atomic<int> m_visibleCount{0};
    // Counts the changes to the lists other than additions at their ends.
    quint64 m_reshaped = 0;
    // Guards the lists and the filter against the search threads' additions.
    mutable QReadWriteLock m_lock;
};
