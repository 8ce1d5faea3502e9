#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// A dialog that edits an include list and an exclude list, one entry per line
// of a text box each. The name and folder list dialogs are this dialog with
// their own titles, labels and (for folders) browse buttons.
class ListPairDialog : public QDialog
{
    Q_OBJECT

public:
    // Lines of the boxes, split at line feeds; empty lines are kept (the
    // list format drops empty entries).
    QStringList includeList() const;
    QStringList excludeList() const;

protected:
    ListPairDialog(const QStringList &includeList, const QStringList &excludeList, bool withBrowseButtons,
                   QWidget *parent);

    void changeEvent(QEvent *event) override;
    // Sets the title, the two labels and any other text built in code.
    virtual void retranslate() = 0;

    QLabel *m_includeLabel;
    QLabel *m_excludeLabel;
    QPlainTextEdit *m_includeEdit;
    QPlainTextEdit *m_excludeEdit;
    QPushButton *m_includeBrowseButton = nullptr;
    QPushButton *m_excludeBrowseButton = nullptr;
};
