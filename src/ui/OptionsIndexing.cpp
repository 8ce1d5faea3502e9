#include "ui/OptionsIndexing.h"

#include "base/Settings.h"
#include "index/NTFSDriveDB.h"
#include "ui/IIndexControl.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QThreadPool>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

constexpr int kKeyRole = Qt::UserRole;

// Only the files the index writes there (one per volume key) go: the user
// may have chosen a folder of their own whose "DB" holds other things. The
// folder itself goes only when that leaves it empty.
void removeDatabaseFiles(const QString &dbFolder)
{
    for (char key = 'A'; key <= 'Z'; ++key)
        QFile::remove(NTFSDriveDB::databaseFilePath(dbFolder, QLatin1Char(key)));
    QDir(dbFolder).rmdir(QStringLiteral("DB"));
}

QTableWidget *makeTable(QWidget *parent, const char *objectName, int columns)
{
    auto *table = new QTableWidget(0, columns, parent);
    table->setObjectName(QLatin1String(objectName));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

OptionsIndexing::OptionsIndexing(IIndexControl &index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
    , m_current(index.indexingSettings())
    , m_dbPathLabel(new QLabel(this))
    , m_dbPathLineEdit(new QLineEdit(this))
    , m_browseButton(new QPushButton(this))
    , m_rebuildButton(new QPushButton(this))
    , m_fixedCheckBox(new QCheckBox(this))
    , m_removableCheckBox(new QCheckBox(this))
    , m_drivesLabel(new QLabel(this))
    , m_tableWidget(makeTable(this, "tableWidget", 2))
    , m_excludeLabel(new QLabel(this))
    , m_excludeTable(makeTable(this, "excludeTable", 1))
    , m_addButton(new QPushButton(QIcon::fromTheme(QStringLiteral("list-add")), QString(), this))
    , m_removeButton(new QPushButton(QIcon::fromTheme(QStringLiteral("list-remove")), QString(), this))
{
    setObjectName(QStringLiteral("OptionsIndexing"));
    m_dbPathLineEdit->setObjectName(QStringLiteral("dbPathLineEdit"));
    m_browseButton->setObjectName(QStringLiteral("browseButton"));
    m_rebuildButton->setObjectName(QStringLiteral("rebuildButton"));
    m_fixedCheckBox->setObjectName(QStringLiteral("fixedCheckBox"));
    m_removableCheckBox->setObjectName(QStringLiteral("removableCheckBox"));
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_removeButton->setObjectName(QStringLiteral("removeButton"));
    m_tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    buildLayout();

    m_dbPathLineEdit->setText(Settings::instance()->value(Settings::DBPath).toString());
    m_fixedCheckBox->setChecked(m_current.autoAddFixed);
    m_removableCheckBox->setChecked(m_current.autoAddRemovable);
    fillVolumes();
    fillExcludePaths();
    retranslate();

    if (m_index.isSearching() || m_index.isBusy()) {
        setEnabled(false);
        return;
    }
    connect(m_browseButton, &QPushButton::clicked, this, &OptionsIndexing::browseRequested);
    connect(m_rebuildButton, &QPushButton::clicked, this, &OptionsIndexing::onRebuild);
    connect(m_addButton, &QPushButton::clicked, this, &OptionsIndexing::onAddExcludePath);
    connect(m_removeButton, &QPushButton::clicked, this, &OptionsIndexing::onRemoveExcludePaths);
}

void OptionsIndexing::buildLayout()
{
    m_dbPathLabel->setBuddy(m_dbPathLineEdit);
    m_drivesLabel->setBuddy(m_tableWidget);
    m_excludeLabel->setBuddy(m_excludeTable);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_dbPathLabel);
    pathRow->addWidget(m_dbPathLineEdit, 1);
    pathRow->addWidget(m_browseButton);
    pathRow->addWidget(m_rebuildButton);
    auto *excludeButtons = new QVBoxLayout;
    excludeButtons->addWidget(m_addButton);
    excludeButtons->addWidget(m_removeButton);
    excludeButtons->addStretch(1);
    auto *excludeRow = new QHBoxLayout;
    excludeRow->addWidget(m_excludeTable, 1);
    excludeRow->addLayout(excludeButtons);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pathRow);
    layout->addWidget(m_fixedCheckBox);
    layout->addWidget(m_removableCheckBox);
    layout->addWidget(m_drivesLabel);
    layout->addWidget(m_tableWidget, 1);
    layout->addWidget(m_excludeLabel);
    layout->addLayout(excludeRow, 1);
}

QString OptionsIndexing::objectCountText(qint64 count)
{
    QString digits = QString::number(count);
    const int firstDigit = digits.startsWith(QLatin1Char('-')) ? 1 : 0;
    for (int at = digits.size() - 3; at > firstDigit; at -= 3)
        digits.insert(at, QLatin1Char(' '));
    return digits;
}

void OptionsIndexing::fillVolumes()
{
    const QMap<QChar, int> counts = m_index.objectCounts();
    const QList<IIndexControl::Volume> volumes = m_index.localVolumes();
    m_tableWidget->setRowCount(volumes.size());
    for (int row = 0; row < volumes.size(); ++row) {
        const IIndexControl::Volume &volume = volumes.at(row);
        const QString iconName = volume.fixed ? QStringLiteral("drive-harddisk") : QStringLiteral("drive-removable-media");
        auto *name = new QTableWidgetItem(QIcon::fromTheme(iconName), QStringLiteral("%1: (%2)").arg(volume.key, volume.mountPoint));
        name->setData(kKeyRole, volume.key);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        name->setCheckState(m_current.indexDrives.contains(volume.key) ? Qt::Checked : Qt::Unchecked);
        m_tableWidget->setItem(row, 0, name);
        auto *count = new QTableWidgetItem(objectCountText(counts.value(volume.key, 0)));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_tableWidget->setItem(row, 1, count);
    }
    m_tableWidget->resizeColumnToContents(0);
}

void OptionsIndexing::fillExcludePaths()
{
    const QList<ExcludePath> paths = Settings::instance()->excludePaths();
    m_excludeTable->setRowCount(paths.size());
    for (int row = 0; row < paths.size(); ++row) {
        auto *item = new QTableWidgetItem(paths.at(row).path);
        item->setCheckState(paths.at(row).active ? Qt::Checked : Qt::Unchecked);
        m_excludeTable->setItem(row, 0, item);
    }
}

void OptionsIndexing::setDatabasePath(const QString &path)
{
    m_dbPathLineEdit->setText(path);
}

void OptionsIndexing::onRebuild()
{
    m_index.rebuild();
    setEnabled(false);
}

void OptionsIndexing::onAddExcludePath()
{
    const int row = m_excludeTable->rowCount();
    m_excludeTable->insertRow(row);
    auto *item = new QTableWidgetItem;
    item->setCheckState(Qt::Checked);
    m_excludeTable->setItem(row, 0, item);
    m_excludeTable->setCurrentItem(item);
    m_excludeTable->editItem(item);
}

void OptionsIndexing::onRemoveExcludePaths()
{
    const QModelIndexList rows = m_excludeTable->selectionModel()->selectedRows();
    QList<int> numbers;
    for (const QModelIndex &index : rows)
        numbers.append(index.row());
    std::sort(numbers.begin(), numbers.end(), std::greater<int>());
    for (int row : qAsConst(numbers))
        m_excludeTable->removeRow(row);
}

IndexingSettings OptionsIndexing::newSettings() const
{
    IndexingSettings settings;
    QList<QChar> shown;
    for (int row = 0; row < m_tableWidget->rowCount(); ++row) {
        const QTableWidgetItem *item = m_tableWidget->item(row, 0);
        const QChar key = item->data(kKeyRole).toChar().toUpper();
        shown.append(key);
        (item->checkState() == Qt::Checked ? settings.indexDrives : settings.noIndexDrives).append(key);
    }
    // A volume that is not mounted now keeps the choice made for it.
    for (QChar key : m_current.indexDrives) {
        if (!shown.contains(key))
            settings.indexDrives.append(key);
    }
    for (QChar key : m_current.noIndexDrives) {
        if (!shown.contains(key))
            settings.noIndexDrives.append(key);
    }
    settings.autoAddFixed = m_fixedCheckBox->isChecked();
    settings.autoAddRemovable = m_removableCheckBox->isChecked();
    // An emptied field would put the databases at the root; keep the old folder.
    const QString path = m_dbPathLineEdit->text().trimmed();
    settings.dbPath = path.isEmpty() ? Settings::instance()->value(Settings::DBPath).toString() : path;
    return settings;
}

void OptionsIndexing::apply()
{
    const IndexingSettings settings = newSettings();
    const QString oldFolder = m_current.dbPath;
    if (!oldFolder.isEmpty() && QDir::cleanPath(oldFolder) != QDir::cleanPath(settings.dbPath))
        QThreadPool::globalInstance()->start([oldFolder] { removeDatabaseFiles(oldFolder); });
    Settings *store = Settings::instance();
    store->setIndexingSettings(settings);
    QList<ExcludePath> paths;
    for (int row = 0; row < m_excludeTable->rowCount(); ++row) {
        const QTableWidgetItem *item = m_excludeTable->item(row, 0);
        const QString path = item ? item->text().trimmed() : QString();
        if (!path.isEmpty())
            paths.append({path, item->checkState() == Qt::Checked});
    }
    store->setExcludePaths(paths);
}

void OptionsIndexing::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void OptionsIndexing::retranslate()
{
    m_dbPathLabel->setText(tr("File database path:"));
    m_browseButton->setText(tr("Browse..."));
    m_rebuildButton->setText(tr("Rebuild"));
    m_fixedCheckBox->setText(tr("Automatically index new fixed drives"));
    m_removableCheckBox->setText(tr("Automatically index new removable drives"));
    m_drivesLabel->setText(tr("Index the following NTFS drives:"));
    m_tableWidget->setHorizontalHeaderLabels({tr("Drive letter"), tr("Objects count")});
    m_excludeLabel->setText(tr("Exclude paths:"));
    m_excludeTable->setHorizontalHeaderLabels({tr("Path")});
    m_addButton->setText(tr("Add"));
    m_removeButton->setText(tr("Remove"));
}
