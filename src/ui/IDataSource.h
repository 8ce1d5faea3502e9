#pragma once

#include <QIcon>
#include <QString>
#include <QVariant>

#include <Qt>

// Rows of the results table, as the table model asks for them. Columns are
// the view's column indices; rows are the result set's visible rows.
class IDataSource
{
public:
    virtual ~IDataSource() = default;

    virtual QString cellText(int row, int column) = 0;
    // Renames the row's file on disk; true when it was renamed.
    virtual bool rename(int row, const QString &newName) = 0;
    virtual QIcon rowIcon(int row) = 0;
    virtual QString fullPath(int row) const = 0;
    virtual QVariant editValue(int row) = 0;
    virtual void sort(int column, Qt::SortOrder order) = 0;
};
