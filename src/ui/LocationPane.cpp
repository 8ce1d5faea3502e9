#include "ui/LocationPane.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace {

const QColor kMarkColour(239, 203, 5);
const QColor kIndicatorColour(128, 128, 255);
const QColor kIndicatorFill(128, 128, 255, 128);

} // namespace

LocationPane::LocationPane(QWidget *parent)
    : QFrame(parent)
    , m_background(palette().color(QPalette::Window))
{
    setObjectName(QStringLiteral("locationPane"));
    setMinimumWidth(2 * kMargin + 8);
    retranslate();
}

void LocationPane::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void LocationPane::retranslate()
{
    setAccessibleName(tr("Location of the matches in the file"));
}

QSize LocationPane::sizeHint() const
{
    return QSize(2 * kMargin + 16, QFrame::sizeHint().height());
}

void LocationPane::setView(QAbstractScrollArea *view)
{
    if (m_view)
        disconnect(m_view->verticalScrollBar(), nullptr, this, nullptr);
    m_view = view;
    if (view) {
        QScrollBar *bar = view->verticalScrollBar();
        connect(bar, &QScrollBar::valueChanged, this, QOverload<>::of(&QWidget::update));
        connect(bar, &QScrollBar::rangeChanged, this, QOverload<>::of(&QWidget::update));
    }
    update();
}

void LocationPane::setLines(int total, const QList<int> &lines)
{
    m_total = std::max(total, 0);
    m_marks.clear();
    for (int line : lines) {
        if (!m_marks.isEmpty()) {
            Mark &last = m_marks.last();
            if (line == last.firstLine + last.lineCount) {
                ++last.lineCount;
                continue;
            }
        }
        m_marks.append({line, 1});
    }
    update();
}

void LocationPane::clear()
{
    m_total = 0;
    m_marks.clear();
    update();
}

QRect LocationPane::innerArea() const
{
    const int inset = frameWidth() + kMargin;
    return rect().adjusted(inset, inset, -inset, -inset);
}

int LocationPane::visibleLines() const
{
    if (!m_view)
        return 0;
    const int spacing = QFontMetrics(m_view->font()).lineSpacing();
    return spacing > 0 ? m_view->height() / spacing : 0;
}

// The view's share of the file, kept inside the area: a file shorter than the
// view is framed whole rather than by a rectangle taller than the pane.
int LocationPane::indicatorHeight(const QRect &inner) const
{
    return std::max(std::min(viewShare(inner), inner.height()), kMinimumIndicatorHeight);
}

int LocationPane::viewShare(const QRect &inner) const
{
    return int(std::min<qint64>(qint64(inner.height()) * visibleLines() / m_total, INT_MAX));
}

void LocationPane::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), m_background);
    const QRect inner = innerArea();
    if (inner.isEmpty())
        return;
    painter.fillRect(inner, Qt::white);
    painter.setPen(Qt::darkGray);
    painter.drawLine(inner.left() - 1, inner.top() - 1, inner.right(), inner.top() - 1);
    painter.drawLine(inner.left() - 1, inner.top() - 1, inner.left() - 1, inner.bottom());
    // Nothing is known about an empty file: no proportions to draw.
    if (m_total <= 0)
        return;
    paintMarks(painter, inner);
    if (m_view)
        paintIndicator(painter, inner);
}

void LocationPane::paintMarks(QPainter &painter, const QRect &inner)
{
    painter.save();
    painter.setClipRect(inner);
    for (const Mark &mark : m_marks) {
        const int y = int(qint64(mark.firstLine) * inner.height() / m_total);
        const int h = std::max(int(qint64(mark.lineCount) * inner.height() / m_total), 1);
        painter.fillRect(inner.x(), inner.y() + y, inner.width(), h, kMarkColour);
    }
    painter.restore();
}

void LocationPane::paintIndicator(QPainter &painter, const QRect &inner)
{
    const int h = indicatorHeight(inner);
    const QScrollBar *bar = m_view->verticalScrollBar();
    const double f = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0.0;
    const int top = inner.y() + int((inner.height() - h - 1) * f);
    painter.setPen(kIndicatorColour);
    painter.setBrush(kIndicatorFill);
    painter.drawRect(0, top, width() - 1, h - 1);
}

void LocationPane::mousePressEvent(QMouseEvent *event)
{
    scrollTo(event->pos().y());
    QFrame::mousePressEvent(event);
}

void LocationPane::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        scrollTo(event->pos().y());
    QFrame::mouseMoveEvent(event);
}

// Centres the view's share of the file on 'y'; beyond either end the view
// stops at its first or last line.
void LocationPane::scrollTo(int y)
{
    if (!m_view || m_total <= 0)
        return;
    const QRect inner = innerArea();
    const int h = viewShare(inner);
    const int range = inner.height() - h - 1;
    if (range <= 0)
        return; // the whole file is in view
    const double f = double(y - h / 2 - inner.y()) / range;
    QScrollBar *bar = m_view->verticalScrollBar();
    bar->setValue(int(bar->maximum() * std::clamp(f, 0.0, 1.0)));
}
