#pragma once

#include <QCache>
#include <QStyledItemDelegate>
#include <QTextLayout>

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
    // The markup as the cell draws it: its text on one line, whatever its
    // length, with the bold parts as formats.
    const QTextLayout &layout(const QString &markup, const QFont &font) const;

private:
    mutable QCache<QString, QTextLayout> m_layouts;
};
