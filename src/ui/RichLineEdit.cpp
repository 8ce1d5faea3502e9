#include "ui/RichLineEdit.h"

#include "ui/RichComboBox.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextCharFormat>

namespace {

constexpr int kBlinkIntervalMs = 500;
// The margins QLineEdit keeps around its text.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

QRegularExpression wholeWords(const QStringList &words)
{
    QStringList escaped;
    for (const QString &word : words) {
        if (!word.isEmpty())
            escaped.append(QRegularExpression::escape(word));
    }
    return QRegularExpression(QStringLiteral("(?<![\\w])(?:%1)(?![\\w])").arg(escaped.join(QLatin1Char('|'))),
                              QRegularExpression::UseUnicodePropertiesOption);
}

} // namespace

RichLineEdit::RichLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    m_blinkTimer.setInterval(kBlinkIntervalMs);
    connect(&m_blinkTimer, &QTimer::timeout, this, &RichLineEdit::toggleCursor);
    connect(this, &QLineEdit::cursorPositionChanged, this, &RichLineEdit::checkLeftMost);
    connect(this, &QLineEdit::textChanged, this, &RichLineEdit::updateInternal);
    connect(this, &QLineEdit::selectionChanged, this, &RichLineEdit::updateInternal);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);
    updateInternal();
}

void RichLineEdit::toggleCursor()
{
    m_cursorVisible = !m_cursorVisible;
    update();
}

void RichLineEdit::checkLeftMost()
{
    const QTextLine line = m_layout.lineAt(0);
    const qreal width = textArea().width() - 1;
    const int cursor = cursorPosition() + m_preeditCursor;
    const qreal cursorX = line.cursorToX(cursor);
    m_leftMost = qBound(0, m_leftMost, m_layout.text().size());
    if (cursorX < line.cursorToX(m_leftMost))
        m_leftMost = cursor;
    while (m_leftMost < cursor && cursorX - line.cursorToX(m_leftMost) > width)
        ++m_leftMost;
    // Text deleted at the end leaves room on the right: show more on the left.
    while (m_leftMost > 0 && line.naturalTextWidth() - line.cursorToX(m_leftMost - 1) <= width)
        --m_leftMost;
    restartBlink();
    update();
}

void RichLineEdit::resetLeftMost()
{
    m_leftMost = 0;
    checkLeftMost();
}

void RichLineEdit::updateInternal()
{
    const int cursor = cursorPosition();
    QString display = text();
    if (!m_preedit.isEmpty())
        display.insert(cursor, m_preedit);

    QVector<QTextLayout::FormatRange> formats = ruleFormats();
    for (QTextLayout::FormatRange range : m_preeditFormats) {
        range.start += cursor;
        formats.append(range);
    }
    m_layout.clearLayout();
    m_layout.setText(display);
    m_layout.setFont(font());
    m_layout.setFormats(formats);
    m_layout.beginLayout();
    QTextLine line = m_layout.createLine();
    line.setLineWidth(1e6);
    m_layout.endLayout();
    checkLeftMost();
}

QVector<QTextLayout::FormatRange> RichLineEdit::ruleFormats() const
{
    QVector<QTextLayout::FormatRange> formats;
    const auto *combo = qobject_cast<const RichComboBox *>(parentWidget());
    if (!combo)
        return formats;
    const QString content = text();
    for (const RichComboBox::Highlight &rule : combo->highlights()) {
        if (rule.words.isEmpty())
            continue;
        QRegularExpressionMatchIterator it = wholeWords(rule.words).globalMatch(content);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            formats.append({toDisplay(match.capturedStart()), match.capturedLength(), rule.format});
        }
    }
    return formats;
}

int RichLineEdit::toDisplay(int textPosition) const
{
    return textPosition >= cursorPosition() ? textPosition + m_preedit.size() : textPosition;
}

int RichLineEdit::toText(int displayPosition) const
{
    const int cursor = cursorPosition();
    if (displayPosition <= cursor)
        return displayPosition;
    return qMax(cursor, displayPosition - m_preedit.size());
}

QRect RichLineEdit::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    area = area.marginsRemoved(textMargins());
    return area.adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, -kVerticalMargin);
}

QPointF RichLineEdit::layoutOrigin() const
{
    const QRect area = textArea();
    const QTextLine line = m_layout.lineAt(0);
    const qreal top = area.top() + (area.height() - line.height()) / 2;
    return QPointF(area.left() - line.cursorToX(m_leftMost), top);
}

QRect RichLineEdit::richCursorRect() const
{
    const QPointF origin = layoutOrigin();
    const QTextLine line = m_layout.lineAt(0);
    const qreal x = origin.x() + line.cursorToX(cursorPosition() + m_preeditCursor);
    return QRectF(x, origin.y(), 1, line.height()).toAlignedRect();
}

QVariant RichLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // The input method places its candidate window at the drawn cursor.
    if (query == Qt::ImCursorRectangle)
        return richCursorRect();
    return QLineEdit::inputMethodQuery(query);
}

void RichLineEdit::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QRect area = textArea();
    painter.setClipRect(area);
    const QPalette pal = palette();
    if (m_layout.text().isEmpty() && !placeholderText().isEmpty()) {
        QColor placeholder = pal.color(QPalette::Text);
        placeholder.setAlpha(128);
        painter.setPen(placeholder);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, placeholderText());
    }

    painter.setPen(pal.color(QPalette::Text));
    QVector<QTextLayout::FormatRange> selections;
    if (hasSelectedText()) {
        QTextCharFormat selected;
        selected.setBackground(pal.brush(QPalette::Highlight));
        selected.setForeground(pal.brush(QPalette::HighlightedText));
        const int start = toDisplay(selectionStart());
        selections.append({start, toDisplay(selectionEnd()) - start, selected});
    }
    const QPointF origin = layoutOrigin();
    m_layout.draw(&painter, origin, selections);
    if (hasFocus() && m_cursorVisible && !isReadOnly())
        m_layout.drawCursor(&painter, origin, cursorPosition() + m_preeditCursor, 1);
}

void RichLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    restartBlink();
}

void RichLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    m_blinkTimer.stop();
    update();
}

void RichLineEdit::restartBlink()
{
    m_cursorVisible = true;
    if (hasFocus())
        m_blinkTimer.start();
}

int RichLineEdit::textPositionAt(const QPoint &point) const
{
    const QTextLine line = m_layout.lineAt(0);
    return toText(line.xToCursor(point.x() - layoutOrigin().x()));
}

void RichLineEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    const int position = textPositionAt(event->pos());
    if (event->modifiers() & Qt::ShiftModifier) {
        int anchor = cursorPosition();
        if (hasSelectedText())
            anchor = cursorPosition() == selectionStart() ? selectionEnd() : selectionStart();
        m_dragAnchor = anchor;
        setSelection(anchor, position - anchor);
    } else {
        m_dragAnchor = position;
        setCursorPosition(position);
    }
    event->accept();
}

void RichLineEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_dragAnchor < 0) {
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    const int position = textPositionAt(event->pos());
    if (position == m_dragAnchor)
        setCursorPosition(position);
    else
        setSelection(m_dragAnchor, position - m_dragAnchor);
    event->accept();
}

void RichLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragAnchor = -1;
        copySelectionToPrimary();
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void RichLineEdit::copySelectionToPrimary()
{
    // X11 and Wayland users paste a mouse selection with the middle button.
    QClipboard *clipboard = QApplication::clipboard();
    if (hasSelectedText() && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void RichLineEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateInternal();
}

void RichLineEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    const QString content = text();
    const int position = textPositionAt(event->pos());
    int start = position;
    while (start > 0 && !content.at(start - 1).isSpace())
        --start;
    int end = position;
    while (end < content.size() && !content.at(end).isSpace())
        ++end;
    if (end > start) {
        setSelection(start, end - start);
        copySelectionToPrimary();
    }
    event->accept();
}

void RichLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    m_preedit = event->preeditString();
    m_preeditCursor = m_preedit.size();
    m_preeditFormats.clear();
    for (const QInputMethodEvent::Attribute &attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor) {
            m_preeditCursor = qBound(0, attribute.start, m_preedit.size());
        } else if (attribute.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format = qvariant_cast<QTextFormat>(attribute.value).toCharFormat();
            if (format.isValid())
                m_preeditFormats.append({attribute.start, attribute.length, format});
        }
    }
    if (!m_preedit.isEmpty() && m_preeditFormats.isEmpty()) {
        QTextCharFormat underlined;
        underlined.setFontUnderline(true);
        m_preeditFormats.append({0, m_preedit.size(), underlined});
    }
    if (m_preedit.isEmpty())
        m_preeditCursor = 0;
    QLineEdit::inputMethodEvent(event);
    updateInternal();
}

void RichLineEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    checkLeftMost();
}
