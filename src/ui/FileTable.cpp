#include "ui/FileTable.h"

#include "base/FileSearchException.h"
#include "base/Logger.h"
#include "base/Settings.h"
#include "platform/linux/FileRename.h"
#include "query/ExpressionMatcher.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "ui/FileInfoCache.h"
#include "ui/FileSorter.h"
#include "ui/FileTableColumns.h"
#include "ui/FileTableModel.h"
#include "ui/FileTableView.h"
#include "ui/FilterBar.h"
#include "ui/RichTextDelegate.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace {

const char kComponent[] = "FileTable";
const QChar kSeparator = QLatin1Char('/');

int defaultWidth(int type)
{
    switch (type) {
    case NameColumn:
        return 220;
    case PathColumn:
        return 300;
    case SizeColumn:
    case TypeColumn:
    case MatchesColumn:
        return 90;
    default:
        return 130;
    }
}

// The boxes are made before the view, so that Tab reaches them first, as
// they are placed above it.
FilterBar *makeFilterBar(QWidget *parent)
{
    auto *bar = new FilterBar(parent);
    bar->rebuild();
    return bar;
}

// Every results table of the process (one per tab), UI thread only.
QList<FileTable *> &liveTables()
{
    static QList<FileTable *> tables;
    return tables;
}

// The result set takes -1 or an index into the categories; the bar may
// still show categories that were edited away since.
int validFilter(int index, const QList<FileCategory> &categories)
{
    return index >= 0 && index < categories.size() ? index : -1;
}

} // namespace

FileTable::FileTable(QWidget *parent)
    : QObject(parent)
    , m_widget(new QWidget(parent))
    , m_filterBar(makeFilterBar(m_widget))
    , m_view(new FileTableView(m_widget))
    , m_columns(new FileTableColumns(this))
    , m_model(new FileTableModel(this, this))
    , m_infos(new FileInfoCache([this](int row) { return rowItem(row); }, this))
    , m_sorter(new FileSorter(this))
    , m_nameDelegate(new RichTextDelegate(m_view))
{
    auto *layout = new QVBoxLayout(m_widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeFilterStrip());
    layout->addWidget(m_view);

    m_view->setModel(m_model);
    m_view->setItemDelegateForColumn(NameColumn, m_nameDelegate);
    QHeaderView *header = m_view->horizontalHeader();
    header->setSectionsMovable(true);
    header->setFirstSectionMovable(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    m_filterStrip->setVisible(Settings::instance()->value(Settings::ShowFilterBar).toBool());
    loadColumns();
    const int sortType = Settings::instance()->value(Settings::SortColumn).toInt();
    m_view->setSortIndicatorQuietly(m_columns->contains(sortType) ? sortType : -1, Qt::AscendingOrder);
    liveTables().append(this);

    connect(m_filterBar, &FilterBar::filterClicked, this, &FileTable::onFilterClicked);
    connect(m_filterBar, &FilterBar::customizeFilters, this, &FileTable::customizeFilters);
    connect(m_view, &FileTableView::fileSelected, this, &FileTable::fileSelected);
    connect(m_view, &FileTableView::fileRemoved, this, &FileTable::removeRows);
    connect(m_view, &FileTableView::editingEnded, this, [this] {
        if (m_sortPending)
            applySortOrder();
    });
    connect(header, &QHeaderView::sectionResized, this, &FileTable::saveColumns);
    connect(header, &QHeaderView::sectionMoved, this, &FileTable::saveColumns);
    connect(header, &QHeaderView::customContextMenuRequested, this, &FileTable::showHeaderMenu);
    connect(m_infos, &FileInfoCache::rowsRead, m_model, &FileTableModel::refreshRows);
    connect(m_sorter, &FileSorter::sorted, this, &FileTable::onSorted);
}

FileTable::~FileTable()
{
    liveTables().removeOne(this);
    m_sorter->cancel();
    // The view and the model ask this object for every cell: they go first.
    delete m_widget;
}

void FileTable::loadColumns()
{
    Settings *settings = Settings::instance();
    QList<int> types;
    QList<int> widths;
    const QList<int> storedTypes = settings->fileColumnTypes();
    const QList<int> storedWidths = settings->fileColumnWidths();
    for (int i = 0; i < storedTypes.size(); ++i) {
        const int type = storedTypes.at(i);
        if (type < NameColumn || type >= kColumnTypeCount || types.contains(type))
            continue;
        types.append(type);
        widths.append(storedWidths.value(i) > 0 ? storedWidths.at(i) : defaultWidth(type));
    }
    if (!types.contains(NameColumn)) {
        types = FileTableColumns::defaultColumns();
        widths.clear();
        for (int type : qAsConst(types))
            widths.append(defaultWidth(type));
    }
    m_loadingColumns = true;
    QHeaderView *header = m_view->horizontalHeader();
    // Shown columns first, in their stored order; the hidden ones after.
    for (int i = 0; i < types.size(); ++i) {
        header->moveSection(header->visualIndex(types.at(i)), i);
        header->setSectionHidden(types.at(i), false);
        header->resizeSection(types.at(i), widths.at(i));
    }
    for (int type = 0; type < kColumnTypeCount; ++type) {
        if (!types.contains(type))
            header->setSectionHidden(type, true);
    }
    m_columns->setColumns(types);
    m_loadingColumns = false;
}

void FileTable::saveColumns()
{
    if (m_loadingColumns)
        return;
    QHeaderView *header = m_view->horizontalHeader();
    QList<int> types;
    QList<QPair<int, int>> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int type = header->logicalIndex(visual);
        if (header->isSectionHidden(type))
            continue;
        types.append(type);
        columns.append({type, header->sectionSize(type)});
    }
    m_columns->setColumns(types);
    Settings::instance()->setFileColumns(columns);
    // Every tab shows the same columns; the last one changed would otherwise
    // store its old set at its next resize.
    for (FileTable *other : liveTables()) {
        if (other != this)
            other->loadColumns();
    }
}

void FileTable::setColumnShown(int type, bool shown)
{
    if (type <= NameColumn || type >= kColumnTypeCount)
        return;
    QHeaderView *header = m_view->horizontalHeader();
    header->setSectionHidden(type, !shown);
    // A column never shown before has no width of its own yet.
    if (shown && header->sectionSize(type) < header->minimumSectionSize() * 2)
        header->resizeSection(type, defaultWidth(type));
    saveColumns();
}

void FileTable::showHeaderMenu(const QPoint &pos)
{
    QMenu menu(m_view);
    for (int type = 0; type < kColumnTypeCount; ++type) {
        QAction *action = menu.addAction(FileTableColumns::caption(type));
        action->setCheckable(true);
        action->setChecked(m_columns->contains(type));
        // The name is what every row is: it stays.
        action->setEnabled(type != NameColumn);
        connect(action, &QAction::toggled, this, [this, type](bool shown) { setColumnShown(type, shown); });
    }
    menu.exec(m_view->horizontalHeader()->mapToGlobal(pos));
}

void FileTable::setResults(FileSearchRequest *request, FileSearchResults *results,
                           const QList<FileCategory> &categories)
{
    beginChange();
    // Rows of another result set: nothing of the old selection or reads holds.
    m_keptSelection.clear();
    m_keptCurrent = {nullptr, nullptr};
    m_infos->clear();
    m_view->forgetSelectedFile();
    m_request = request;
    m_results = results;
    m_sortHeld = false;
    m_nameMatcher.reset();
    if (request && !request->name.isEmpty()) {
        try {
            m_nameMatcher = std::make_unique<ExpressionMatcher>(request->name, request->nameMatchOptions());
        } catch (const FileSearchException &e) {
            // The search itself reports a bad expression; the names just show plain.
            Logger::instance()->log(WARNING, kComponent, e.what());
        }
    }
    if (results)
        results->setFilter(validFilter(currentFilter(), categories), categories);
    endChange();
}

void FileTable::refresh()
{
    if (!m_results)
        return;
    const int folders = m_results->folderCount();
    const int files = m_results->fileCount();
    if (folders < m_shownFolders || files < m_shownFiles) {
        // Only a change made here shrinks a list; it reset the rows already.
        beginChange();
        endChange();
        return;
    }
    if (folders > m_shownFolders)
        insertArrived(/*folders=*/true, folders - m_shownFolders);
    if (files > m_shownFiles)
        insertArrived(/*folders=*/false, files - m_shownFiles);
}

// Folders go after the folders shown and files after the files: one insert
// for each kind that arrived.
void FileTable::insertArrived(bool folders, int count)
{
    const int first = folders ? m_shownFolders : m_shownFolders + m_shownFiles;
    m_model->beginInsert(first, count);
    (folders ? m_shownFolders : m_shownFiles) += count;
    m_infos->setRowCount(m_shownFolders + m_shownFiles);
    m_model->endInsert();
}

// -1 when there are no rows to sort or no sort is shown.
int FileTable::shownSortColumn() const
{
    const int column = m_view->horizontalHeader()->sortIndicatorSection();
    return m_results && column >= 0 && column < kColumnTypeCount ? column : -1;
}

void FileTable::applySortOrder()
{
    const int column = shownSortColumn();
    m_sortPending = false;
    m_sortHeld = false;
    if (column < 0)
        return;
    // Rows are not reordered under the user's typing; the edit ends first.
    if (m_view->isEditing()) {
        m_sortPending = true;
        return;
    }
    if (!m_view->confirmSort(column)) {
        // The rows stay in the order they came: the indicator must not say otherwise.
        m_view->setSortIndicatorQuietly(-1, Qt::AscendingOrder);
        return;
    }
    sort(column, m_view->horizontalHeader()->sortIndicatorOrder());
}

void FileTable::applySortOrderUnlessItAsks()
{
    const int column = shownSortColumn();
    if (column >= 0 && m_view->asksBeforeSorting(column))
        m_sortHeld = true;
    else
        applySortOrder();
}

void FileTable::applyHeldSortOrder()
{
    if (m_sortHeld)
        applySortOrder();
}

bool FileTable::isSorting() const
{
    return m_sorter->isRunning();
}

void FileTable::clear()
{
    setResults(nullptr, nullptr, {});
}

void FileTable::removeRows(const QList<int> &rows)
{
    if (!m_results || rows.isEmpty())
        return;
    QList<int> folders;
    QList<int> files;
    for (int row : rows) {
        if (row >= 0 && row < m_shownFolders)
            folders.append(row);
        else if (row >= m_shownFolders && row < m_shownFolders + m_shownFiles)
            files.append(row - m_shownFolders);
    }
    beginChange();
    m_results->remove(folders, files);
    endChange();
    emit fileRemoved(rows);
}

void FileTable::applyCategories()
{
    const QList<FileCategory> categories = Settings::instance()->fileCategories();
    if (categories == m_filterBar->categories())
        return;
    rebuildFilterBar(categories);
    if (m_results)
        onFilterClicked(currentFilter());
}

// Boxes made anew come last in the focus chain: they are put back before the view.
void FileTable::rebuildFilterBar(const QList<FileCategory> &categories)
{
    m_filterBar->rebuild(categories);
    if (QWidget *box = m_filterBar->checkedBox())
        QWidget::setTabOrder(box, m_view);
}

// The category boxes scroll sideways where the table is narrower than they
// are (a preview beside it on a small screen) instead of being cut short or
// widening the window.
QWidget *FileTable::makeFilterStrip()
{
    m_filterStrip = new QScrollArea(m_widget);
    m_filterStrip->setObjectName(QStringLiteral("filterStrip"));
    m_filterStrip->setFrameShape(QFrame::NoFrame);
    m_filterStrip->setWidgetResizable(true);
    m_filterStrip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_filterStrip->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_filterStrip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_filterStrip->setWidget(m_filterBar);
    m_filterStrip->setFixedHeight(m_filterBar->sizeHint().height()
                                  + m_filterStrip->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    return m_filterStrip;
}

bool FileTable::isFilterBarVisible() const
{
    return !(m_filterStrip->isHidden() && m_filterStrip->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

void FileTable::setFilterBarVisible(bool visible)
{
    if (visible == isFilterBarVisible())
        return;
    m_filterStrip->setVisible(visible);
    // A hidden bar filters nothing: the rows it hid come back.
    if (m_results)
        onFilterClicked(currentFilter());
}

int FileTable::currentFilter() const
{
    // Hidden by the user (or the tab), not merely not shown yet: no filter.
    if (m_filterStrip->isHidden() && m_filterStrip->testAttribute(Qt::WA_WState_ExplicitShowHide))
        return -1;
    return m_filterBar->currentFilter();
}

void FileTable::onFilterClicked(int filterType)
{
    if (!m_results)
        return;
    const QList<FileCategory> categories = Settings::instance()->fileCategories();
    beginChange();
    m_results->setFilter(validFilter(filterType, categories), categories);
    endChange();
    applySortOrder();
}

// A sort still reading the results stops first; the selection is taken
// as items and given back to the rows where they are afterwards.
void FileTable::beginChange()
{
    if (m_sorter->isRunning()) {
        m_sorter->cancel();
        delete m_sortProgress;
    }
    rememberSelection();
    m_model->beginReset();
}

void FileTable::endChange()
{
    m_shownFolders = m_results ? m_results->folderCount() : 0;
    m_shownFiles = m_results ? m_results->fileCount() : 0;
    m_infos->setRowCount(m_shownFolders + m_shownFiles);
    m_model->endReset(m_shownFolders + m_shownFiles);
    restoreSelection();
}

void FileTable::rememberSelection()
{
    QItemSelectionModel *selection = m_view->selectionModel();
    m_keptSelection.clear();
    m_keptCurrent = {nullptr, nullptr};
    if (!selection || !m_results)
        return;
    for (const QModelIndex &index : selection->selectedRows()) {
        const FileSearchResults::FileItem item = rowItem(index.row());
        m_keptSelection.insert({item.name, item.path});
    }
    const QModelIndex current = selection->currentIndex();
    if (current.isValid()) {
        const FileSearchResults::FileItem item = rowItem(current.row());
        m_keptCurrent = {item.name, item.path};
        m_keptCurrentColumn = current.column();
    }
}

void FileTable::restoreSelection()
{
    if ((m_keptSelection.isEmpty() && !m_keptCurrent.first) || !m_results)
        return;
    QItemSelection rows;
    int currentRow = -1;
    // The shown rows are read in one look of the results' lock, not one per
    // row: after a sort of many rows this runs on the UI thread.
    std::vector<FileSearchResults::FileItem> items = m_results->itemsBetween(/*folders=*/true, 0, m_shownFolders);
    const std::vector<FileSearchResults::FileItem> files = m_results->itemsBetween(/*folders=*/false, 0, m_shownFiles);
    items.insert(items.end(), files.cbegin(), files.cend());
    const int count = int(items.size());
    for (int row = 0; row < count; ++row) {
        const FileSearchResults::FileItem &item = items[std::size_t(row)];
        const ItemKey key{item.name, item.path};
        if (key == m_keptCurrent)
            currentRow = row;
        if (!m_keptSelection.contains(key))
            continue;
        // Neighbouring rows join the range before them.
        if (!rows.isEmpty() && rows.last().bottom() == row - 1)
            rows.last() = QItemSelectionRange(rows.last().topLeft(), m_model->index(row, kColumnTypeCount - 1));
        else
            rows.append(QItemSelectionRange(m_model->index(row, 0), m_model->index(row, kColumnTypeCount - 1)));
    }
    m_keptSelection.clear();
    m_keptCurrent = {nullptr, nullptr};
    QItemSelectionModel *selection = m_view->selectionModel();
    if (currentRow >= 0)
        selection->setCurrentIndex(m_model->index(currentRow, m_keptCurrentColumn), QItemSelectionModel::NoUpdate);
    selection->select(rows, QItemSelectionModel::ClearAndSelect);
}

FileSearchResults::FileItem FileTable::rowItem(int row, bool *isFolder) const
{
    const bool folder = row < m_shownFolders;
    if (isFolder)
        *isFolder = folder;
    if (!m_results || row < 0 || row >= m_shownFolders + m_shownFiles)
        return FileSearchResults::FileItem();
    return folder ? m_results->folderItem(row) : m_results->fileItem(row - m_shownFolders);
}

void FileTable::sort(int column, Qt::SortOrder order)
{
    const int type = column < kColumnTypeCount ? column : -1;
    const bool readsFileSystem = FileSearchResults::readsFileSystem(type);
    // A sort that reads the file system is not repeated at the next start.
    Settings::instance()->setValue(Settings::SortColumn, readsFileSystem ? 0 : type);
    if (!m_results || type < 0)
        return;
    const bool descending = order == Qt::DescendingOrder;
    if (readsFileSystem || m_results->count() > kRowsSortedHere) {
        startBackgroundSort(type, descending);
        return;
    }
    beginChange();
    m_results->sort(type, descending);
    endChange();
}

void FileTable::startBackgroundSort(int type, bool descending)
{
    if (m_sorter->isRunning()) {
        m_sorter->cancel();
        delete m_sortProgress;
    }
    m_sorter->start(m_results, type, descending);
    // Ordering names in memory is quick and says nothing on the way.
    if (!FileSearchResults::readsFileSystem(type))
        return;
    m_sortProgress = new QProgressDialog(tr("Reading file data and sorting..."), tr("Cancel"), 0,
                                         m_results->count(), m_view);
    m_sortProgress->setWindowTitle(tr("Sorting"));
    m_sortProgress->setWindowModality(Qt::WindowModal);
    // Shown only when the sort takes a while: a quick one passes unseen.
    m_sortProgress->setMinimumDuration(1000);
    m_sortProgress->setAutoClose(false);
    m_sortProgress->setAutoReset(false);
    connect(m_sortProgress, &QProgressDialog::canceled, this, &FileTable::onSortCanceled);
    connect(m_sorter, &FileSorter::progress, m_sortProgress, &QProgressDialog::setValue);
}

void FileTable::onSorted(const QVector<FileSearchResults::FileItem> &folders,
                         const QVector<FileSearchResults::FileItem> &files)
{
    delete m_sortProgress;
    rememberSelection();
    m_model->beginReset();
    m_results->placeSorted(folders, files);
    endChange();
    emit sortEnded();
}

void FileTable::onSortCanceled()
{
    m_sorter->cancel();
    if (m_sortProgress)
        m_sortProgress->deleteLater();
    m_view->restorePreviousSortIndicator();
    emit sortEnded();
}

QString FileTable::sizeText(qint64 bytes)
{
    const qint64 kilobytes = bytes / 1024;
    if (kilobytes == 0)
        return QString::number(bytes) + QLatin1Char(' ') + QCoreApplication::translate("Bytes (short)", "B");
    // Grouped with "," whatever the locale, as the column has always shown.
    QString digits = QString::number(kilobytes);
    for (int i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return digits + QLatin1Char(' ') + tr("KB");
}

QString FileTable::boldMatches(const QString &name, ExpressionMatcher *matcher)
{
    MatchPositions positions;
    if (matcher)
        matcher->match(name, &positions);
    // Occurrences of different terms may overlap or touch: merged, so that
    // no tag lands inside another.
    std::sort(positions.begin(), positions.end());
    QList<QPair<int, int>> spans; // start, end
    for (const auto &position : qAsConst(positions)) {
        const int start = std::max(0, position.first);
        const int end = std::min(int(name.size()), position.first + position.second);
        if (start >= end)
            continue;
        if (!spans.isEmpty() && start <= spans.last().second)
            spans.last().second = std::max(spans.last().second, end);
        else
            spans.append({start, end});
    }
    if (spans.isEmpty())
        return name.toHtmlEscaped();
    // Built from the first part on, escaping the text between the tags: the
    // same text as wrapping each part from the last to the first, in one pass.
    QString text;
    text.reserve(name.size() + spans.size() * 7 + 16);
    int done = 0;
    for (const auto &span : qAsConst(spans)) {
        text += name.midRef(done, span.first - done).toString().toHtmlEscaped();
        text += QLatin1String("<b>");
        text += name.midRef(span.first, span.second - span.first).toString().toHtmlEscaped();
        text += QLatin1String("</b>");
        done = span.second;
    }
    text += name.midRef(done).toString().toHtmlEscaped();
    return text;
}

QString FileTable::relativePath(const QString &path, const QStringList &includePaths)
{
    if (includePaths.size() != 1)
        return path;
    const QString &folder = includePaths.constFirst();
    if (!path.startsWith(folder))
        return path;
    return path.mid(folder.size() + (folder.endsWith(kSeparator) ? 0 : 1));
}

QString FileTable::cellText(int row, int column)
{
    bool folder = false;
    const FileSearchResults::FileItem item = rowItem(row, &folder);
    if (!item.name)
        return QString();
    switch (column) {
    case NameColumn:
        return QString::fromUtf8(item.name);
    case PathColumn:
        return relativePath(QString::fromUtf8(item.path), m_request ? m_request->includePaths : QStringList());
    case SizeColumn:
        return folder ? QString() : sizeCellText(row);
    case CreatedColumn:
    case ModifiedColumn:
    case AccessedColumn:
        return timeText(row, column);
    case TypeColumn: {
        if (folder)
            return QString();
        const char *dot = std::strrchr(item.name, '.');
        return dot ? QString::fromUtf8(dot + 1) : QString();
    }
    case MatchesColumn:
        return item.matches ? QString::number(item.matches) : QString();
    default:
        return QString();
    }
}

QString FileTable::nameMarkup(int row)
{
    const FileSearchResults::FileItem item = rowItem(row);
    return item.name ? boldMatches(QString::fromUtf8(item.name), m_nameMatcher.get()) : QString();
}

QString FileTable::sizeCellText(int row)
{
    const FileStat *stat = m_infos->find(row);
    return stat ? stat->sizeText : QString();
}

QString FileTable::timeText(int row, int type)
{
    const FileStat *stat = m_infos->find(row);
    if (!stat)
        return QString();
    return type == CreatedColumn ? stat->createdText : type == ModifiedColumn ? stat->modifiedText : stat->accessedText;
}

bool FileTable::rename(int row, const QString &newName)
{
    bool folder = false;
    const FileSearchResults::FileItem item = rowItem(row, &folder);
    if (!item.name)
        return false;
    QString error;
    const QString from = FileSearchResults::fullPath(item);
    const QString to = QString::fromUtf8(item.path) + kSeparator + newName;
    if (newName.contains(kSeparator) || newName == QLatin1String(".") || newName == QLatin1String(".."))
        error = tr("A name cannot contain \"/\" or be \".\" or \"..\".");
    else if (!renameWithoutReplacing(from, to, &error))
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("Cannot rename %1: %2").arg(from, error));
    else {
        m_results->rename(folder, folder ? row : row - m_shownFolders, newName);
        return true;
    }
    // Not modal to this call: the edit ends and the row keeps its name while
    // the user reads why.
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Rename"),
                                tr("Cannot rename \"%1\" to \"%2\":\n%3").arg(QString::fromUtf8(item.name), newName, error),
                                QMessageBox::Ok, m_view);
    box->setObjectName(QStringLiteral("renameErrorBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return false;
}

QIcon FileTable::rowIcon(int row)
{
    bool folder = false;
    const FileSearchResults::FileItem item = rowItem(row, &folder);
    return item.name ? m_icons.icon(QString::fromUtf8(item.name), folder) : QIcon();
}

QString FileTable::fullPath(int row) const
{
    const FileSearchResults::FileItem item = rowItem(row);
    return item.name ? FileSearchResults::fullPath(item) : QString();
}

QVariant FileTable::editValue(int row)
{
    const FileSearchResults::FileItem item = rowItem(row);
    return item.name ? QString::fromUtf8(item.name) : QString();
}
