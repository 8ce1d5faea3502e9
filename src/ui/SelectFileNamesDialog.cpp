#include "ui/SelectFileNamesDialog.h"

#include <QLabel>
#include <QPlainTextEdit>

SelectFileNamesDialog::SelectFileNamesDialog(const QStringList &includeList, const QStringList &excludeList, Use use,
                                             QWidget *parent)
    : ListPairDialog(includeList, excludeList, /*withBrowseButtons=*/false, parent)
    , m_use(use)
{
    retranslate();
}

void SelectFileNamesDialog::retranslate()
{
    if (m_use == Use::Contents) {
        setWindowTitle(tr("Select contents text"));
        m_includeLabel->setText(tr("Include text:"));
        m_excludeLabel->setText(tr("Exclude text:"));
    } else {
        setWindowTitle(tr("Select file names"));
        m_includeLabel->setText(tr("Include file names:"));
        m_excludeLabel->setText(tr("Exclude file names:"));
    }
    m_includeEdit->setAccessibleName(m_includeLabel->text());
    m_excludeEdit->setAccessibleName(m_excludeLabel->text());
}
