#pragma once

#include "base/FileCategory.h"

#include <QList>
#include <QWidget>

class QPushButton;
class QTableWidget;

// The "File categories" options page: the categories of the filter bar, in
// their order. Edits a copy; the dialog stores it when accepted.
class OptionsPageCategories : public QWidget
{
    Q_OBJECT

public:
    explicit OptionsPageCategories(QWidget *parent = nullptr);

    QList<FileCategory> categories() const { return m_categories; }
    void storeSettings();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void onAdd();
    void onEdit();
    void onRemove();
    void onUp();
    void onDown();
    void onReset();
    void updateButtons();

private:
    QPushButton *addButton(const char *objectName, const char *iconName);
    void buildLayout();
    void fill(int currentRow);
    int currentRow() const;
    void move(int from, int to);
    void retranslate();

    QList<FileCategory> m_categories;
    QTableWidget *m_tableWidget;
    QPushButton *m_addButton;
    QPushButton *m_editButton;
    QPushButton *m_removeButton;
    QPushButton *m_upButton;
    QPushButton *m_downButton;
    QPushButton *m_resetButton;
};
