#include "ui/SelectPathsDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

SelectPathsDialog::FolderChooser s_folderChooser;

QString chooseFolder(QWidget *parent)
{
    if (s_folderChooser)
        return s_folderChooser(parent);
    return QFileDialog::getExistingDirectory(parent, SelectPathsDialog::tr("Select folder"));
}

} // namespace

SelectPathsDialog::SelectPathsDialog(const QStringList &includeList, const QStringList &excludeList,
                                     QWidget *parent)
    : ListPairDialog(includeList, excludeList, /*withBrowseButtons=*/true, parent)
{
    connect(m_includeBrowseButton, &QPushButton::clicked, this, [this]() { browseInto(m_includeEdit); });
    connect(m_excludeBrowseButton, &QPushButton::clicked, this, [this]() { browseInto(m_excludeEdit); });
    retranslate();
}

void SelectPathsDialog::setFolderChooser(FolderChooser chooser)
{
    s_folderChooser = std::move(chooser);
}

void SelectPathsDialog::retranslate()
{
    setWindowTitle(tr("Select folders"));
    m_includeLabel->setText(tr("Include folder list:"));
    m_excludeLabel->setText(tr("Exclude folder list:"));
    m_includeEdit->setAccessibleName(m_includeLabel->text());
    m_excludeEdit->setAccessibleName(m_excludeLabel->text());
    m_includeBrowseButton->setText(tr("Browse..."));
    m_includeBrowseButton->setAccessibleName(tr("Add a folder to include"));
    m_excludeBrowseButton->setText(tr("Browse..."));
    m_excludeBrowseButton->setAccessibleName(tr("Add a folder to exclude"));
}

void SelectPathsDialog::browseInto(QPlainTextEdit *edit)
{
    const QString folder = chooseFolder(this);
    if (folder.isEmpty())
        return;
    QString text = edit->toPlainText();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    edit->setPlainText(text + QDir::toNativeSeparators(folder));
}
