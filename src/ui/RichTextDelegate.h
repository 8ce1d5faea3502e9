#pragma once

#include <QCache>
#include <QStaticText>
#include <QStyledItemDelegate>

// Draws the Name cell from its markup role (the name with its matched parts
// in bold) while the display role keeps the plain name for reading aloud,
// type-to-find and editing. The laid-out text is kept per distinct text, so
// painting a screenful again lays nothing out anew.
class RichTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit RichTextDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The text as the cell draws it: on one line, whatever its length.
    const QStaticText &layout(const QString &text, const QFont &font) const;

private:

    mutable QCache<QString, QStaticText> m_layouts;
};
