#include "ui/OptionsSearch.h"

#include "base/Settings.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QVBoxLayout>

OptionsSearch::OptionsSearch(QWidget *parent)
    : QWidget(parent)
    , m_contentGroup(new QGroupBox(this))
    , m_detectEncodingCheckBox(new QCheckBox(m_contentGroup))
    , m_skipBinaryCheckBox(new QCheckBox(m_contentGroup))
    , m_usePDFcheckBox(new QCheckBox(m_contentGroup))
{
    setObjectName(QStringLiteral("OptionsSearch"));
    m_detectEncodingCheckBox->setObjectName(QStringLiteral("detectEncodingCheckBox"));
    m_skipBinaryCheckBox->setObjectName(QStringLiteral("skipBinaryCheckBox"));
    m_usePDFcheckBox->setObjectName(QStringLiteral("usePDFcheckBox"));
    auto *groupLayout = new QVBoxLayout(m_contentGroup);
    groupLayout->addWidget(m_detectEncodingCheckBox);
    groupLayout->addWidget(m_skipBinaryCheckBox);
    groupLayout->addWidget(m_usePDFcheckBox);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_contentGroup);
    layout->addStretch(1);

    Settings *settings = Settings::instance();
    m_detectEncodingCheckBox->setChecked(settings->value(Settings::AutoDetectEncoding).toBool());
    m_skipBinaryCheckBox->setChecked(settings->value(Settings::SkipBinary).toBool());
    m_usePDFcheckBox->setChecked(settings->value(Settings::UseBuiltInPDF).toBool());
    retranslate();
}

void OptionsSearch::storeSettings()
{
    Settings *settings = Settings::instance();
    settings->setValue(Settings::AutoDetectEncoding, m_detectEncodingCheckBox->isChecked());
    settings->setValue(Settings::SkipBinary, m_skipBinaryCheckBox->isChecked());
    settings->setValue(Settings::UseBuiltInPDF, m_usePDFcheckBox->isChecked());
}

void OptionsSearch::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void OptionsSearch::retranslate()
{
    m_contentGroup->setTitle(tr("Content search"));
    m_detectEncodingCheckBox->setText(tr("Auto-detect encoding of files without BOM"));
    m_skipBinaryCheckBox->setText(tr("Auto-detect and skip binary files from content searches"));
    m_usePDFcheckBox->setText(tr("Use built-in PDF converter"));
}
