#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;

// The "Search" options page: how file contents are read.
class OptionsSearch : public QWidget
{
    Q_OBJECT

public:
    explicit OptionsSearch(QWidget *parent = nullptr);

    void storeSettings();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QGroupBox *m_contentGroup;
    QCheckBox *m_detectEncodingCheckBox;
    QCheckBox *m_skipBinaryCheckBox;
    QCheckBox *m_usePDFcheckBox;
    QCheckBox *m_searchAsYouTypeCheckBox;
};
