#pragma once

#include <QMap>
#include <QString>
#include <QWidget>

class FileSearchRequest;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class RichComboBox;

// The search parameters panel shared by every tab. It turns its fields into
// a request, keeps the search histories and edits name and folder lists in
// their dialogs. The object names of its input widgets are the keys of a
// tab's parameter map (and of the tabs file), so they never change.
class SearchWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kBusyDelayMs = 400;
    explicit SearchWindow(QWidget *parent = nullptr);

    void fillRequest(FileSearchRequest &request) const;
    // Adds the current name, folder and contents texts to their histories.
    void recordHistories();
    // Empties the search fields; include-subfolders, the scope and the
    // advanced-options box keep their state. Dates go back to today.
    void clear();
    // Restricts the search to 'folder' (as from the command line).
    void setSearchFolder(const QString &folder);
    void setFindButtonText(const QString &text);
    // The bar is busy until a total is known, then shows 'done' of 'total';
    // stopped, it is hidden (its place is kept so the panel does not jump).
    // Shows the bar busy once the search has run kBusyDelayMs, unless
    // progress or the end comes first.
    void startProgress();
    void updateProgress(qint64 done, qint64 total);
    void stopProgress();
    // The four histories (the instant toolbar's included) from and to the
    // settings; each is saved as its 20 most recent entries.
    void loadHistories();
    void saveHistories();
    // Widget object name -> value: a combo's current text, "1"/"0" for a check
    // box, a line edit's text, a date as a Julian day number. Loading sets
    // only the widgets the map names.
    QMap<QString, QString> parameters() const;
    void loadParameters(const QMap<QString, QString> &parameters);

signals:
    void findClicked();
    void fileNameChanged(const QString &text);

public slots:
    void on_dateCheckBox_clicked(bool checked);
    void on_sizeCheckBox_clicked(bool checked);
    void on_selectNamesButton_clicked();
    void on_selectPathsButton_clicked();
    void on_selectContentsButton_clicked();
    void onFileNameModelAboutToBeReset();
    void onFileNameModelReset();
    void onFilePathModelAboutToBeReset();
    void onFilePathModelReset();
    void onFileContentModelAboutToBeReset();
    void onFileContentModelReset();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createWidgets();
    void createLayout();
    void connectWidgets();
    void retranslate();
    void retranslateAccessibleNames();
    void updateDependentWidgets();
    // Opens the list dialog for an expression field, or in the Boolean type
    // the keyword menu.
    void editExpressionList(RichComboBox *field, QPushButton *button, bool contents);
    QList<QWidget *> namedInputWidgets() const;

    QLabel *m_fileNameLabel;
    QLabel *m_nameFormatLabel;
    QLabel *m_contentsFormatLabel;
    QLabel *m_scopeLabel;
    QLabel *m_dateAndLabel;
    QLabel *m_sizeAndLabel;
    RichComboBox *m_fileNameComboBox;
    QComboBox *m_fileNameFormatComboBox;
    QCheckBox *m_caseSensitiveNameCheckBox;
    QCheckBox *m_directoryCheckBox;
    QComboBox *m_directoryComboBox;
    QCheckBox *m_includeSubfoldersCheckBox;
    QCheckBox *m_contentsCheckBox;
    RichComboBox *m_contentsComboBox;
    QComboBox *m_contentsFormatComboBox;
    QComboBox *m_contentsScopeComboBox;
    QCheckBox *m_caseSensitiveContentsCheckBox;
    QCheckBox *m_dateCheckBox;
    QDateEdit *m_minDateEdit;
    QDateEdit *m_maxDateEdit;
    QCheckBox *m_sizeCheckBox;
    QLineEdit *m_minSizeLineEdit;
    QLineEdit *m_maxSizeLineEdit;
    QComboBox *m_sizeComboBox;
    QCheckBox *m_showAdvancedCheckBox;
    QFrame *m_advancedFrame;
    QPushButton *m_selectNamesButton;
    QPushButton *m_selectPathsButton;
    QPushButton *m_selectContentsButton;
    QPushButton *m_findButton;
    QProgressBar *m_progressBar;
    QTimer *m_busyDelay;

    QString m_editedFileName;
    QString m_editedPath;
    QString m_editedContents;
};
