#pragma once

#include "base/IFilterInfo.h"

#include <QList>
#include <QPoint>
#include <QStringList>
#include <QWidget>

class QFrame;
class QLabel;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;

// The "File handlers" options page: the document filters the content search
// may use, one row per extension a filter serves. A filter is switched off
// as a whole from the context menu; an extension by its check box. Linux has
// one architecture, so only the helper's list is shown and the choice of
// list stays hidden.
class OptionsPageFilters : public QWidget
{
    Q_OBJECT

public:
    explicit OptionsPageFilters(QWidget *parent = nullptr);

    QStringList disabledFilters() const { return m_disabledFilters; }
    void storeSettings();

public slots:
    void onFilterContextMenu(QPoint pos);
    void onDisableFilter();
    void onEnableFilter(QString filterCLSID);
    void onRadioButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void onItemChanged(QTableWidgetItem *item);

private:
    void buildLayout();
    void fill();
    QStringList &shownDisabledExtensions();
    void retranslate();

    QList<IFilterInfo> m_filters32;
    QList<IFilterInfo> m_filters64;
    QStringList m_disabledFilters;
    QStringList m_disabledExtensions;
    QStringList m_disabledExtensions64;
    QLabel *m_label;
    QFrame *m_archFrame;
    QRadioButton *m_radioButton32;
    QRadioButton *m_radioButton64;
    QTableWidget *m_tableWidget;
};
