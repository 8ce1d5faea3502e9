#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// A one-line find bar under a read-only text view. Its actions live on the
// page that holds the view and the bar, so Ctrl+F, F3 and Shift+F3 work
// wherever the focus is inside that page. Esc in the bar's field closes it;
// Esc elsewhere belongs to the window, which closes an open bar first. A search that runs off either end
// of the text wraps around; the hit is selected and scrolled into view.
class FindBar : public QWidget
{
    Q_OBJECT
public:
    // 'page' receives the shortcuts; the bar is hidden until opened.
    FindBar(QPlainTextEdit *editor, QWidget *page);

    // Shows the bar with the view's selected text (if any) to search for.
    void open();
    void close();
    // False when the text does not occur (or the find text is empty).
    bool findNext();
    bool findPrevious();

    QLineEdit *lineEdit() const { return m_lineEdit; }
    QCheckBox *caseCheckBox() const { return m_caseCheckBox; }

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addPageActions(QWidget *page);
    bool step(bool backward);
    void findFromHit();
    bool find(bool backward, bool fromSelectionStart);
    void showResult(bool found);
    void retranslate();

    QPlainTextEdit *m_editor;
    QLineEdit *m_lineEdit;
    QCheckBox *m_caseCheckBox;
    QLabel *m_statusLabel;
    QAction *m_findAction;
    QAction *m_nextAction;
    QAction *m_previousAction;
    QAction *m_closeAction;
};
