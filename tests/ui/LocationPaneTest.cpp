#include "ui/LocationPane.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using Marks = QVector<LocationPane::Mark>;
Q_DECLARE_METATYPE(LocationPane::Mark)

namespace {

const QRgb kMark = qRgb(239, 203, 5);

// A text view and the pane beside it, shown, so the scroll bar has its range.
struct Window
{
    explicit Window(int lines)
    {
        auto *layout = new QHBoxLayout(&widget);
        layout->addWidget(&view);
        layout->addWidget(&pane);
        view.setPlainText(QStringLiteral("line\n").repeated(lines - 1) + QStringLiteral("last"));
        pane.setView(&view);
        pane.setLines(lines, {});
        widget.resize(400, 300);
        widget.show();
    }
    QWidget widget;
    QPlainTextEdit view;
    LocationPane pane;
};

} // namespace

class LocationPaneTest : public QObject
{
    Q_OBJECT
private slots:
    void marks_data()
    {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<Marks>("expected");
        QTest::newRow("two runs") << QList<int>{10, 11, 12, 40} << Marks{{10, 3}, {40, 1}};
        QTest::newRow("none") << QList<int>{} << Marks{};
        QTest::newRow("gap of one line") << QList<int>{0, 2, 3} << Marks{{0, 1}, {2, 2}};
    }

    void marks()
    {
        QFETCH(QList<int>, lines);
        QFETCH(Marks, expected);
        LocationPane pane;
        pane.setLines(100, lines);
        QCOMPARE(pane.marks(), expected);
        pane.clear();
        QVERIFY(pane.marks().isEmpty());
        QCOMPARE(pane.total(), 0);
    }

    void oneLineInAHundredThousand()
    {
        LocationPane pane;
        pane.resize(40, 400);
        pane.setLines(100000, {50000});
        const QImage image = pane.grab().toImage();
        const QRect inner = pane.innerArea();
        const int y = inner.y() + inner.height() / 2;
        QCOMPARE(image.pixel(inner.center().x(), y), kMark);
        QCOMPARE(image.pixel(inner.center().x(), y + 1), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(inner.center().x(), y - 1), qRgb(255, 255, 255));
    }

    void shortFileIndicatorCoversArea()
    {
        Window window(3);
        QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
        QVERIFY(window.pane.visibleLines() > 3);
        const QImage image = window.pane.grab().toImage();
        const QRect inner = window.pane.innerArea();
        // Outlined on the area's first and last rows, filled between.
        QCOMPARE(image.pixel(inner.center().x(), inner.top()), qRgb(128, 128, 255));
        QCOMPARE(image.pixel(inner.center().x(), inner.bottom()), qRgb(128, 128, 255));
        for (int y : {inner.top() + 1, inner.bottom() - 1}) {
            // White under half-transparent (128, 128, 255).
            const QRgb pixel = image.pixel(inner.center().x(), y);
            QCOMPARE(qBlue(pixel), 255);
            QVERIFY2(qRed(pixel) > 180 && qRed(pixel) < 200, qPrintable(QString::number(qRed(pixel))));
        }
    }

    void mousePress_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::newRow("top") << 0.0;
        QTest::newRow("quarter") << 0.25;
        QTest::newRow("middle") << 0.5;
        QTest::newRow("bottom") << 1.0;
    }

    // Pressing centres the view's share of the file there: the share's top
    // at 'fraction' of the free height scrolls to that fraction.
    void mousePress()
    {
        QFETCH(double, fraction);
        Window window(1000);
        QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
        const QScrollBar *bar = window.view.verticalScrollBar();
        QVERIFY(bar->maximum() > 500);
        const QRect inner = window.pane.innerArea();
        const int share = inner.height() * window.pane.visibleLines() / 1000;
        const int y = inner.y() + share / 2 + qRound(fraction * (inner.height() - share - 1));
        QTest::mousePress(&window.pane, Qt::LeftButton, {}, QPoint(inner.center().x(), y));
        QVERIFY(qAbs(bar->value() - fraction * bar->maximum()) <= 0.01 * bar->maximum());
    }

    void emptyFileIgnoresMouse()
    {
        Window window(1000);
        QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
        window.view.verticalScrollBar()->setValue(7);
        window.pane.clear();
        QTest::mousePress(&window.pane, Qt::LeftButton, {}, window.pane.innerArea().bottomLeft());
        QCOMPARE(window.view.verticalScrollBar()->value(), 7);
        const QImage image = window.pane.grab().toImage();
        QCOMPARE(image.pixel(window.pane.innerArea().center()), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(LocationPaneTest)
#include "LocationPaneTest.moc"
