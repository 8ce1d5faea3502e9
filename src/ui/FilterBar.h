#pragma once

#include "base/FileCategory.h"

#include <QList>
#include <QWidget>

class QAction;
class QHBoxLayout;
class QRadioButton;

// One box per file category above the results table; exactly one is
// checked. Clicking one (even the checked one) selects it and asks for the
// results to be filtered again. The boxes are radio buttons, so that they
// are reached with Tab, switched with the arrow keys and announced as one
// choice among several.
class FilterBar : public QWidget
{
    Q_OBJECT

public:
    explicit FilterBar(QWidget *parent = nullptr);

    // The name shown for a category: built-in names translated.
    static QString displayName(const QString &name);

    // Rebuilds the boxes from the settings' categories, keeping the selected
    // index where it still exists, else selecting the first.
    void rebuild();
    void rebuild(const QList<FileCategory> &categories);
    const QList<FileCategory> &categories() const { return m_categories; }
    // Index of the checked category; -1 when none is checked or the bar is hidden.
    int currentFilter() const;
    QAction *customizeAction() const { return m_customizeAction; }
    // The box Tab stops at; null without categories.
    QWidget *checkedBox() const;

signals:
    void filterClicked(int filterType);
    void customizeFilters();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onBoxClicked();
    void select(int index);
    void retranslate();

    QHBoxLayout *m_layout;
    QList<QRadioButton *> m_boxes;
    QList<FileCategory> m_categories;
    QAction *m_customizeAction;
};
