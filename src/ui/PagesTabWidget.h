#pragma once

#include <QTabWidget>

// The main window's search tabs. The last tab is never closed, only cleared
// (`clearTab`); the context menu of the current tab offers new, duplicate,
// close and close-others.
class PagesTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit PagesTabWidget(QWidget *parent = nullptr);

signals:
    void newTab();
    void duplicateTab();
    void clearTab();
    // A tab was added or removed.
    void countChanged(int count);

public slots:
    void customContextMenuRequested(const QPoint &point);
    void onTabCloseRequested(int index);
    void closeTab(int index);
    void closeTab();
    void closeOtherTabs();
    // Next and previous wrap around at the ends.
    void nextTab();
    void previousTab();

protected:
    void tabInserted(int index) override;
    void tabRemoved(int index) override;
};
