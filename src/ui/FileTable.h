#pragma once

#include "base/FileCategory.h"
#include "ui/FileIconCache.h"
#include "query/FileSearchResults.h"
#include "ui/IDataSource.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include <memory>
#include <vector>

class ExpressionMatcher;
class FileInfoCache;
class FileSearchRequest;
class FileSorter;
class FileTableColumns;
class FileTableModel;
class FileTableView;
class FilterBar;
class QScrollArea;
class QProgressDialog;
class RichTextDelegate;

// The results of one tab: a filter bar above a table view, the model between
// the view and the result set, and the texts, icons, sizes and times of the
// rows. Holds no copy of the rows: every cell is read from the result set
// when it is painted.
//
// While a search adds, the table shows the folders and files it has taken
// in so far (folders first); refresh() inserts what arrived since, so the
// rows shown keep their place, selection, editor and read cells. Sorting,
// filtering and removing change the rows' meaning: the model is reset and
// the selected files are selected again where they now are.
//
// The request and the result set belong to the tab; they must outlive their
// use here (setResults() with others, or clear(), ends it). UI thread only.
class FileTable : public QObject, public IDataSource
{
    Q_OBJECT

public:
    explicit FileTable(QWidget *parent = nullptr);
    ~FileTable() override;

    // The filter bar above the table; put it where the results go.
    QWidget *widget() const { return m_widget; }
    FileTableView *view() const { return m_view; }
    FileTableModel *model() const { return m_model; }
    FilterBar *filterBar() const { return m_filterBar; }
    FileTableColumns *columns() const { return m_columns; }

    // Shows a new search: the current filter is applied to the results with
    // these categories. The results may still grow; refresh() shows more.
    void setResults(FileSearchRequest *request, FileSearchResults *results, const QList<FileCategory> &categories);
    // Shows the rows found since the last refresh.
    void refresh();
    // Sorts again by the view's sort indicator, if it shows one (after a
    // search, after a category click); asks first as a header click would,
    // and a sort that reads the file system runs off the UI thread.
    void applySortOrder();
    // The same, except where it would ask: then the rows stay as they are
    // until applyHeldSortOrder() (a question box would take the keys of a
    // user still typing).
    void applySortOrderUnlessItAsks();
    void applyHeldSortOrder();
    bool isSortOrderHeld() const { return m_sortHeld; }
    // Shows nothing; forgets the request and the results.
    void clear();
    // Drops rows from the results (their files were deleted) and emits fileRemoved.
    void removeRows(const QList<int> &rows);

    // After the settings' categories changed (Options): the boxes are made
    // anew and the rows of the chosen category chosen again with the new
    // extensions, instead of showing what the old ones let through.
    void applyCategories();
    bool isFilterBarVisible() const;
    void setFilterBarVisible(bool visible);
    int currentFilter() const;
    // Reads the shown columns, their order and widths from the settings again.
    void loadColumns();
    // Shows or hides a column type (the Name column is always shown) and
    // stores the columns.
    void setColumnShown(int type, bool shown);

    // The size text of a file: "1023 B", "1 KB", "1,205,632 KB".
    static QString sizeText(qint64 bytes);
    // The name with each part the expression matched in "<b>...</b>"; the
    // rest escaped for rich text.
    static QString boldMatches(const QString &name, ExpressionMatcher *matcher);
    // The parent folder shown relative to the one folder searched, if one.
    static QString relativePath(const QString &path, const QStringList &includePaths);

    // IDataSource
    QString cellText(int row, int column) override;
    QString nameMarkup(int row) override;
    bool rename(int row, const QString &newName) override;
    QIcon rowIcon(int row) override;
    QString fullPath(int row) const override;
    QVariant editValue(int row) override;
    void sort(int column, Qt::SortOrder order) override;

    const FileIconCache &iconCache() const { return m_icons; }
    // Whether the rows are being ordered on the sorter's thread; they are
    // reset in their new order when it is done.
    bool isSorting() const;

    // More rows than this are sorted on the sorter's thread even by a
    // column kept in memory: ordering them here would stall the window.
    static const int kRowsSortedHere = 10000;

signals:
    void fileSelected(const QString &fileName);
    // A sort on the sorter's thread ended: its rows are in place, or it was
    // canceled and the rows stay as they were.
    void sortEnded();
    void fileRemoved(const QList<int> &indices);
    void customizeFilters();

private:
    int shownSortColumn() const;
    QWidget *makeFilterStrip();
    using ItemKey = QPair<const char *, const char *>;

    void onFilterClicked(int filterType);
    void rebuildFilterBar(const QList<FileCategory> &categories);
    void saveColumns();
    void showHeaderMenu(const QPoint &pos);
    void onSorted(const QVector<FileSearchResults::FileItem> &folders,
                  const QVector<FileSearchResults::FileItem> &files);
    void onSortCanceled();
    void startBackgroundSort(int type, bool descending);
    // Every change that gives the rows another meaning goes between these.
    void beginChange();
    void endChange();
    void insertArrived(bool folders, int count);
    void rememberSelection();
    void restoreSelection();
    // The item a row shows; `isFolder` receives whether it is a folder.
    FileSearchResults::FileItem rowItem(int row, bool *isFolder = nullptr) const;
    QString timeText(int row, int type);
    QString sizeCellText(int row);

    QPointer<QWidget> m_widget; // may be deleted first by the tab's splitter
    FilterBar *m_filterBar;
    QScrollArea *m_filterStrip = nullptr;
    FileTableView *m_view;
    FileTableColumns *m_columns;
    FileTableModel *m_model;
    FileInfoCache *m_infos;
    FileSorter *m_sorter;
    RichTextDelegate *m_nameDelegate;
    QPointer<QProgressDialog> m_sortProgress;
    FileIconCache m_icons;
    FileSearchRequest *m_request = nullptr;
    FileSearchResults *m_results = nullptr;
    std::unique_ptr<ExpressionMatcher> m_nameMatcher;
    bool m_loadingColumns = false;
    // A sort asked for while a name was being edited waits for the edit to end.
    bool m_sortPending = false;
    // A sort that would have asked waits for applyHeldSortOrder().
    bool m_sortHeld = false;
    // The folders and files the model shows: the first of each visible list.
    int m_shownFolders = 0;
    int m_shownFiles = 0;
    // The selection kept across a reset, as items.
    QSet<ItemKey> m_keptSelection;
    ItemKey m_keptCurrent{nullptr, nullptr};
    int m_keptCurrentColumn = 0;
};
