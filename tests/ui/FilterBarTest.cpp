#include "ui/FilterBar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>

class FilterBarTest : public QObject
{
    Q_OBJECT

    static QList<FileCategory> categories()
    {
        return {{QString(), QString(), "All"}, {"d", QString(), "Directory"}, {"f", "txt", "Notes"}};
    }

    static QList<bool> checked(const FilterBar &bar)
    {
        QList<bool> states;
        for (const QCheckBox *box : bar.findChildren<QCheckBox *>())
            states.append(box->isChecked());
        return states;
    }

private slots:
    void boxesCarryTheirIndex()
    {
        FilterBar bar;
        bar.rebuild(categories());
        const QList<QCheckBox *> boxes = bar.findChildren<QCheckBox *>();
        QCOMPARE(boxes.size(), 3);
        for (int i = 0; i < boxes.size(); ++i) {
            QCOMPARE(boxes.at(i)->property("id").toInt(), i);
            QCOMPARE(boxes.at(i)->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(boxes.at(2)->text(), QStringLiteral("Notes"));
        QCOMPARE(bar.currentFilter(), 0);
    }

    void clickSelectsExactlyOne_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<bool>>("states");
        QTest::newRow("another") << QList<int>{2} << QList<bool>{false, false, true};
        QTest::newRow("twice the same") << QList<int>{1, 1} << QList<bool>{false, true, false};
        QTest::newRow("the first again") << QList<int>{0} << QList<bool>{true, false, false};
    }

    void clickSelectsExactlyOne()
    {
        QFETCH(QList<int>, clicks);
        FilterBar bar;
        bar.rebuild(categories());
        QSignalSpy filtered(&bar, &FilterBar::filterClicked);
        for (int index : clicks)
            bar.findChildren<QCheckBox *>().at(index)->click();
        QTEST(checked(bar), "states");
        QCOMPARE(filtered.size(), clicks.size());
        QCOMPARE(filtered.last().at(0).toInt(), clicks.last());
        QCOMPARE(bar.currentFilter(), clicks.last());
    }

    void rebuildKeepsTheSelection()
    {
        FilterBar bar;
        bar.rebuild(categories());
        bar.findChildren<QCheckBox *>().at(2)->click();
        bar.rebuild(categories());
        QCOMPARE(bar.currentFilter(), 2);
        bar.rebuild(categories().mid(0, 2));
        QCOMPARE(bar.currentFilter(), 0);
    }

    void hiddenBarFiltersNothing()
    {
        FilterBar bar;
        bar.rebuild(categories());
        bar.findChildren<QCheckBox *>().at(1)->click();
        bar.hide();
        QCOMPARE(bar.currentFilter(), -1);
        bar.show();
        QCOMPARE(bar.currentFilter(), 1);
    }

    void customizeEntry()
    {
        FilterBar bar;
        QSignalSpy customize(&bar, &FilterBar::customizeFilters);
        QCOMPARE(bar.customizeAction()->text(), QStringLiteral("Customize..."));
        bar.customizeAction()->trigger();
        QCOMPARE(customize.size(), 1);
    }
};

QTEST_MAIN(FilterBarTest)
#include "FilterBarTest.moc"
