#include "ui/FileTableView.h"

#include "ui/ShellContextMenu.h"
#include "ui/ShellOpen.h"
#include "ui/ShellUtils.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>

#include <QSet>

#include <algorithm>

namespace {

// Sorting more rows than this by a column other than these two (column
// types: the name and the modification time) may read every file's data
// from disk first: the user is asked.
const int kRowsSortedWithoutAsking = 1000;
const int kSortsWithoutAsking[] = {0, 4};

bool userAgreesToSort(QWidget *parent, int rows)
{
    const QString text = FileTableView::tr("Do you really want to sort %1 items?\n"
                                           "Gathering data and sorting could take several minutes.")
                             .arg(rows);
    return QMessageBox::warning(parent, QString(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace

FileTableView::FileTableView(QWidget *parent)
    : QTableView(parent)
{
    setObjectName(QStringLiteral("fileTableView"));
    setAccessibleName(tr("Search results"));
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(EditKeyPressed);
    // Tab leaves the table (for the category boxes, the preview) instead of
    // walking its cells.
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setDragEnabled(true);
    setDragDropMode(DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    // Fixed row heights: the view never measures a million rows.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &FileTableView::onSectionClicked);
}

void FileTableView::setSortConfirmation(SortConfirmation confirmation)
{
    m_sortConfirmation = std::move(confirmation);
}

bool FileTableView::asksBeforeSorting(int column) const
{
    const int rows = model() ? model()->rowCount() : 0;
    const bool exempt = std::find(std::begin(kSortsWithoutAsking), std::end(kSortsWithoutAsking), column)
        != std::end(kSortsWithoutAsking);
    return !exempt && rows > kRowsSortedWithoutAsking;
}

bool FileTableView::confirmSort(int column)
{
    if (!asksBeforeSorting(column))
        return true;
    const int rows = model()->rowCount();
    return m_sortConfirmation ? m_sortConfirmation(this, rows) : userAgreesToSort(this, rows);
}

void FileTableView::onSectionClicked()
{
    if (m_sortDeclined || !model())
        return;
    // The header has already moved its indicator to the clicked section.
    const int column = horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder order = horizontalHeader()->sortIndicatorOrder();
    if (!confirmSort(column)) {
        m_sortDeclined = true;
        horizontalHeader()->setSortIndicator(m_sortSection, m_sortOrder);
        m_sortDeclined = false;
        return;
    }
    m_previousSortSection = m_sortSection;
    m_previousSortOrder = m_sortOrder;
    m_sortSection = column;
    m_sortOrder = order;
    model()->sort(column, order);
}

void FileTableView::restorePreviousSortIndicator()
{
    m_sortSection = m_previousSortSection;
    m_sortOrder = m_previousSortOrder;
    horizontalHeader()->setSortIndicator(m_sortSection, m_sortOrder);
}

void FileTableView::setSortIndicatorQuietly(int column, Qt::SortOrder order)
{
    m_previousSortSection = m_sortSection = column;
    m_previousSortOrder = m_sortOrder = order;
    horizontalHeader()->setSortIndicator(column, order);
}

QList<int> FileTableView::selectedRowNumbers() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList FileTableView::selectedPaths() const
{
    QStringList paths;
    for (int row : selectedRowNumbers())
        paths.append(model()->index(row, 0).data(Qt::UserRole).toString());
    return paths;
}

void FileTableView::openRow(int row)
{
    openWithShell(window(), model()->index(row, 0).data(Qt::UserRole).toString(), QString());
}

void FileTableView::keyPressEvent(QKeyEvent *event)
{
    // Return only (not Enter), and not while a name is being edited: there
    // it ends the edit.
    if (event->key() == Qt::Key_Return && state() != EditingState) {
        const QList<int> rows = selectedRowNumbers();
        if (!rows.isEmpty())
            openRow(rows.constFirst());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void FileTableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        // Where a companion instance runs with the user's own rights, this
        // is the one place that will hand the file to it.
        openRow(index.row());
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void FileTableView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && selectionModel() && selectionModel()->hasSelection()) {
        event->accept();
        showContextMenu(event->globalPos());
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void FileTableView::contextMenuEvent(QContextMenuEvent *event)
{
    // The mouse's menu opens on release (above); this is the menu key's.
    if (event->reason() != QContextMenuEvent::Keyboard || !selectionModel() || !selectionModel()->hasSelection()) {
        event->ignore();
        return;
    }
    const QModelIndex current = currentIndex().isValid() ? currentIndex() : selectionModel()->selectedRows().first();
    event->accept();
    showContextMenu(viewport()->mapToGlobal(visualRect(current).center()));
}

void FileTableView::showContextMenu(const QPoint &globalPos)
{
    ShellContextMenu menu(this, selectedPaths());
    menu.setRenameHandler([this] { editName(); });
    menu.exec(globalPos);
    dropRemovedRows(menu.removedPaths());
}

void FileTableView::editName()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !model())
        return;
    for (int column = 0; column < model()->columnCount(); ++column) {
        const QModelIndex index = current.sibling(current.row(), column);
        if (model()->flags(index) & Qt::ItemIsEditable) {
            edit(index);
            return;
        }
    }
}

void FileTableView::dropRemovedRows(const QStringList &removed)
{
    if (removed.isEmpty())
        return;
    // The selection is what the operation worked on; input was held back
    // while it ran, so it still is.
    const QSet<QString> gone(removed.cbegin(), removed.cend());
    QList<int> rows;
    for (int row : selectedRowNumbers()) {
        if (gone.contains(model()->index(row, 0).data(Qt::UserRole).toString()))
            rows.append(row);
    }
    if (!rows.isEmpty())
        emit fileRemoved(rows);
}

void FileTableView::cutSelected()
{
    ShellUtils::cutFilesToClipboard(selectedPaths());
}

void FileTableView::copySelected()
{
    ShellUtils::copyFilesToClipboard(selectedPaths());
}

void FileTableView::moveSelectedToTrash()
{
    QStringList removed;
    ShellUtils::moveFilesToTrash(this, selectedPaths(), &removed);
    dropRemovedRows(removed);
}

void FileTableView::deleteSelected()
{
    QStringList removed;
    ShellUtils::deleteFiles(this, selectedPaths(), /*silent=*/false, &removed);
    dropRemovedRows(removed);
}

static QString joinedLines(const QStringList &paths, const std::function<QString(const QFileInfo &)> &part)
{
    QStringList lines;
    for (const QString &path : paths)
        lines.append(part(QFileInfo(path)));
    return lines.join(QLatin1Char('\n'));
}

void FileTableView::copySelectedNames()
{
    const QStringList paths = selectedPaths();
    if (!paths.isEmpty())
        ShellUtils::setClipboardText(this, joinedLines(paths, [](const QFileInfo &info) { return info.fileName(); }));
}

void FileTableView::copySelectedFullNames()
{
    const QStringList paths = selectedPaths();
    if (!paths.isEmpty())
        ShellUtils::setClipboardText(this, paths.join(QLatin1Char('\n')));
}

void FileTableView::copySelectedPaths()
{
    const QStringList paths = selectedPaths();
    if (!paths.isEmpty())
        ShellUtils::setClipboardText(this, joinedLines(paths, [](const QFileInfo &info) { return info.path(); }));
}

void FileTableView::startDrag(Qt::DropActions supportedActions)
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    QMimeData *data = model()->mimeData(rows);
    if (!data)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(supportedActions, Qt::CopyAction);
}

void FileTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (!current.isValid())
        return;
    // Rows that arrive above it, a sort or a filter move the current file
    // to another row; that is no new choice of the user's.
    const QString file = current.sibling(current.row(), 0).data(Qt::UserRole).toString();
    if (file == m_selectedFile)
        return;
    m_selectedFile = file;
    emit fileSelected(file);
}

void FileTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    emit editingEnded();
}

void FileTableView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Search results"));
        // The captions are translated when asked for: ask again.
        if (model() && model()->columnCount() > 0)
            emit model()->headerDataChanged(Qt::Horizontal, 0, model()->columnCount() - 1);
    }
    QTableView::changeEvent(event);
}
