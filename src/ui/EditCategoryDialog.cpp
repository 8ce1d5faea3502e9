#include "ui/EditCategoryDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum DirectoryChoice { FileOrDirectory = 0, FileOnly = 1, DirectoryOnly = 2 };

} // namespace

EditCategoryDialog::EditCategoryDialog(QWidget *parent, const QString &name, const QString &extensions,
                                       const QString &attributes)
    : QDialog(parent)
    , m_nameLabel(new QLabel(this))
    , m_nameEdit(new QLineEdit(name, this))
    , m_extensionLabel(new QLabel(this))
    , m_extensionEdit(new QLineEdit(extensions, this))
    , m_attributesGroup(new QGroupBox(this))
    , m_directoryComboBox(new QComboBox(m_attributesGroup))
    , m_hiddenCheckBox(new QCheckBox(m_attributesGroup))
    , m_readOnlyCheckBox(new QCheckBox(m_attributesGroup))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_extensionEdit->setObjectName(QStringLiteral("extensionEdit"));
    m_directoryComboBox->setObjectName(QStringLiteral("directoryComboBox"));
    m_hiddenCheckBox->setObjectName(QStringLiteral("hiddenCheckBox"));
    m_readOnlyCheckBox->setObjectName(QStringLiteral("readOnlyCheckBox"));
    m_directoryComboBox->addItems({QString(), QString(), QString()});
    buildLayout();
    retranslate();

    // "d" wins over "f": a category cannot hold folders only and files only.
    const int choice = attributes.contains(QLatin1Char('d')) ? DirectoryOnly
        : attributes.contains(QLatin1Char('f'))              ? FileOnly
                                                             : FileOrDirectory;
    m_directoryComboBox->setCurrentIndex(choice);
    m_hiddenCheckBox->setChecked(attributes.contains(QLatin1Char('h')));
    m_readOnlyCheckBox->setChecked(attributes.contains(QLatin1Char('r')));

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_nameEdit, &QLineEdit::textChanged, this, &EditCategoryDialog::updateOkButton);
    updateOkButton();
}

void EditCategoryDialog::buildLayout()
{
    m_nameLabel->setBuddy(m_nameEdit);
    m_extensionLabel->setBuddy(m_extensionEdit);
    auto *attributesLayout = new QVBoxLayout(m_attributesGroup);
    attributesLayout->addWidget(m_directoryComboBox);
    attributesLayout->addWidget(m_hiddenCheckBox);
    attributesLayout->addWidget(m_readOnlyCheckBox);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_nameEdit);
    layout->addWidget(m_extensionLabel);
    layout->addWidget(m_extensionEdit);
    layout->addWidget(m_attributesGroup);
    layout->addWidget(m_buttons);
}

void EditCategoryDialog::retranslate()
{
    setWindowTitle(tr("Edit file category"));
    m_nameLabel->setText(tr("File category name"));
    m_extensionLabel->setText(tr("File extensions"));
    m_nameEdit->setAccessibleName(tr("File category name"));
    m_extensionEdit->setAccessibleName(tr("File extensions"));
    m_extensionEdit->setToolTip(tr("Extensions without dots, separated by \";\""));
    m_attributesGroup->setTitle(tr("File attributes"));
    m_directoryComboBox->setItemText(FileOrDirectory, tr("File or Directory"));
    m_directoryComboBox->setItemText(FileOnly, tr("File"));
    m_directoryComboBox->setItemText(DirectoryOnly, tr("Directory"));
    m_directoryComboBox->setAccessibleName(tr("File attributes"));
    m_hiddenCheckBox->setText(tr("Hidden"));
    m_readOnlyCheckBox->setText(tr("Read-only"));
}

void EditCategoryDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void EditCategoryDialog::updateOkButton()
{
    // A category without a name would show as an empty box in the bar.
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!name().isEmpty());
}

QString EditCategoryDialog::name() const
{
    return m_nameEdit->text().trimmed();
}

QString EditCategoryDialog::extensions() const
{
    // Blanks and leading dots are what users type by habit; the filter
    // compares bare extensions.
    QStringList parts = m_extensionEdit->text().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &part : parts) {
        part = part.trimmed();
        while (part.startsWith(QLatin1Char('.')))
            part.remove(0, 1);
    }
    parts.removeAll(QString());
    return parts.join(QLatin1Char(';'));
}

QString EditCategoryDialog::attributes() const
{
    QString letters;
    if (m_directoryComboBox->currentIndex() == DirectoryOnly)
        letters += QLatin1Char('d');
    else if (m_directoryComboBox->currentIndex() == FileOnly)
        letters += QLatin1Char('f');
    if (m_hiddenCheckBox->isChecked())
        letters += QLatin1Char('h');
    if (m_readOnlyCheckBox->isChecked())
        letters += QLatin1Char('r');
    return letters;
}
