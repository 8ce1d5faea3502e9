#pragma once

#include <QColor>
#include <QFrame>
#include <QPointer>
#include <QRect>
#include <QVector>

class QAbstractScrollArea;

// A narrow overview beside the file preview: the lines that hold matches are
// marked at their relative heights, the part of the file in view is framed,
// and pressing or dragging the mouse scrolls the view there.
class LocationPane : public QFrame
{
    Q_OBJECT
public:
    // One run of consecutive lines with matches.
    struct Mark
    {
        int firstLine = 0;
        int lineCount = 0;
        bool operator==(const Mark &other) const
        {
            return firstLine == other.firstLine && lineCount == other.lineCount;
        }
    };

    static constexpr int kMargin = 8;
    static constexpr int kMinimumIndicatorHeight = 6;

    explicit LocationPane(QWidget *parent = nullptr);

    // The view whose vertical scroll bar the pane follows and moves; it is
    // not owned and may be deleted first.
    void setView(QAbstractScrollArea *view);
    // 'lines' are the numbers of the lines with matches, in ascending order.
    void setLines(int total, const QList<int> &lines);
    void clear();

    int total() const { return m_total; }
    const QVector<Mark> &marks() const { return m_marks; }
    // The widget's rectangle less the frame and the margin on every side.
    QRect innerArea() const;
    // Lines the view shows at once; 0 without a view.
    int visibleLines() const;

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int indicatorHeight(const QRect &inner) const;
    // The inner height times the view's share of the lines, unbounded.
    int viewShare(const QRect &inner) const;
    void paintMarks(QPainter &painter, const QRect &inner);
    void paintIndicator(QPainter &painter, const QRect &inner);
    void scrollTo(int y);
    void retranslate();

    QColor m_background;
    int m_total = 0;
    QVector<Mark> m_marks;
    QPointer<QAbstractScrollArea> m_view;
};
