#include "ui/LayoutFence.h"

#include <QResizeEvent>

LayoutFence::LayoutFence(QWidget *content, QWidget *parent)
    : QWidget(parent)
    , m_content(content)
{
    content->setParent(this);
    setSizePolicy(content->sizePolicy());
    setFocusProxy(content);
}

QSize LayoutFence::sizeHint() const
{
    return m_content->sizeHint();
}

QSize LayoutFence::minimumSizeHint() const
{
    return m_content->minimumSizeHint();
}

void LayoutFence::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_content->setGeometry(rect());
}
