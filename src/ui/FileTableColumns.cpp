#include "ui/FileTableColumns.h"

FileTableColumns::FileTableColumns(QObject *parent)
    : QObject(parent)
    , m_types(defaultColumns())
{
}

QList<int> FileTableColumns::defaultColumns()
{
    return {NameColumn, PathColumn, SizeColumn, ModifiedColumn, TypeColumn};
}

QString FileTableColumns::caption(int type)
{
    switch (type) {
    case NameColumn:
        return tr("Name");
    case PathColumn:
        return tr("Path");
    case SizeColumn:
        return tr("Size");
    case CreatedColumn:
        return tr("Created");
    case ModifiedColumn:
        return tr("Modified");
    case AccessedColumn:
        return tr("Last Accessed");
    case TypeColumn:
        return tr("Type");
    case MatchesColumn:
        return tr("Matches");
    default:
        return QString();
    }
}

void FileTableColumns::removeAt(int index)
{
    if (index >= 0 && index < m_types.size())
        m_types.removeAt(index);
}

void FileTableColumns::setColumns(const QList<int> &types)
{
    m_types = types;
}
