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
#include <QMessageBox>
#include <QProgressDialog>
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
    , m_filterBar(new FilterBar(m_widget))
    , m_view(new FileTableView(m_widget))
    , m_columns(new FileTableColumns(this))
    , m_model(new FileTableModel(m_columns, this, this))
    , m_infos(new FileInfoCache([this](int row) { return fullPath(row); }, this))
    , m_sorter(new FileSorter(this))
    , m_nameDelegate(new RichTextDelegate(m_view))
{
    auto *layout = new QVBoxLayout(m_widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_filterBar);
    layout->addWidget(m_view);

    m_view->setModel(m_model);
    m_filterBar->rebuild();
    m_filterBar->setVisible(Settings::instance()->value(Settings::ShowFilterBar).toBool());
    loadColumns();

    connect(m_filterBar, &FilterBar::filterClicked, this, &FileTable::onFilterClicked);
    connect(m_filterBar, &FilterBar::customizeFilters, this, &FileTable::customizeFilters);
    connect(m_view, &FileTableView::fileSelected, this, &FileTable::fileSelected);
    connect(m_view, &FileTableView::fileRemoved, this, &FileTable::removeRows);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this, &FileTable::onColumnResized);
    connect(m_infos, &FileInfoCache::rowsRead, m_model, &FileTableModel::refreshRows);
    connect(m_sorter, &FileSorter::sorted, this, &FileTable::onSorted);
}

FileTable::~FileTable()
{
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
        if (type < NameColumn || type > MatchesColumn || types.contains(type))
            continue;
        types.append(type);
        widths.append(storedWidths.value(i) > 0 ? storedWidths.at(i) : defaultWidth(type));
    }
    if (types.isEmpty()) {
        types = FileTableColumns::defaultColumns();
        widths.clear();
        for (int type : qAsConst(types))
            widths.append(defaultWidth(type));
    }
    m_loadingColumns = true;
    beginChange();
    m_columns->setColumns(types);
    endChange();
    for (int i = 0; i < widths.size(); ++i)
        m_view->setColumnWidth(i, widths.at(i));
    for (int i = 0; i <= MatchesColumn; ++i)
        m_view->setItemDelegateForColumn(i, types.value(i, -1) == NameColumn ? m_nameDelegate : nullptr);
    m_loadingColumns = false;

    const int sortType = settings->value(Settings::SortColumn).toInt();
    m_view->setSortIndicatorQuietly(m_columns->indexOf(sortType), Qt::AscendingOrder);
}

void FileTable::onColumnResized()
{
    if (m_loadingColumns)
        return;
    QList<QPair<int, int>> columns;
    for (int i = 0; i < m_columns->count(); ++i)
        columns.append({m_columns->at(i), m_view->columnWidth(i)});
    Settings::instance()->setFileColumns(columns);
}

void FileTable::setResults(FileSearchRequest *request, FileSearchResults *results,
                           const QList<FileCategory> &categories)
{
    beginChange();
    m_request = request;
    m_results = results;
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
    beginChange();
    endChange();
}

void FileTable::applySortOrder()
{
    const int column = m_view->horizontalHeader()->sortIndicatorSection();
    if (m_results && column >= 0 && column < m_columns->count())
        sort(column, m_view->horizontalHeader()->sortIndicatorOrder());
}

void FileTable::clear()
{
    setResults(nullptr, nullptr, {});
}

void FileTable::removeRows(const QList<int> &rows)
{
    if (!m_results || rows.isEmpty())
        return;
    beginChange();
    m_results->remove(rows);
    endChange();
    emit fileRemoved(rows);
}

void FileTable::applyCategories()
{
    const QList<FileCategory> categories = Settings::instance()->fileCategories();
    if (categories == m_filterBar->categories())
        return;
    m_filterBar->rebuild(categories);
    if (m_results)
        onFilterClicked(currentFilter());
}

bool FileTable::isFilterBarVisible() const
{
    return !m_filterBar->isHidden();
}

void FileTable::setFilterBarVisible(bool visible)
{
    if (visible == isFilterBarVisible())
        return;
    m_filterBar->setVisible(visible);
    // A hidden bar filters nothing: the rows it hid come back.
    if (m_results)
        onFilterClicked(currentFilter());
}

int FileTable::currentFilter() const
{
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

// Every change of the rows goes between these two: a sort still reading the
// results stops first, and the rows' sizes and times are read anew after.
void FileTable::beginChange()
{
    if (m_sorter->isRunning()) {
        m_sorter->cancel();
        delete m_sortProgress;
    }
    m_model->beginReset();
}

void FileTable::endChange()
{
    const int count = m_results ? m_results->count() : 0;
    m_infos->clear(count);
    m_model->endReset(count);
}

void FileTable::sort(int column, Qt::SortOrder order)
{
    const int type = m_columns->at(column);
    // A sort that reads the file system is not repeated at the next start.
    Settings::instance()->setValue(Settings::SortColumn, FileSorter::readsFileSystem(type) ? 0 : type);
    if (!m_results || type < 0)
        return;
    const bool descending = order == Qt::DescendingOrder;
    if (FileSorter::readsFileSystem(type)) {
        startFileSystemSort(type, descending);
        return;
    }
    beginChange();
    m_results->sort(type, descending);
    endChange();
}

void FileTable::startFileSystemSort(int type, bool descending)
{
    if (m_sorter->isRunning()) {
        m_sorter->cancel();
        delete m_sortProgress;
    }
    m_sorter->start(m_results, type, descending);
    m_sortProgress = new QProgressDialog(tr("Reading file data and sorting..."), tr("Cancel"), 0,
                                         m_results->count(), m_view);
    m_sortProgress->setWindowTitle(tr("Sorting"));
    m_sortProgress->setWindowModality(Qt::WindowModal);
    m_sortProgress->setMinimumDuration(500);
    m_sortProgress->setAutoClose(false);
    m_sortProgress->setAutoReset(false);
    connect(m_sortProgress, &QProgressDialog::canceled, this, &FileTable::onSortCanceled);
    connect(m_sorter, &FileSorter::progress, m_sortProgress, &QProgressDialog::setValue);
}

void FileTable::onSorted(const std::vector<int> &order)
{
    delete m_sortProgress;
    m_model->beginReset();
    m_results->reorder(order);
    endChange();
}

void FileTable::onSortCanceled()
{
    m_sorter->cancel();
    if (m_sortProgress)
        m_sortProgress->deleteLater();
    m_view->restorePreviousSortIndicator();
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
    if (!m_results)
        return QString();
    const FileSearchResults::FileItem item = m_results->item(row);
    if (!item.name)
        return QString();
    switch (m_columns->at(column)) {
    case NameColumn:
        return boldMatches(QString::fromUtf8(item.name), m_nameMatcher.get());
    case PathColumn:
        return relativePath(QString::fromUtf8(item.path), m_request ? m_request->includePaths : QStringList());
    case SizeColumn:
        return sizeCellText(row);
    case CreatedColumn:
    case ModifiedColumn:
    case AccessedColumn:
        return timeText(row, m_columns->at(column));
    case TypeColumn: {
        if (m_results->isFolder(row))
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

QString FileTable::sizeCellText(int row)
{
    if (m_results->isFolder(row))
        return QString();
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
    if (!m_results)
        return false;
    const FileSearchResults::FileItem item = m_results->item(row);
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
        m_results->rename(row, newName);
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
    if (!m_results)
        return QIcon();
    const FileSearchResults::FileItem item = m_results->item(row);
    return item.name ? m_icons.icon(QString::fromUtf8(item.name), m_results->isFolder(row)) : QIcon();
}

QString FileTable::fullPath(int row) const
{
    return m_results ? m_results->fullPath(row) : QString();
}

QVariant FileTable::editValue(int row)
{
    if (!m_results)
        return QVariant();
    const FileSearchResults::FileItem item = m_results->item(row);
    return item.name ? QString::fromUtf8(item.name) : QString();
}
