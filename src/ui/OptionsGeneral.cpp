#include "ui/OptionsGeneral.h"

#include "base/Settings.h"
#include "ui/ISystemIntegration.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

OptionsGeneral::OptionsGeneral(ISystemIntegration &integration, QWidget *parent)
    : QWidget(parent)
    , m_integration(integration)
    , m_elevated(integration.isProcessAdmin())
    , m_integratedAtStart(integration.isShellIntegrated())
    , m_skipUacAtStart(integration.isSkipUacTaskEnabled())
{
    setObjectName(QStringLiteral("OptionsGeneral"));
    auto *layout = new QVBoxLayout(this);
    m_autoLaunchCheckBox = addCheckBox("autoLaunchCheckBox");
    m_backgroundCheckBox = addCheckBox("backgroundCheckBox");
    m_integrateCheckBox = addCheckBox("integrateCheckBox");
    m_skipUACCheckBox = addCheckBox("skipUACCheckBox");
    m_saveAllTabsCheckBox = addCheckBox("saveAllTabsCheckBox");
    m_clearHistoryButton = new QPushButton(this);
    m_clearHistoryButton->setObjectName(QStringLiteral("clearHistoryButton"));
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_clearHistoryButton);
    buttonRow->addStretch(1);
    layout->addLayout(buttonRow);
    layout->addStretch(1);

    Settings *settings = Settings::instance();
    m_autoLaunchCheckBox->setChecked(integration.isAutostart());
    m_backgroundCheckBox->setChecked(settings->value(Settings::RunInBackground).toBool());
    m_integrateCheckBox->setChecked(m_integratedAtStart);
    m_skipUACCheckBox->setChecked(m_skipUacAtStart);
    m_saveAllTabsCheckBox->setChecked(settings->value(Settings::SaveAllTabs).toBool());
    connect(m_clearHistoryButton, &QPushButton::clicked, this, &OptionsGeneral::clearHistoryRequested);
    retranslate();
}

QCheckBox *OptionsGeneral::addCheckBox(const char *objectName)
{
    auto *box = new QCheckBox(this);
    box->setObjectName(QLatin1String(objectName));
    layout()->addWidget(box);
    return box;
}

void OptionsGeneral::applyAutostartAndIntegration()
{
    m_integration.setAutostart(m_autoLaunchCheckBox->isChecked());
    const bool integrate = m_integrateCheckBox->isChecked();
    if (integrate == m_integratedAtStart)
        return;
    if (m_elevated)
        m_integration.setShellIntegration(integrate);
    else
        m_integration.runElevated(integrate ? QStringLiteral("-enable-shell-integration")
                                            : QStringLiteral("-disable-shell-integration"));
}

void OptionsGeneral::storeSettings()
{
    Settings *settings = Settings::instance();
    settings->setValue(Settings::RunInBackground, m_backgroundCheckBox->isChecked());
    settings->setValue(Settings::SaveAllTabs, m_saveAllTabsCheckBox->isChecked());
}

void OptionsGeneral::applySkipUac()
{
    if (m_skipUACCheckBox->isHidden())
        return;
    const bool skip = m_skipUACCheckBox->isChecked();
    if (m_elevated) {
        if (skip)
            m_integration.createSkipUacTask();
        else
            m_integration.deleteSkipUacTask();
    } else if (skip != m_skipUacAtStart) {
        // Writing the rule needs root; only a real change is worth a password prompt.
        m_integration.runElevated(skip ? QStringLiteral("-enable-skip-uac") : QStringLiteral("-disable-skip-uac"));
    }
}

void OptionsGeneral::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void OptionsGeneral::retranslate()
{
    m_autoLaunchCheckBox->setText(tr("Launch at system startup"));
    m_backgroundCheckBox->setText(tr("Run in background"));
    m_integrateCheckBox->setText(tr("Integrate in a folder's context menu"));
    m_skipUACCheckBox->setText(tr("Skip User Account Control prompt"));
    m_saveAllTabsCheckBox->setText(tr("Save searches in all tabs on exit"));
    m_clearHistoryButton->setText(tr("Clear search history"));
}
