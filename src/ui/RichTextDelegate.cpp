#include "ui/RichTextDelegate.h"

#include "ui/FileTableModel.h"

#include <QApplication>
#include <QPainter>
#include <QTextDocument>

#include <cmath>

namespace {

// A few screens of distinct texts.
const int kCachedLayouts = 2000;

// The cell's rich text: its markup role, else its plain text escaped.
QString markupOf(const QModelIndex &index, const QString &plain)
{
    const QVariant markup = index.data(FileTableModel::NameMarkupRole);
    return markup.isValid() ? markup.toString() : plain.toHtmlEscaped();
}

} // namespace

RichTextDelegate::RichTextDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_layouts(kCachedLayouts)
{
}

const QStaticText &RichTextDelegate::layout(const QString &text, const QFont &font) const
{
    // The key holds the font, as a text laid out for one font is wrong in another.
    const QString key = font.key() + QLatin1Char('\n') + text;
    if (QStaticText *cached = m_layouts.object(key))
        return *cached;
    auto *laidOut = new QStaticText(text);
    laidOut->setTextFormat(Qt::RichText);
    // Without a width the layout picks one of its own and breaks a long name
    // at its hyphens into lines the row cannot show: the width is the text's
    // own on one line.
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setHtml(text);
    laidOut->setTextWidth(std::ceil(document.idealWidth()) + 1);
    laidOut->setPerformanceHint(QStaticText::AggressiveCaching);
    laidOut->prepare(QTransform(), font);
    m_layouts.insert(key, laidOut);
    return *laidOut;
}

void RichTextDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text.isEmpty() ? QString() : markupOf(index, opt.text);
    // The style draws the background, selection, focus and icon; the text is ours.
    opt.text.clear();
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (text.isEmpty())
        return;

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    const QStaticText &laidOut = layout(text, opt.font);
    const QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    const bool selected = opt.state & QStyle::State_Selected;
    painter->save();
    painter->setClipRect(textRect);
    painter->setFont(opt.font);
    // Selected rows get the palette's text colour on the highlight (white on
    // most desktops); the bold parts inherit it.
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const int top = textRect.top() + (textRect.height() - int(laidOut.size().height())) / 2;
    painter->drawStaticText(QPoint(textRect.left() + 2, top), laidOut);
    painter->restore();
}

QSize RichTextDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QSize plain = QStyledItemDelegate::sizeHint(option, index);
    const QSizeF rich = layout(markupOf(index, opt.text), opt.font).size();
    return QSize(std::max(plain.width(), int(rich.width()) + 4), plain.height());
}
