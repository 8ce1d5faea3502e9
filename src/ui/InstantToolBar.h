#pragma once

#include <QToolBar>

class FileSearchRequest;
class QCheckBox;
class QComboBox;
class QPushButton;
class RichComboBox;

// A one-line way to start a name search: a name field with its own history,
// an assist button, the expression type and the case switch. Return builds a
// request and hands it over; the toolbar never runs a search itself.
class InstantToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit InstantToolBar(QWidget *parent = nullptr);

    RichComboBox *nameComboBox() const { return m_nameComboBox; }

signals:
    // The receiver takes ownership of 'request' (made with new).
    void startSearch(FileSearchRequest *request);
    void fileNameChanged(const QString &text);

public slots:
    void setBooleanPresentation(bool on);
    void onAssistClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void startFromField();
    void retranslate();
    bool isBoolean() const;

    RichComboBox *m_nameComboBox;
    QPushButton *m_assistButton;
    QComboBox *m_typeComboBox;
    QCheckBox *m_caseCheckBox;
    QString m_editedText;
};
