#include "ui/FileTableModel.h"

#include "ui/FileTableColumns.h"
#include "ui/IDataSource.h"

#include <QMimeData>
#include <QSet>
#include <QUrl>

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

} // namespace

FileTableModel::FileTableModel(FileTableColumns *columns, IDataSource *source, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
    , m_source(source)
{
}

int FileTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int FileTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns->count();
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
        if (m_columns->at(index.column()) == NameColumn)
            return m_source->rowIcon(row);
        return QVariant();
    case Qt::TextAlignmentRole: {
        const int type = m_columns->at(index.column());
        if (type == SizeColumn || type == MatchesColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    }
    case Qt::UserRole:
        return m_source->fullPath(row);
    case Qt::EditRole:
        return m_source->editValue(row);
    default:
        return QVariant();
    }
}

bool FileTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || m_columns->at(index.column()) != NameColumn)
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
    return FileTableColumns::caption(m_columns->at(section));
}

Qt::ItemFlags FileTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (m_columns->at(index.column()) == NameColumn)
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

void FileTableModel::refreshRows(int first, int last)
{
    if (m_rowCount == 0 || first > last || first >= m_rowCount)
        return;
    emit dataChanged(index(first, 0), index(std::min(last, m_rowCount - 1), columnCount() - 1));
}
