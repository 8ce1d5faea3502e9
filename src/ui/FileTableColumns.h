#pragma once

#include <QList>
#include <QObject>
#include <QString>

// What a column of the results table shows; the values are stored in the
// settings ("FileColumns") and equal the sort columns of the result set.
enum FileColumnType {
    NameColumn = 0,
    PathColumn = 1,
    SizeColumn = 2,
    CreatedColumn = 3,
    ModifiedColumn = 4,
    AccessedColumn = 5,
    TypeColumn = 6,
    MatchesColumn = 7,
};
const int kColumnTypeCount = 8;

// The ordered list of columns the results table shows, in the order they
// are shown.
class FileTableColumns : public QObject
{
    Q_OBJECT

public:
    explicit FileTableColumns(QObject *parent = nullptr);

    // Name, Path, Size, Modified, Type.
    static QList<int> defaultColumns();

    int count() const { return m_types.size(); }
    int at(int index) const { return m_types.value(index, -1); }
    const QList<int> &types() const { return m_types; }
    // -1 when the type is not shown.
    int indexOf(int type) const { return m_types.indexOf(type); }
    bool contains(int type) const { return m_types.contains(type); }
    // Translated; empty for a value that is no column type.
    static QString caption(int type);

    // Ignored out of range.
    void removeAt(int index);
    void setColumns(const QList<int> &types);

private:
    QList<int> m_types;
};
