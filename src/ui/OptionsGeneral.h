#pragma once

#include <QWidget>

class ISystemIntegration;
class QCheckBox;
class QPushButton;

// The "General" options page: desktop integration and what the program does
// in the background and on exit. Shows the state of the desktop when built;
// changes nothing until the dialog applies it.
class OptionsGeneral : public QWidget
{
    Q_OBJECT

public:
    // `integration` must outlive the page.
    explicit OptionsGeneral(ISystemIntegration &integration, QWidget *parent = nullptr);

    // Autostart, then the folder menu if its box was changed: directly when
    // this process is root, else through a root instance of the program.
    void applyAutostartAndIntegration();
    void storeSettings();
    // Writes or removes the rule when its box is shown (directly when root,
    // else through a root instance, and then only if the box was changed).
    void applySkipUac();

signals:
    void clearHistoryRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    QCheckBox *addCheckBox(const char *objectName);
    void retranslate();

    ISystemIntegration &m_integration;
    bool m_elevated;
    bool m_integratedAtStart;
    bool m_skipUacAtStart;
    QCheckBox *m_autoLaunchCheckBox;
    QCheckBox *m_backgroundCheckBox;
    QCheckBox *m_integrateCheckBox;
    QCheckBox *m_skipUACCheckBox;
    QCheckBox *m_saveAllTabsCheckBox;
    QPushButton *m_clearHistoryButton;
};
