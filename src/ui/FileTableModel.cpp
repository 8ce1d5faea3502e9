#include "ui/FileTableModel.h"

#include "ui/FileTableColumns.h"
#include "ui/IDataSource.h"

#include <QMimeData>
#include <QSet>
#include <QUrl>

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

} // namespace

FileTableModel::FileTableModel(IDataSource *source, QObject *parent)
    : QAbstractTableModel(parent)
    , m_source(source)
{
}

int FileTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int FileTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnTypeCount;
}

QVariant FileTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return m_source->cellText(row, index.column());
    case Qt::DecorationRole:
        if (index.column() == NameColumn)
            return m_source->rowIcon(row);
        return QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == SizeColumn || index.column() == MatchesColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    case FullPathRole:
        return m_source->fullPath(row);
    case NameMarkupRole:
        if (index.column() == NameColumn)
            return m_source->nameMarkup(row);
        return QVariant();
    case Qt::EditRole:
        return m_source->editValue(row);
    default:
        return QVariant();
    }
}

bool FileTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() != NameColumn)
        return false;
    const QString name = value.toString();
    if (name.isEmpty() || name == m_source->editValue(index.row()).toString())
        return false;
    if (!m_source->rename(index.row(), name))
        return false;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    return true;
}

QVariant FileTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    return FileTableColumns::caption(section);
}

Qt::ItemFlags FileTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (index.column() == NameColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QStringList FileTableModel::mimeTypes() const
{
    return {kUriList};
}

QMimeData *FileTableModel::mimeData(const QModelIndexList &indexes) const
{
    // One URL per row, however many of its cells are selected, in the order given.
    QList<QUrl> urls;
    QSet<int> rows;
    for (const QModelIndex &index : indexes) {
        if (!index.isValid() || rows.contains(index.row()))
            continue;
        rows.insert(index.row());
        urls.append(QUrl::fromLocalFile(m_source->fullPath(index.row())));
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

Qt::DropActions FileTableModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

void FileTableModel::sort(int column, Qt::SortOrder order)
{
    m_source->sort(column, order);
}

void FileTableModel::beginReset()
{
    beginResetModel();
}

void FileTableModel::endReset(int rowCount)
{
    m_rowCount = rowCount;
    endResetModel();
}

void FileTableModel::beginInsert(int first, int count)
{
    m_inserting = count;
    beginInsertRows(QModelIndex(), first, first + count - 1);
}

void FileTableModel::endInsert()
{
    m_rowCount += m_inserting;
    m_inserting = 0;
    endInsertRows();
}

void FileTableModel::refreshRows(int first, int last)
{
    if (m_rowCount == 0 || first > last || first >= m_rowCount)
        return;
    // Only the columns read from the file system: a change reported for the
    // Name column would reset the text of an open rename editor.
    emit dataChanged(index(first, SizeColumn), index(std::min(last, m_rowCount - 1), AccessedColumn));
}
