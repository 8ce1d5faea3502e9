#pragma once

#include <QIcon>
#include <QString>
#include <QVariant>

#include <Qt>

// Rows of the results table, as the table model asks for them. A column is
// a column type (FileColumnType); rows are the rows the model shows.
class IDataSource
{
public:
    virtual ~IDataSource() = default;

    // Plain text, also what is read aloud and typed to find a row.
    virtual QString cellText(int row, int column) = 0;
    // The name as rich text with the parts the expression matched in bold.
    virtual QString nameMarkup(int row) = 0;
    // Renames the row's file on disk; true when it was renamed.
    virtual bool rename(int row, const QString &newName) = 0;
    virtual QIcon rowIcon(int row) = 0;
    virtual QString fullPath(int row) const = 0;
    virtual QVariant editValue(int row) = 0;
    virtual void sort(int column, Qt::SortOrder order) = 0;
};
