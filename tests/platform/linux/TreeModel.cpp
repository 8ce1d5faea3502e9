#include "TreeModel.h"

#include <QDir>
#include <QMutexLocker>

#include <ftw.h>
#include <sys/stat.h>

namespace {

// nftw has no context argument.
thread_local TreeModel::Records *t_scan = nullptr;
thread_local QHash<QByteArray, FRN> *t_inodes = nullptr;

int scanEntry(const char *path, const struct stat *st, int, struct FTW *ftw)
{
    const QByteArray p(path);
    t_inodes->insert(p, st->st_ino);
    TreeModel::Record record;
    record.isFolder = S_ISDIR(st->st_mode);
    if (ftw->level == 0) {
        record.name = QString::fromUtf8(p);
    } else {
        record.parent = t_inodes->value(p.left(ftw->base - 1));
        record.name = QString::fromUtf8(p.mid(ftw->base));
    }
    t_scan->insert(st->st_ino, record);
    return 0;
}

} // namespace

TreeModel::Records TreeModel::scan(const QString &root)
{
    Records records;
    QHash<QByteArray, FRN> inodes;
    t_scan = &records;
    t_inodes = &inodes;
    ::nftw(QFile::encodeName(root).constData(), scanEntry, 64, FTW_PHYS | FTW_MOUNT);
    t_scan = nullptr;
    t_inodes = nullptr;
    return records;
}

QVector<IJournalReplaySource::Entry> TreeModel::children(FRN folder) const
{
    QMutexLocker lock(&m_mutex);
    QVector<Entry> entries;
    for (const FRN frn : m_children.value(folder)) {
        const Record &r = m_records[frn];
        entries.append({frn, r.name, r.isFolder});
    }
    return entries;
}

std::vector<IJournalReplaySource::Folder> TreeModel::folders() const
{
    QMutexLocker lock(&m_mutex);
    std::vector<Folder> result;
    m_folderNames.clear();
    m_folderNames.reserve(std::size_t(m_records.size()));
    for (auto it = m_records.cbegin(); it != m_records.cend(); ++it) {
        if (!it->isFolder)
            continue;
        m_folderNames.push_back(it->name.toUtf8());
        result.push_back({it.key(), it->parent, m_folderNames.back().constData()});
    }
    return result;
}

void TreeModel::place(FRN frn, const Record &record)
{
    remove(frn);
    m_records.insert(frn, record);
    m_children[record.parent].insert(frn);
}

void TreeModel::remove(FRN frn)
{
    const auto it = m_records.find(frn);
    if (it == m_records.end())
        return;
    m_children[it->parent].remove(frn);
    m_records.erase(it);
}

void TreeModel::onFileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder, USN nextUsn)
{
    QMutexLocker lock(&m_mutex);
    place(frn, {parentFRN, fileName, isFolder});
    m_events.append({'A', frn, nextUsn});
}

void TreeModel::onFileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder, USN nextUsn)
{
    QMutexLocker lock(&m_mutex);
    place(frn, {frnParent, fileName, isFolder});
    m_events.append({'R', frn, nextUsn});
}

void TreeModel::onFileDeleted(FRN frn, bool, USN nextUsn)
{
    QMutexLocker lock(&m_mutex);
    remove(frn);
    m_events.append({'D', frn, nextUsn});
}
