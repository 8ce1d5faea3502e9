#include "ui/PagesTabWidget.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class PagesTabWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void closingTheOnlyTabClearsIt();
    void closeOtherTabsKeepsTheCurrent_data();
    void closeOtherTabsKeepsTheCurrent();
    void nextAndPreviousWrap_data();
    void nextAndPreviousWrap();

private:
    static void fill(PagesTabWidget &tabs, int count)
    {
        for (int i = 0; i < count; ++i)
            tabs.addTab(new QLabel(QString::number(i)), QString::number(i));
    }
};

void PagesTabWidgetTest::closingTheOnlyTabClearsIt()
{
    PagesTabWidget tabs;
    fill(tabs, 1);
    QSignalSpy clear(&tabs, &PagesTabWidget::clearTab);
    tabs.closeTab();
    QCOMPARE(tabs.count(), 1);
    QCOMPARE(clear.count(), 1);
}

void PagesTabWidgetTest::closeOtherTabsKeepsTheCurrent_data()
{
    QTest::addColumn<int>("current");
    QTest::newRow("first") << 0;
    QTest::newRow("middle") << 2;
    QTest::newRow("last") << 4;
}

void PagesTabWidgetTest::closeOtherTabsKeepsTheCurrent()
{
    QFETCH(int, current);
    PagesTabWidget tabs;
    fill(tabs, 5);
    tabs.setCurrentIndex(current);
    QSignalSpy clear(&tabs, &PagesTabWidget::clearTab);
    tabs.closeOtherTabs();
    QCOMPARE(tabs.count(), 1);
    QCOMPARE(tabs.tabText(0), QString::number(current));
    QCOMPARE(clear.count(), 0);
}

void PagesTabWidgetTest::nextAndPreviousWrap_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("to");
    QTest::newRow("next on last") << 2 << true << 0;
    QTest::newRow("next in the middle") << 1 << true << 2;
    QTest::newRow("previous on first") << 0 << false << 2;
    QTest::newRow("previous on last") << 2 << false << 1;
}

void PagesTabWidgetTest::nextAndPreviousWrap()
{
    QFETCH(int, from);
    QFETCH(bool, forward);
    QFETCH(int, to);
    PagesTabWidget tabs;
    fill(tabs, 3);
    tabs.setCurrentIndex(from);
    forward ? tabs.nextTab() : tabs.previousTab();
    QCOMPARE(tabs.currentIndex(), to);
}

QTEST_MAIN(PagesTabWidgetTest)
#include "PagesTabWidgetTest.moc"
