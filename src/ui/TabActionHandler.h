#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

class MainWindowActions;
class QWidget;
class TabPage;

// Points the window's edit actions at what they mean where the focus is,
// as a file manager does for its current view: in a text (a field, the
// preview, a name being edited) Cut, Copy, Delete and Select All work on
// that text; anywhere else they work on the current tab's results table.
// The actions are enabled for what they would act on, and follow the focus,
// the table's selection and rows, and the text's selection.
//
// The window's Esc goes through escape(). GUI thread only.
class TabActionHandler : public QObject
{
    Q_OBJECT
public:
    // `window` is the window whose focus is followed; the actions are
    // connected here and belong to the window.
    TabActionHandler(MainWindowActions *actions, QWidget *window);

    // The tab in front; null when none is.
    void setCurrentTab(TabPage *tab);
    TabPage *currentTab() const { return m_tab; }

    // Esc: closes the preview's open find bar, else cancels the current
    // tab's running search. False when it did neither (the window then
    // minimises).
    bool escape();

    // The focused text of the window the edit actions act on, or null when
    // they act on the table.
    QWidget *focusedText() const;
    // Sets the enabled state of every edit action for the present focus.
    void updateActions();

private:
    void onFocusChanged(QWidget *old, QWidget *now);
    void followText(QWidget *text);
    void connectTab();
    void cut();
    void copy();
    void deleteSelected();
    void deletePermanently();
    void selectAll();

    MainWindowActions *m_actions;
    QWidget *m_window;
    QPointer<TabPage> m_tab;
    QPointer<QWidget> m_text;
    QList<QMetaObject::Connection> m_tabConnections;
    QList<QMetaObject::Connection> m_textConnections;
};
