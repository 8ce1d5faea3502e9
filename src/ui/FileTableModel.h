#pragma once

#include <QAbstractTableModel>

class FileTableColumns;
class IDataSource;

// The results table's model: holds no rows of its own. Every cell is asked
// of the data source (the FileTable), which reads the result set.
class FileTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    FileTableModel(FileTableColumns *columns, IDataSource *source, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The rows or the columns change meaning: the count is set between the
    // two calls, while the source changes its rows.
    void beginReset();
    void endReset(int rowCount);
    // Cells of these rows were read again.
    void refreshRows(int first, int last);

private:
    FileTableColumns *m_columns;
    IDataSource *m_source;
    int m_rowCount = 0;
};
