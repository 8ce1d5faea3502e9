#include "ui/OptionsPageFilters.h"

#include "base/Settings.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kClsidRole = Qt::UserRole;
constexpr int kExtensionRole = Qt::UserRole + 1;

// The content searcher matches extensions without their dot.
QString bareExtension(const QString &extension)
{
    return extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
}

} // namespace

OptionsPageFilters::OptionsPageFilters(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_archFrame(new QFrame(this))
    , m_radioButton32(new QRadioButton(m_archFrame))
    , m_radioButton64(new QRadioButton(m_archFrame))
    , m_tableWidget(new QTableWidget(0, 2, this))
{
    setObjectName(QStringLiteral("OptionsPageFilters"));
    m_archFrame->setObjectName(QStringLiteral("archFrame"));
    m_radioButton32->setObjectName(QStringLiteral("radioButton32"));
    m_radioButton64->setObjectName(QStringLiteral("radioButton64"));
    m_tableWidget->setObjectName(QStringLiteral("tableWidget"));
    m_tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableWidget->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tableWidget->verticalHeader()->hide();
    m_tableWidget->horizontalHeader()->setStretchLastSection(true);
    buildLayout();

    Settings *settings = Settings::instance();
    const ContentSearchSettings content = settings->contentSearchSettings();
    m_filters32 = content.filters32;
    m_filters64 = content.filters64;
    m_disabledFilters = content.disabledFilters;
    m_disabledExtensions = content.disabledExtensions;
    m_disabledExtensions64 = content.disabledExtensions64;
    // The helper's list is the only one on this platform.
    m_radioButton64->setChecked(true);
    m_archFrame->hide();
    retranslate();
    fill();

    connect(m_radioButton32, &QRadioButton::clicked, this, &OptionsPageFilters::onRadioButtonClicked);
    connect(m_radioButton64, &QRadioButton::clicked, this, &OptionsPageFilters::onRadioButtonClicked);
    connect(m_tableWidget, &QWidget::customContextMenuRequested, this, &OptionsPageFilters::onFilterContextMenu);
    connect(m_tableWidget, &QTableWidget::itemChanged, this, &OptionsPageFilters::onItemChanged);
}

void OptionsPageFilters::buildLayout()
{
    m_label->setWordWrap(true);
    m_label->setBuddy(m_tableWidget);
    auto *archLayout = new QHBoxLayout(m_archFrame);
    archLayout->setContentsMargins(0, 0, 0, 0);
    archLayout->addWidget(m_radioButton32);
    archLayout->addWidget(m_radioButton64);
    archLayout->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_archFrame);
    layout->addWidget(m_tableWidget, 1);
}

QStringList &OptionsPageFilters::shownDisabledExtensions()
{
    return m_radioButton32->isChecked() ? m_disabledExtensions : m_disabledExtensions64;
}

void OptionsPageFilters::fill()
{
    const QList<IFilterInfo> &filters = m_radioButton32->isChecked() ? m_filters32 : m_filters64;
    const QStringList &disabledExtensions = shownDisabledExtensions();
    const QBrush disabledText = palette().brush(QPalette::Disabled, QPalette::Text);
    const QSignalBlocker blocker(m_tableWidget);
    m_tableWidget->setRowCount(0);
    for (const IFilterInfo &filter : filters) {
        const bool filterDisabled = m_disabledFilters.contains(filter.clsid, Qt::CaseInsensitive);
        for (const QString &extension : filter.extensions) {
            const int row = m_tableWidget->rowCount();
            m_tableWidget->insertRow(row);
            auto *extensionItem = new QTableWidgetItem(extension);
            extensionItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            extensionItem->setCheckState(disabledExtensions.contains(bareExtension(extension)) ? Qt::Unchecked
                                                                                               : Qt::Checked);
            extensionItem->setData(kExtensionRole, bareExtension(extension));
            auto *nameItem = new QTableWidgetItem(filter.name.isEmpty() ? filter.clsid : filter.name);
            nameItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            for (QTableWidgetItem *item : {extensionItem, nameItem}) {
                item->setData(kClsidRole, filter.clsid);
                if (filterDisabled) {
                    item->setForeground(disabledText);
                    item->setToolTip(tr("This filter is disabled"));
                }
            }
            m_tableWidget->setItem(row, 0, extensionItem);
            m_tableWidget->setItem(row, 1, nameItem);
        }
    }
}

void OptionsPageFilters::onItemChanged(QTableWidgetItem *item)
{
    if (item->column() != 0)
        return;
    const QString extension = item->data(kExtensionRole).toString();
    QStringList &disabled = shownDisabledExtensions();
    disabled.removeAll(extension);
    if (item->checkState() != Qt::Checked)
        disabled.append(extension);
}

void OptionsPageFilters::onFilterContextMenu(QPoint pos)
{
    QMenu menu(this);
    QAction *disable = menu.addAction(tr("Disable filter"), this, &OptionsPageFilters::onDisableFilter);
    const QTableWidgetItem *current = m_tableWidget->currentItem();
    disable->setEnabled(current
                        && !m_disabledFilters.contains(current->data(kClsidRole).toString(), Qt::CaseInsensitive));
    QMenu *enable = menu.addMenu(tr("Enable filters"));
    enable->setObjectName(QStringLiteral("enableFiltersMenu"));
    const Settings *settings = Settings::instance();
    for (const QString &clsid : qAsConst(m_disabledFilters)) {
        // Filters that are not installed here have no name and stay as stored.
        const QString name = settings->filterName(clsid);
        if (name.isEmpty())
            continue;
        QAction *action = enable->addAction(name);
        action->setData(clsid);
        connect(action, &QAction::triggered, this, [this, clsid] { onEnableFilter(clsid); });
    }
    enable->setEnabled(!enable->isEmpty());
    menu.exec(m_tableWidget->viewport()->mapToGlobal(pos));
}

void OptionsPageFilters::onDisableFilter()
{
    const QTableWidgetItem *current = m_tableWidget->currentItem();
    if (!current)
        return;
    const QString clsid = current->data(kClsidRole).toString();
    if (m_disabledFilters.contains(clsid, Qt::CaseInsensitive))
        return;
    m_disabledFilters.append(clsid);
    const int row = current->row();
    fill();
    m_tableWidget->selectRow(row);
}

void OptionsPageFilters::onEnableFilter(QString filterCLSID)
{
    for (int i = m_disabledFilters.size() - 1; i >= 0; --i) {
        if (m_disabledFilters.at(i).compare(filterCLSID, Qt::CaseInsensitive) == 0)
            m_disabledFilters.removeAt(i);
    }
    fill();
}

void OptionsPageFilters::onRadioButtonClicked()
{
    fill();
}

void OptionsPageFilters::storeSettings()
{
    Settings *settings = Settings::instance();
    settings->setDisabledFilters(m_disabledFilters);
    settings->setDisabledExtensions(m_disabledExtensions);
    settings->setDisabledExtensions64(m_disabledExtensions64);
}

void OptionsPageFilters::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        fill();
    }
    QWidget::changeEvent(event);
}

void OptionsPageFilters::retranslate()
{
    m_label->setText(tr("List of IFilters installed on this computer."));
    m_radioButton32->setText(tr("32-bit"));
    m_radioButton64->setText(tr("64-bit"));
    m_tableWidget->setHorizontalHeaderLabels({tr("Extension"), tr("Handler name")});
}
