#pragma once

#include "base/IndexingSettings.h"

#include <QWidget>

class IIndexControl;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The "Indexing" options page (root only): where the databases live, which
// volumes are indexed, what is left out. Every control is disabled while the
// searcher searches or changes the index, since a new record then would meet
// a half-done update.
class OptionsIndexing : public QWidget
{
    Q_OBJECT

public:
    // `index` must outlive the page.
    explicit OptionsIndexing(IIndexControl &index, QWidget *parent = nullptr);

    // "1 234 567": a blank before every group of three digits from the right.
    static QString objectCountText(qint64 count);

    void setDatabasePath(const QString &path);
    // Stores the new record and the exclude paths. When the database folder
    // changed, the database files of the old one are removed afterwards, off
    // the GUI thread; other files there are left alone.
    void apply();

signals:
    void browseRequested();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void onRebuild();
    void onAddExcludePath();
    void onRemoveExcludePaths();

private:
    void buildLayout();
    void fillVolumes();
    void fillExcludePaths();
    IndexingSettings newSettings() const;
    void retranslate();

    IIndexControl &m_index;
    IndexingSettings m_current;
    QLabel *m_dbPathLabel;
    QLineEdit *m_dbPathLineEdit;
    QPushButton *m_browseButton;
    QPushButton *m_rebuildButton;
    QCheckBox *m_fixedCheckBox;
    QCheckBox *m_removableCheckBox;
    QLabel *m_drivesLabel;
    QTableWidget *m_tableWidget;
    QLabel *m_excludeLabel;
    QTableWidget *m_excludeTable;
    QPushButton *m_addButton;
    QPushButton *m_removeButton;
};
