#include "ui/OptionsPageCategories.h"

#include "base/Settings.h"
#include "ui/EditCategoryDialog.h"
#include "ui/FilterBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

OptionsPageCategories::OptionsPageCategories(QWidget *parent)
    : QWidget(parent)
    , m_categories(Settings::instance()->fileCategories())
    , m_tableWidget(new QTableWidget(0, 3, this))
{
    setObjectName(QStringLiteral("OptionsPageCategories"));
    m_tableWidget->setObjectName(QStringLiteral("tableWidget"));
    m_tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableWidget->verticalHeader()->hide();
    QHeaderView *header = m_tableWidget->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_addButton = addButton("addButton", "list-add");
    m_editButton = addButton("editButton", "document-edit");
    m_removeButton = addButton("removeButton", "list-remove");
    m_upButton = addButton("upButton", "go-up");
    m_downButton = addButton("downButton", "go-down");
    m_resetButton = addButton("resetButton", "edit-undo");
    buildLayout();
    retranslate();

    connect(m_addButton, &QPushButton::clicked, this, &OptionsPageCategories::onAdd);
    connect(m_editButton, &QPushButton::clicked, this, &OptionsPageCategories::onEdit);
    connect(m_removeButton, &QPushButton::clicked, this, &OptionsPageCategories::onRemove);
    connect(m_upButton, &QPushButton::clicked, this, &OptionsPageCategories::onUp);
    connect(m_downButton, &QPushButton::clicked, this, &OptionsPageCategories::onDown);
    connect(m_resetButton, &QPushButton::clicked, this, &OptionsPageCategories::onReset);
    connect(m_tableWidget, &QTableWidget::itemSelectionChanged, this, &OptionsPageCategories::updateButtons);
    connect(m_tableWidget, &QTableWidget::cellDoubleClicked, this, &OptionsPageCategories::onEdit);
    fill(0);
}

QPushButton *OptionsPageCategories::addButton(const char *objectName, const char *iconName)
{
    auto *button = new QPushButton(QIcon::fromTheme(QLatin1String(iconName)), QString(), this);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

void OptionsPageCategories::buildLayout()
{
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_addButton, m_editButton, m_removeButton, m_upButton, m_downButton, m_resetButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_tableWidget, 1);
    layout->addLayout(buttons);
}

void OptionsPageCategories::fill(int currentRow)
{
    m_tableWidget->setRowCount(m_categories.size());
    for (int row = 0; row < m_categories.size(); ++row) {
        const FileCategory &category = m_categories.at(row);
        const QString texts[] = {FilterBar::displayName(category.name), category.extensions, category.attributes};
        for (int column = 0; column < 3; ++column)
            m_tableWidget->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    if (currentRow >= 0 && currentRow < m_categories.size())
        m_tableWidget->selectRow(currentRow);
    updateButtons();
}

int OptionsPageCategories::currentRow() const
{
    const QList<QTableWidgetItem *> selected = m_tableWidget->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void OptionsPageCategories::updateButtons()
{
    const int row = currentRow();
    m_editButton->setEnabled(row >= 0);
    m_removeButton->setEnabled(row >= 0);
    m_upButton->setEnabled(row > 0);
    m_downButton->setEnabled(row >= 0 && row < m_categories.size() - 1);
}

void OptionsPageCategories::onAdd()
{
    EditCategoryDialog dialog(this, QString(), QString(), QStringLiteral("f"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_categories.append({dialog.attributes(), dialog.extensions(), dialog.name()});
    fill(m_categories.size() - 1);
}

void OptionsPageCategories::onEdit()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const FileCategory &category = m_categories.at(row);
    EditCategoryDialog dialog(this, category.name, category.extensions, category.attributes);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_categories[row] = {dialog.attributes(), dialog.extensions(), dialog.name()};
    fill(row);
}

void OptionsPageCategories::onRemove()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_categories.removeAt(row);
    fill(qMin(row, m_categories.size() - 1));
}

void OptionsPageCategories::move(int from, int to)
{
    if (from < 0 || to < 0 || to >= m_categories.size())
        return;
    m_categories.move(from, to);
    fill(to);
}

void OptionsPageCategories::onUp()
{
    const int row = currentRow();
    move(row, row - 1);
}

void OptionsPageCategories::onDown()
{
    const int row = currentRow();
    move(row, row + 1);
}

void OptionsPageCategories::onReset()
{
    m_categories = Settings::instance()->defaultFileCategories();
    fill(0);
}

void OptionsPageCategories::storeSettings()
{
    Settings::instance()->setFileCategories(m_categories);
}

void OptionsPageCategories::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        fill(currentRow());
    }
    QWidget::changeEvent(event);
}

void OptionsPageCategories::retranslate()
{
    m_tableWidget->setHorizontalHeaderLabels({tr("Name"), tr("Extensions"), tr("Attributes")});
    m_tableWidget->setAccessibleName(tr("File categories"));
    m_addButton->setText(tr("Add"));
    m_editButton->setText(tr("Edit"));
    m_removeButton->setText(tr("Remove"));
    m_upButton->setText(tr("Up"));
    m_downButton->setText(tr("Down"));
    m_resetButton->setText(tr("Reset"));
}
