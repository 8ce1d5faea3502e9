#pragma once

#include <QDialog>

class IIndexControl;
class ISystemIntegration;
class OptionsGeneral;
class OptionsIndexing;
class OptionsPageCategories;
class OptionsPageFilters;
class OptionsSearch;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QStackedWidget;

// The program's options on five pages. Nothing is stored or changed on the
// desktop until OK; Cancel leaves everything as it was. The caller hands the
// new settings to the searcher after an accepted dialog.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    enum Page { GeneralPage, IndexingPage, SearchPage, CategoriesPage, FiltersPage };

    // Both must outlive the dialog.
    OptionsDialog(IIndexControl &index, ISystemIntegration &integration, QWidget *parent = nullptr);

    void setCurrentPage(Page page);

public slots:
    void onListItemChanged(int index);
    void onAccept();
    void onClearHistory();
    void onBrowseDBPath();

protected:
    void changeEvent(QEvent *event) override;

private:
    void addPage(QWidget *page);
    void retranslate();

    OptionsGeneral *m_general;
    OptionsIndexing *m_indexing = nullptr;   // null when this process is not root
    QLabel *m_indexingUnavailable = nullptr; // shown instead
    OptionsSearch *m_search;
    OptionsPageCategories *m_categories;
    OptionsPageFilters *m_filters;
    bool m_elevated;
    QListWidget *m_listWidget;
    QStackedWidget *m_pageFrame;
    QDialogButtonBox *m_buttonBox;
};
