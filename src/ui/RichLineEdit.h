#pragma once

#include <QLineEdit>
#include <QList>
#include <QTextLayout>
#include <QTimer>

// A line edit that draws its text itself, so that parts of it can carry
// their own character format (the highlight rules of its RichComboBox).
// Editing, keyboard selection, the clipboard and undo stay QLineEdit's; the
// drawing, the cursor, the horizontal scrolling and the mouse mapping follow
// this widget's own text layout, so that what is clicked is what is drawn.
class RichLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RichLineEdit(QWidget *parent = nullptr);

    // Index (in the drawn text) of the left-most visible character.
    int leftMost() const { return m_leftMost; }
    QRect richCursorRect() const;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

public slots:
    void toggleCursor();
    // Scrolls so that the cursor stays inside the visible part.
    void checkLeftMost();
    void resetLeftMost();
    // Lays the text out again with the rules and any text being composed.
    void updateInternal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRect textArea() const;
    QPointF layoutOrigin() const;
    // Position in the drawn text (which holds the composed text at the
    // cursor) of a position in text(), and back.
    int toDisplay(int textPosition) const;
    int toText(int displayPosition) const;
    int textPositionAt(const QPoint &point) const;
    QVector<QTextLayout::FormatRange> ruleFormats() const;
    void restartBlink();
    void copySelectionToPrimary();

    QTextLayout m_layout;
    QString m_preedit;
    int m_preeditCursor = 0;
    QVector<QTextLayout::FormatRange> m_preeditFormats;
    int m_leftMost = 0;
    int m_dragAnchor = -1;
    bool m_cursorVisible = true;
    QTimer m_blinkTimer;
};
