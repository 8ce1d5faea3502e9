#include "ui/RichTextDelegate.h"

#include "ui/FileTableModel.h"

#include <QApplication>
#include <QPainter>

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

// The model's markup is the name HTML-escaped with its matched parts in
// <b> tags, and nothing else: read here directly into the text and its bold
// ranges. Laying it out as HTML through a text document took a tenth of a
// millisecond per name, and a search typed key by key shows a screenful of
// new names at every key. Anything else in the markup is kept as text.
QString readMarkup(const QString &markup, QVector<QTextLayout::FormatRange> *bold)
{
    static const struct
    {
        QLatin1String entity;
        QChar character;
    } kEntities[] = {{QLatin1String("&lt;"), QLatin1Char('<')},
                     {QLatin1String("&gt;"), QLatin1Char('>')},
                     {QLatin1String("&amp;"), QLatin1Char('&')},
                     {QLatin1String("&quot;"), QLatin1Char('"')}};
    QTextCharFormat boldFormat;
    boldFormat.setFontWeight(QFont::Bold);
    QString text;
    text.reserve(markup.size());
    int boldStart = -1;
    for (int i = 0; i < markup.size();) {
        const QStringRef rest = markup.midRef(i);
        if (boldStart < 0 && rest.startsWith(QLatin1String("<b>"))) {
            boldStart = text.size();
            i += 3;
            continue;
        }
        if (boldStart >= 0 && rest.startsWith(QLatin1String("</b>"))) {
            bold->append({boldStart, text.size() - boldStart, boldFormat});
            boldStart = -1;
            i += 4;
            continue;
        }
        bool entity = false;
        if (markup.at(i) == QLatin1Char('&')) {
            for (const auto &known : kEntities) {
                if (rest.startsWith(known.entity)) {
                    text += known.character;
                    i += known.entity.size();
                    entity = true;
                    break;
                }
            }
        }
        if (!entity)
            text += markup.at(i++);
    }
    if (boldStart >= 0 && boldStart < text.size())
        bold->append({boldStart, text.size() - boldStart, boldFormat});
    return text;
}

} // namespace

RichTextDelegate::RichTextDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_layouts(kCachedLayouts)
{
}

const QTextLayout &RichTextDelegate::layout(const QString &markup, const QFont &font) const
{
    // The key holds the font, as a text laid out for one font is wrong in another.
    const QString key = font.key() + QLatin1Char('\n') + markup;
    if (QTextLayout *cached = m_layouts.object(key))
        return *cached;
    QVector<QTextLayout::FormatRange> bold;
    auto *laidOut = new QTextLayout(readMarkup(markup, &bold), font);
    laidOut->setCacheEnabled(true);
    // One line, however long: the row shows no second one.
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    laidOut->setTextOption(option);
    laidOut->setFormats(bold);
    laidOut->beginLayout();
    QTextLine line = laidOut->createLine();
    if (line.isValid())
        line.setPosition(QPointF(0, 0));
    laidOut->endLayout();
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
    const QTextLayout &laidOut = layout(text, opt.font);
    const QSizeF size = laidOut.boundingRect().size();
    const QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    const bool selected = opt.state & QStyle::State_Selected;
    painter->save();
    painter->setClipRect(textRect);
    // Selected rows get the palette's text colour on the highlight (white on
    // most desktops); the bold parts inherit it.
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const qreal top = textRect.top() + std::floor((textRect.height() - size.height()) / 2);
    laidOut.draw(painter, QPointF(textRect.left() + 2, top));
    painter->restore();
}

QSize RichTextDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QSize plain = QStyledItemDelegate::sizeHint(option, index);
    const QSizeF rich = layout(markupOf(index, opt.text), opt.font).boundingRect().size();
    return QSize(std::max(plain.width(), int(rich.width()) + 4), plain.height());
}
