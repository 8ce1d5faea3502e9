#include "ui/PagesTabWidget.h"

#include <QMenu>
#include <QTabBar>

PagesTabWidget::PagesTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    setTabsClosable(true);
    setMovable(true);
    setDocumentMode(true);
    tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QTabWidget::tabCloseRequested, this, &PagesTabWidget::onTabCloseRequested);
    connect(tabBar(), &QWidget::customContextMenuRequested, this, &PagesTabWidget::customContextMenuRequested);
}

void PagesTabWidget::customContextMenuRequested(const QPoint &point)
{
    if (!tabBar()->tabRect(currentIndex()).contains(point))
        return;
    QMenu menu(this);
    menu.addAction(tr("New tab"), this, &PagesTabWidget::newTab);
    menu.addAction(tr("Duplicate"), this, &PagesTabWidget::duplicateTab);
    menu.addAction(tr("Close"), this, qOverload<>(&PagesTabWidget::closeTab));
    menu.addAction(tr("Close other tabs"), this, &PagesTabWidget::closeOtherTabs);
    menu.exec(tabBar()->mapToGlobal(point));
}

void PagesTabWidget::onTabCloseRequested(int index)
{
    if (index < 0 || index >= count())
        return;
    if (count() < 2) {
        emit clearTab();
        return;
    }
    QWidget *page = widget(index);
    removeTab(index);
    page->deleteLater();
}

void PagesTabWidget::closeTab(int index)
{
    onTabCloseRequested(index);
}

void PagesTabWidget::closeTab()
{
    onTabCloseRequested(currentIndex());
}

void PagesTabWidget::closeOtherTabs()
{
    const int kept = currentIndex();
    for (int index = count() - 1; index >= 0; --index) {
        if (index != kept)
            onTabCloseRequested(index);
    }
}

void PagesTabWidget::nextTab()
{
    if (count() > 1)
        setCurrentIndex((currentIndex() + 1) % count());
}

void PagesTabWidget::previousTab()
{
    if (count() > 1)
        setCurrentIndex((currentIndex() - 1 + count()) % count());
}

void PagesTabWidget::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    emit countChanged(count());
}

void PagesTabWidget::tabRemoved(int index)
{
    QTabWidget::tabRemoved(index);
    emit countChanged(count());
}
