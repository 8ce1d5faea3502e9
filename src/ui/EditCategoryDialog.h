#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// Edits one file category: its name, its extensions and which items it
// holds (files, folders or both, hidden, read-only).
class EditCategoryDialog : public QDialog
{
    Q_OBJECT

public:
    EditCategoryDialog(QWidget *parent, const QString &name, const QString &extensions, const QString &attributes);

    QString name() const;
    QString extensions() const;
    // Letters: "d" or "f" (or neither), then "h" and "r" where checked.
    QString attributes() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildLayout();
    void retranslate();
    void updateOkButton();

    QLabel *m_nameLabel;
    QLineEdit *m_nameEdit;
    QLabel *m_extensionLabel;
    QLineEdit *m_extensionEdit;
    QGroupBox *m_attributesGroup;
    QComboBox *m_directoryComboBox;
    QCheckBox *m_hiddenCheckBox;
    QCheckBox *m_readOnlyCheckBox;
    QDialogButtonBox *m_buttons;
};
