#pragma once

#include <QTimer>
#include <QToolBar>

class FileSearchRequest;
class QCheckBox;
class QComboBox;
class QPushButton;
class RichComboBox;

// A one-line way to start a name search: a name field with its own history,
// an assist button, the expression type and the case switch. Return builds a
// request and hands it over; the toolbar never runs a search itself.
//
// With search as you type on, every edit of the field hands over a request
// too; such a text enters the history only on Return or once the typing
// has paused for kHistoryPauseMs.
class InstantToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit InstantToolBar(QWidget *parent = nullptr);

    static const int kHistoryPauseMs = 2000;

    RichComboBox *nameComboBox() const { return m_nameComboBox; }
    // Whether typing searches: the window turns it on only while the index
    // is ready, as name-only searches on the index are quick.
    void setSearchAsYouType(bool on);
    bool isSearchAsYouType() const { return m_searchAsYouType; }

signals:
    // The receiver takes ownership of 'request' (made with new). `typed`:
    // asked for by a change of the text, not by Return.
    void startSearch(FileSearchRequest *request, bool typed);
    // Typing has paused for kHistoryPauseMs after a typed search began.
    void typingPaused();
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
    void onTextEdited(const QString &text);
    FileSearchRequest *makeRequest() const;
    void retranslate();
    bool isBoolean() const;

    RichComboBox *m_nameComboBox;
    QPushButton *m_assistButton;
    QComboBox *m_typeComboBox;
    QCheckBox *m_caseCheckBox;
    QString m_editedText;
    bool m_searchAsYouType = false;
    QTimer m_historyTimer;
};
