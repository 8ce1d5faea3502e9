#pragma once

#include <QTableView>

#include <functional>

// The results table: rows of files, sorted by clicking a header (large
// sorts are confirmed first), opened by double click or Return, dragged to
// other programs as file URLs.
class FileTableView : public QTableView
{
    Q_OBJECT

public:
    // Asks whether `rows` rows should really be sorted; true to go on.
    using SortConfirmation = std::function<bool(QWidget *parent, int rows)>;

    explicit FileTableView(QWidget *parent = nullptr);

    // Tests answer the question themselves; an empty function restores the
    // message box.
    void setSortConfirmation(SortConfirmation confirmation);
    // Puts back the sort indicator shown before the last header click
    // (none if there was none); for a sort that was cancelled later.
    void restorePreviousSortIndicator();
    // Shows the indicator without sorting (the rows are already in order).
    void setSortIndicatorQuietly(int column, Qt::SortOrder order);
    // Whether the rows may be sorted by `column` now: a sort that may read
    // every file's data asks first when there are many rows.
    bool confirmSort(int column);
    // Whether confirmSort(column) would ask now.
    bool asksBeforeSorting(int column) const;
    // The next current row reports its file even if it is the last one
    // reported (the rows now come from another search).
    void forgetSelectedFile() { m_selectedFile.clear(); }
    // Full paths of the selected rows, in row order.
    QStringList selectedPaths() const;
    QList<int> selectedRowNumbers() const;

    // The edit commands on the selected rows. Deleting and moving to the
    // trash drop the rows of the files that went (fileRemoved).
    void cutSelected();
    void copySelected();
    void moveSelectedToTrash();
    void deleteSelected();
    void copySelectedNames();
    void copySelectedFullNames();
    void copySelectedPaths();

    bool isEditing() const { return state() == EditingState; }

signals:
    void fileSelected(const QString &fileName);
    void fileRemoved(const QList<int> &indices);
    // A rename editor was closed, whether the name was taken or not.
    void editingEnded();

public slots:
    void onSectionClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void changeEvent(QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void openRow(int row);
    void showContextMenu(const QPoint &globalPos);
    void editName();
    void dropRemovedRows(const QStringList &removed);

    SortConfirmation m_sortConfirmation;
    bool m_sortDeclined = false;
    int m_sortSection = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_previousSortSection = -1;
    Qt::SortOrder m_previousSortOrder = Qt::AscendingOrder;
    QString m_selectedFile;
};
