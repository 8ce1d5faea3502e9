#pragma once

#include <QWidget>

// Holds one widget, filling itself with it, and keeps that widget's changes
// of size hints from laying out again the window around it.
//
// A label's new text or a tab's new title makes its parents recompute their
// layouts up to the top-level window, and a main window's layout is slow: it
// places every dock and toolbar again (styles make icons and start
// animations as it does). Text that changes at every keystroke then stalls
// typing. Behind a fence the content is only fitted to the fence, whose own
// size follows the window as before. The fence's size hints are the
// content's, read whenever the window lays itself out for other reasons.
class LayoutFence : public QWidget
{
    Q_OBJECT

public:
    explicit LayoutFence(QWidget *content, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_content;
};
