#pragma once

#include <QDialog>

class QLabel;

// Version, build time, and the libraries the program is made of with their
// licences.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_text;
};
