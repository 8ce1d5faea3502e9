#pragma once

#include <QAbstractTableModel>

class IDataSource;

// The results table's model: holds no rows of its own. Every cell is asked
// of the data source (the FileTable), which reads the result set. There is
// one column per column type, in the order of the types; the view's header
// hides and moves them as the user chooses.
class FileTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        // The row's full path.
        FullPathRole = Qt::UserRole,
        // The Name column's text as rich text, the matched parts in bold:
        // for the painter only; the display role holds the plain name.
        NameMarkupRole,
    };

    explicit FileTableModel(IDataSource *source, QObject *parent = nullptr);

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

    // The rows change meaning: the count is set between the two calls,
    // while the source changes its rows.
    void beginReset();
    void endReset(int rowCount);
    // `count` rows arrive before row `first`; the rows from there on move
    // down, keeping their selection, editors and read cells.
    void beginInsert(int first, int count);
    void endInsert();
    // The sizes and times of these rows were read.
    void refreshRows(int first, int last);

private:
    IDataSource *m_source;
    int m_rowCount = 0;
    int m_inserting = 0;
};
