#include "query/FileSearchResults.h"

#include "platform/linux/HugePages.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QReadLocker>
#include <QWriteLocker>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using FileItem = FileSearchResults::FileItem;

const QChar kSeparator = QLatin1Char('/');
const QChar kQuote = QLatin1Char('"');
const QChar kExclude = QLatin1Char('!');
const QChar kListSeparator = QLatin1Char(';');
const QString kEscapedQuote = QStringLiteral("\\\"");

int indexOfItem(const QVector<FileItem> &list, const FileItem &item)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).name == item.name && list.at(i).path == item.path)
            return i;
    }
    return -1;
}

struct SortEntry
{
    FileItem item;
    FileSearchResults::SortKey key;
};

qint64 timeKey(const QDateTime &time)
{
    return time.isValid() ? time.toMSecsSinceEpoch() : -1;
}

// Size or time from the file system; -1 when the item is gone.
qint64 fileSystemKey(int column, const FileItem &item)
{
    const QFileInfo info(FileSearchResults::fullPath(item));
    if (!info.exists())
        return -1;
    switch (column) {
    case FileSearchResults::Size:
        return info.size();
    case FileSearchResults::Created: {
        // The birth time where the file system keeps one, else the last
        // status change, the closest Linux has to a creation time.
        const QDateTime born = info.birthTime();
        return timeKey(born.isValid() ? born : info.metadataChangeTime());
    }
    case FileSearchResults::Modified:
        return timeKey(info.lastModified());
    default:
        return timeKey(info.lastRead());
    }
}

void sortList(QVector<FileItem> &list, int column, bool descending)
{
    std::vector<SortEntry> entries;
    entries.reserve(list.size());
    for (const FileItem &item : qAsConst(list))
        entries.push_back({item, FileSearchResults::sortKey(column, item)});
    // Stable, so equal keys keep their previous order in both directions.
    std::stable_sort(entries.begin(), entries.end(), [&](const SortEntry &a, const SortEntry &b) {
        return descending ? FileSearchResults::sortsBefore(column, b.key, a.key)
                          : FileSearchResults::sortsBefore(column, a.key, b.key);
    });
    for (int i = 0; i < list.size(); ++i)
        list[i] = entries[i].item;
}

void addFolderListEntry(QString entry, QStringList &includePaths, QStringList &excludePaths)
{
    if (entry.isEmpty())
        return;
    const bool exclude = entry.startsWith(kExclude);
    if (exclude)
        entry.remove(0, 1);
    if (entry.startsWith(kQuote))
        entry.remove(0, 1);
    if (entry.endsWith(kQuote) && !entry.endsWith(kEscapedQuote))
        entry.chop(1);
    entry.replace(kEscapedQuote, QString(kQuote));
    if (entry.isEmpty())
        return;
    (exclude ? excludePaths : includePaths).append(entry);
}

QString formatFolderListEntry(const QString &path)
{
    QString entry = path;
    entry.replace(kQuote, kEscapedQuote);
    if (entry.startsWith(kExclude) || entry.contains(kListSeparator))
        entry = kQuote + entry + kQuote;
    return entry;
}

} // namespace

void FileSearchResults::addFolder(const QString &name, const QString &path)
{
    append(makeItem(name, path, 0), /*isFolder=*/true);
}

void FileSearchResults::addFolder(const char *name, const char *path)
{
    append(FileItem{m_namePool->intern(name), m_pathPool->intern(path), 0}, /*isFolder=*/true);
}

void FileSearchResults::addFile(const QString &name, const QString &path, int matches)
{
    append(makeItem(name, path, matches), /*isFolder=*/false);
}

void FileSearchResults::addFile(const char *name, const char *path, int matches)
{
    append(FileItem{m_namePool->intern(name), m_pathPool->intern(path), matches}, /*isFolder=*/false);
}

void FileSearchResults::addBatch(const char *const *names, const char *const *paths, const unsigned char *folders,
                                 std::size_t count)
{
    std::vector<const char *> pooledNames(count);
    std::vector<const char *> pooledPaths(count);
    m_namePool->intern(names, count, pooledNames.data());
    m_pathPool->intern(paths, count, pooledPaths.data());
    const std::size_t folderCount =
        std::size_t(std::count_if(folders, folders + count, [](unsigned char folder) { return folder != 0; }));
    makeRoom(folderCount, count - folderCount);
    QWriteLocker locker(&m_lock);
    // Each list grows once and is written in place: appending row by row
    // was a third of the work of taking in a large search.
    const int firstFolder = m_folders.size();
    const int firstFile = m_files.size();
    m_folders.resize(firstFolder + int(folderCount));
    m_files.resize(firstFile + int(count - folderCount));
    FileItem *folder = m_folders.data() + firstFolder;
    FileItem *file = m_files.data() + firstFile;
    const bool filtered = filtering();
    for (std::size_t i = 0; i < count; ++i) {
        const FileItem item{pooledNames[i], pooledPaths[i], 0};
        const bool isFolder = folders[i] != 0;
        *(isFolder ? folder++ : file++) = item;
        if (filtered && passesFilter(item, isFolder))
            (isFolder ? m_filteredFolders : m_filteredFiles).append(item);
    }
    updateCount();
}

void FileSearchResults::append(const FileItem &item, bool isFolder)
{
    makeRoom(isFolder ? 1 : 0, isFolder ? 0 : 1);
    QWriteLocker locker(&m_lock);
    appendLocked(item, isFolder);
    updateCount();
}

namespace {

// Within the room reserved: no reallocation, and never the sharing that
// QVector's += does into an empty vector.
void appendRange(QVector<FileSearchResults::FileItem> &to, const FileSearchResults::FileItem *first, int count)
{
    const int at = to.size();
    to.resize(at + count);
    std::copy(first, first + count, to.begin() + at);
}

} // namespace

// A list grows by a copy into room for twice as many. Made under the write
// lock, the copy of a large list kept every reader waiting (the window,
// painting its rows) for many milliseconds; here it is made under the read
// lock, and the write lock only swaps it in, with any rows appended by
// other threads meanwhile. A change of any other kind meanwhile drops the
// copy, and the list grows in place as it used to.
void FileSearchResults::makeRoom(std::size_t folders, std::size_t files)
{
    struct Growth
    {
        QVector<FileItem> *list;
        QVector<FileItem> copy;
        int copied;
    };
    std::vector<Growth> growths;
    quint64 reshaped = 0;
    {
        QReadLocker locker(&m_lock);
        const bool filtered = filtering();
        for (QVector<FileItem> *list : {&m_folders, &m_files, &m_filteredFolders, &m_filteredFiles}) {
            const bool ofFolders = list == &m_folders || list == &m_filteredFolders;
            const bool isFiltered = list == &m_filteredFolders || list == &m_filteredFiles;
            const std::size_t more = ofFolders ? folders : files;
            if (more == 0 || (isFiltered && !filtered))
                continue;
            const std::size_t needed = std::size_t(list->size()) + more;
            if (needed <= std::size_t(list->capacity()) && list->isDetached())
                continue;
            Growth growth{list, QVector<FileItem>(), list->size()};
            growth.copy.reserve(int(std::max(needed, 2 * std::size_t(list->size()))));
            // Room for a large search is many megabytes, written row by row.
            HugePages::adviseRoom(growth.copy);
            appendRange(growth.copy, list->constData(), list->size());
            growths.push_back(std::move(growth));
        }
        reshaped = m_reshaped;
    }
    if (growths.empty())
        return;
    QWriteLocker locker(&m_lock);
    if (m_reshaped != reshaped)
        return;
    for (Growth &growth : growths) {
        appendRange(growth.copy, growth.list->constData() + growth.copied, growth.list->size() - growth.copied);
        growth.list->swap(growth.copy);
    }
}

void FileSearchResults::appendLocked(const FileItem &item, bool isFolder)
{
    (isFolder ? m_folders : m_files).append(item);
    if (filtering() && passesFilter(item, isFolder))
        (isFolder ? m_filteredFolders : m_filteredFiles).append(item);
}

void FileSearchResults::compact()
{
    QWriteLocker locker(&m_lock);
    ++m_reshaped;
    m_folders.squeeze();
    m_files.squeeze();
    m_filteredFolders.squeeze();
    m_filteredFiles.squeeze();
    m_namePool->dropIndex();
    m_pathPool->dropIndex();
}

std::shared_ptr<const void> FileSearchResults::textOwner() const
{
    return std::make_shared<std::pair<std::shared_ptr<StringPool>, std::shared_ptr<StringPool>>>(m_namePool,
                                                                                                m_pathPool);
}

FileSearchResults::FileItem FileSearchResults::makeItem(const QString &name, const QString &path, int matches)
{
    return FileItem{m_namePool->intern(name), m_pathPool->intern(path), matches};
}

bool FileSearchResults::isFolder(int row) const
{
    QReadLocker locker(&m_lock);
    return row >= 0 && row < visibleFolders().size();
}

FileSearchResults::FileItem FileSearchResults::item(int row) const
{
    QReadLocker locker(&m_lock);
    return itemAt(row);
}

FileSearchResults::FileItem FileSearchResults::itemAt(int row) const
{
    const QVector<FileItem> &folders = visibleFolders();
    if (row < 0)
        return FileItem();
    if (row < folders.size())
        return folders.at(row);
    const QVector<FileItem> &files = visibleFiles();
    row -= folders.size();
    return row < files.size() ? files.at(row) : FileItem();
}

int FileSearchResults::folderCount() const
{
    QReadLocker locker(&m_lock);
    return visibleFolders().size();
}

int FileSearchResults::fileCount() const
{
    QReadLocker locker(&m_lock);
    return visibleFiles().size();
}

FileSearchResults::FileItem FileSearchResults::folderItem(int index) const
{
    QReadLocker locker(&m_lock);
    return index >= 0 && index < visibleFolders().size() ? visibleFolders().at(index) : FileItem();
}

void FileSearchResults::itemsSince(int folders, int files, std::vector<FileItem> *newFolders,
                                   std::vector<FileItem> *newFiles) const
{
    QReadLocker locker(&m_lock);
    const QVector<FileItem> &folderList = visibleFolders();
    const QVector<FileItem> &fileList = visibleFiles();
    for (int i = std::max(folders, 0); i < folderList.size(); ++i)
        newFolders->push_back(folderList.at(i));
    for (int i = std::max(files, 0); i < fileList.size(); ++i)
        newFiles->push_back(fileList.at(i));
}

std::vector<FileSearchResults::FileItem> FileSearchResults::itemsBetween(bool folders, int from, int to) const
{
    QReadLocker locker(&m_lock);
    const QVector<FileItem> &list = folders ? visibleFolders() : visibleFiles();
    from = std::max(from, 0);
    to = std::min(to, int(list.size()));
    return from < to ? std::vector<FileItem>(list.cbegin() + from, list.cbegin() + to) : std::vector<FileItem>();
}

FileSearchResults::FileItem FileSearchResults::fileItem(int index) const
{
    QReadLocker locker(&m_lock);
    return index >= 0 && index < visibleFiles().size() ? visibleFiles().at(index) : FileItem();
}

QString FileSearchResults::fullPath(int row) const
{
    const FileItem found = item(row); // the pooled strings outlive the lock
    return found.name ? fullPath(found) : QString();
}

QString FileSearchResults::fullPath(const FileItem &item)
{
    QString path = QFile::decodeName(item.path);
    // A file directly in "/" has the path "/"; do not double the separator.
    if (!path.endsWith(kSeparator))
        path += kSeparator;
    return path + QFile::decodeName(item.name);
}

void FileSearchResults::fullNativePath(const FileItem &item, std::string *out)
{
    out->assign(item.path);
    if (out->empty() || out->back() != '/')
        *out += '/';
    *out += item.name;
}

QString FileSearchResults::extension(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

void FileSearchResults::setFilter(int index, const QList<FileCategory> &categories)
{
    QWriteLocker locker(&m_lock);
    ++m_reshaped;
    m_categories = categories;
    m_filterIndex = index;
    if (index >= 0 && index < categories.size()) {
        const FileCategory &category = categories.at(index);
        m_filterExtensions = category.extensions.isEmpty()
            ? QStringList()
            : category.extensions.split(kListSeparator, Qt::KeepEmptyParts);
        m_filterAttributes = category.attributes;
        m_filterPassesAll = m_filterExtensions.isEmpty() && m_filterAttributes.isEmpty();
        rebuildFiltered();
    }
    updateCount();
}

void FileSearchResults::rebuildFiltered()
{
    m_filteredFiles.clear();
    m_filteredFolders.clear();
    if (!filtering()) {
        m_filteredFiles.squeeze();
        m_filteredFolders.squeeze();
        return;
    }
    for (const FileItem &file : qAsConst(m_files)) {
        if (passesFilter(file, /*isFolder=*/false))
            m_filteredFiles.append(file);
    }
    for (const FileItem &folder : qAsConst(m_folders)) {
        if (passesFilter(folder, /*isFolder=*/true))
            m_filteredFolders.append(folder);
    }
}

bool FileSearchResults::passesFilter(const FileItem &item, bool isFolder) const
{
    if (isFolder && (m_filterAttributes.contains(QLatin1Char('f')) || m_filterAttributes.contains(QLatin1Char('r'))))
        return false;
    if (!isFolder && m_filterAttributes.contains(QLatin1Char('d')))
        return false;
    if (!m_filterExtensions.isEmpty()
        && !m_filterExtensions.contains(extension(QFile::decodeName(item.name)), Qt::CaseInsensitive))
        return false;
    // Hidden by the Unix convention: the name alone tells.
    if (m_filterAttributes.contains(QLatin1Char('h')) && item.name[0] != '.')
        return false;
    if (m_filterAttributes.contains(QLatin1Char('r'))) {
        const QFileInfo info(fullPath(item));
        if (!info.exists() || info.isWritable())
            return false;
    }
    return true;
}

// Text keys are case-folded UTF-8, so that comparing two is comparing bytes,
// not folding both again at each of the n log n comparisons. ASCII, most
// names, is folded byte by byte; the rest through Unicode's case folding.
// (Byte order is code point order: it differs from comparing UTF-16 only
// between characters beyond U+FFFF and those from U+E000 to U+FFFF.)
static std::string foldedKey(const char *text)
{
    std::string key;
    if (!text)
        return key;
    const std::size_t length = std::strlen(text);
    key.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80)
            return QFile::decodeName(text).toCaseFolded().toStdString();
        key[i] = (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
    }
    return key;
}

FileSearchResults::SortKey FileSearchResults::sortKey(int column, const FileItem &item)
{
    SortKey key;
    switch (column) {
    case Name:
        key.text = foldedKey(item.name);
        break;
    case Path:
        key.text = foldedKey(item.path);
        break;
    case Extension:
        key.text = extension(QFile::decodeName(item.name)).toCaseFolded().toStdString();
        break;
    case Matches:
        key.number = item.matches;
        break;
    default:
        key.number = fileSystemKey(column, item);
        break;
    }
    return key;
}

bool FileSearchResults::sortsBefore(int column, const SortKey &a, const SortKey &b)
{
    if (column == Name || column == Path || column == Extension)
        return a.text < b.text;
    return a.number < b.number;
}

void FileSearchResults::sort(int column, bool descending)
{
    if (column < Name || column > Matches)
        return;
    QWriteLocker locker(&m_lock);
    ++m_reshaped;
    sortList(visibleFolders(), column, descending);
    sortList(visibleFiles(), column, descending);
}

void FileSearchResults::placeSorted(const QVector<FileItem> &folders, const QVector<FileItem> &files)
{
    QWriteLocker locker(&m_lock);
    ++m_reshaped;
    QVector<FileItem> &visibleFolderList = visibleFolders();
    QVector<FileItem> &visibleFileList = visibleFiles();
    if (folders.size() > visibleFolderList.size() || files.size() > visibleFileList.size())
        return;
    // Without rows added since, the sorted list is taken as it is, shared
    // and not copied: this runs on the UI thread.
    const auto place = [](QVector<FileItem> &list, const QVector<FileItem> &sorted) {
        if (list.size() == sorted.size()) {
            list = sorted;
            return;
        }
        QVector<FileItem> placed;
        placed.reserve(list.size());
        placed += sorted;
        placed += list.mid(sorted.size());
        list = placed;
    };
    place(visibleFolderList, folders);
    place(visibleFileList, files);
}

void FileSearchResults::remove(const QList<int> &rows)
{
    QWriteLocker locker(&m_lock);
    ++m_reshaped;
    const int folderCount = visibleFolders().size();
    QList<int> folders;
    QList<int> files;
    for (int row : rows) {
        if (row >= 0)
            (row < folderCount ? folders : files).append(row < folderCount ? row : row - folderCount);
    }
    removeFrom(visibleFolders(), folders);
    removeFrom(visibleFiles(), files);
    updateCount();
}

void FileSearchResults::remove(const QList<int> &folders, const QList<int> &files)
{
    QWriteLocker locker(&m_lock);
    ++m_reshaped;
    removeFrom(visibleFolders(), folders);
    removeFrom(visibleFiles(), files);
    updateCount();
}

void FileSearchResults::removeFrom(QVector<FileItem> &list, QList<int> indexes)
{
    // From the last index to the first, so that each index still means what
    // the caller saw; sorted and deduplicated here rather than trusted.
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (auto it = indexes.crbegin(); it != indexes.crend(); ++it) {
        if (*it < 0 || *it >= list.size())
            continue;
        const FileItem removed = list.takeAt(*it);
        if (filtering()) {
            QVector<FileItem> &unfiltered = &list == &m_filteredFolders ? m_folders : m_files;
            const int counterpart = indexOfItem(unfiltered, removed);
            if (counterpart >= 0)
                unfiltered.removeAt(counterpart);
        }
    }
}

void FileSearchResults::rename(int row, const QString &newName)
{
    QWriteLocker locker(&m_lock);
    ++m_reshaped;
    int index = 0;
    QVector<FileItem> *list = visibleList(row, &index);
    if (list)
        renameIn(*list, index, newName);
}

void FileSearchResults::rename(bool folder, int index, const QString &newName)
{
    QWriteLocker locker(&m_lock);
    ++m_reshaped;
    QVector<FileItem> &list = folder ? visibleFolders() : visibleFiles();
    if (index >= 0 && index < list.size())
        renameIn(list, index, newName);
}

void FileSearchResults::renameIn(QVector<FileItem> &list, int index, const QString &newName)
{
    FileItem &renamed = list[index];
    const char *name = m_namePool->intern(newName);
    // Under a filter the unfiltered counterpart is renamed too, or the old
    // name would come back when the filter is lifted.
    if (filtering()) {
        QVector<FileItem> &unfiltered = &list == &m_filteredFolders ? m_folders : m_files;
        const int counterpart = indexOfItem(unfiltered, renamed);
        if (counterpart >= 0)
            unfiltered[counterpart].name = name;
    }
    renamed.name = name;
}

void FileSearchResults::parseFolderList(const QString &text, QStringList &includePaths, QStringList &excludePaths)
{
    bool inQuotes = false;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == kQuote && (i == 0 || text.at(i - 1) != QLatin1Char('\\'))) {
            inQuotes = !inQuotes;
        } else if (c == kListSeparator && !inQuotes) {
            addFolderListEntry(text.mid(start, i - start), includePaths, excludePaths);
            start = i + 1;
        }
    }
    addFolderListEntry(text.mid(start), includePaths, excludePaths);
}

QString FileSearchResults::formatFolderList(const QStringList &includePaths, const QStringList &excludePaths)
{
    QString text;
    auto append = [&text](const QString &entry) {
        if (!text.isEmpty())
            text += kListSeparator;
        text += entry;
    };
    for (const QString &path : includePaths)
        append(formatFolderListEntry(path));
    for (const QString &path : excludePaths)
        append(kExclude + formatFolderListEntry(path));
    return text;
}

const QVector<FileSearchResults::FileItem> &FileSearchResults::visibleFolders() const
{
    return filtering() ? m_filteredFolders : m_folders;
}

const QVector<FileSearchResults::FileItem> &FileSearchResults::visibleFiles() const
{
    return filtering() ? m_filteredFiles : m_files;
}

QVector<FileSearchResults::FileItem> *FileSearchResults::visibleList(int row, int *index)
{
    QVector<FileItem> &folders = visibleFolders();
    if (row < 0)
        return nullptr;
    if (row < folders.size()) {
        *index = row;
        return &folders;
    }
    QVector<FileItem> &files = visibleFiles();
    if (row - folders.size() >= files.size())
        return nullptr;
    *index = row - folders.size();
    return &files;
}

void FileSearchResults::updateCount()
{
    m_visibleCount.store(visibleFolders().size() + visibleFiles().size());
}
