#include "ui/FilterBar.h"

#include "base/Settings.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QRadioButton>
#include <QVariant>

namespace {

const char kIdProperty[] = "id";

// Names of the built-in categories; stored untranslated, shown translated.
const char *const kBuiltInNames[] = {
    QT_TRANSLATE_NOOP("FilterBar", "All"),     QT_TRANSLATE_NOOP("FilterBar", "Directory"),
    QT_TRANSLATE_NOOP("FilterBar", "Document"), QT_TRANSLATE_NOOP("FilterBar", "Executable"),
    QT_TRANSLATE_NOOP("FilterBar", "Picture"), QT_TRANSLATE_NOOP("FilterBar", "Music"),
    QT_TRANSLATE_NOOP("FilterBar", "Video"),
};

} // namespace

FilterBar::FilterBar(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
    , m_customizeAction(new QAction(this))
{
    setObjectName(QStringLiteral("filterBar"));
    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->addStretch(1);
    m_customizeAction->setObjectName(QStringLiteral("actionCustomizeFilters"));
    connect(m_customizeAction, &QAction::triggered, this, &FilterBar::customizeFilters);
    retranslate();
}

QString FilterBar::displayName(const QString &name)
{
    for (const char *builtIn : kBuiltInNames) {
        if (name == QLatin1String(builtIn))
            return tr(builtIn);
    }
    return name;
}

void FilterBar::rebuild()
{
    rebuild(Settings::instance()->fileCategories());
}

void FilterBar::rebuild(const QList<FileCategory> &categories)
{
    int selected = -1;
    for (int i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes.at(i)->isChecked())
            selected = i;
    }
    qDeleteAll(m_boxes);
    m_boxes.clear();
    m_categories = categories;
    for (int i = 0; i < categories.size(); ++i) {
        auto *box = new QRadioButton(displayName(categories.at(i).name), this);
        box->setObjectName(QStringLiteral("filterBox%1").arg(i));
        box->setProperty(kIdProperty, i);
        connect(box, &QRadioButton::clicked, this, &FilterBar::onBoxClicked);
        // Before the stretch, which stays last.
        m_layout->insertWidget(i, box);
        m_boxes.append(box);
    }
    select(selected >= 0 && selected < m_boxes.size() ? selected : 0);
}

int FilterBar::currentFilter() const
{
    // Hidden by the user (or the tab), not merely not shown yet.
    if (isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide))
        return -1;
    for (QRadioButton *box : m_boxes) {
        if (box->isChecked())
            return box->property(kIdProperty).toInt();
    }
    return -1;
}

void FilterBar::onBoxClicked()
{
    auto *box = qobject_cast<QRadioButton *>(sender());
    if (!box)
        return;
    const int id = box->property(kIdProperty).toInt();
    select(id);
    emit filterClicked(id);
}

// As in any group of radio buttons, Tab enters the row at the chosen box
// only; the arrow keys move between the boxes and choose as they go.
void FilterBar::select(int index)
{
    for (int i = 0; i < m_boxes.size(); ++i) {
        m_boxes.at(i)->setChecked(i == index);
        m_boxes.at(i)->setFocusPolicy(i == index ? Qt::TabFocus : Qt::NoFocus);
    }
}

QWidget *FilterBar::checkedBox() const
{
    for (QRadioButton *box : m_boxes) {
        if (box->isChecked())
            return box;
    }
    return nullptr;
}

void FilterBar::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(m_customizeAction);
    menu.exec(event->globalPos());
}

void FilterBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FilterBar::retranslate()
{
    m_customizeAction->setText(tr("Customize..."));
    setAccessibleName(tr("File categories"));
    for (int i = 0; i < m_boxes.size() && i < m_categories.size(); ++i)
        m_boxes.at(i)->setText(displayName(m_categories.at(i).name));
}
