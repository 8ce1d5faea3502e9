#pragma once

#include <QCache>
#include <QStaticText>
#include <QStyledItemDelegate>

// Draws a cell whose display text is rich text (the name with its matched
// parts in bold). The laid-out text is kept per distinct text, so painting
// a screenful again lays nothing out anew.
class RichTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit RichTextDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const QStaticText &layout(const QString &text, const QFont &font) const;

    mutable QCache<QString, QStaticText> m_layouts;
};
