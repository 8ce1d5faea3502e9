#include "ui/FindBar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

struct Page
{
    Page()
    {
        auto *layout = new QVBoxLayout(&widget);
        editor = new QPlainTextEdit(&widget);
        editor->setReadOnly(true);
        editor->setPlainText(QStringLiteral("One two\none TWO\none two"));
        bar = new FindBar(editor, &widget);
        layout->addWidget(editor);
        layout->addWidget(bar);
        widget.show();
        QApplication::setActiveWindow(&widget);
        editor->setFocus();
    }
    QWidget widget;
    QPlainTextEdit *editor;
    FindBar *bar;
};

} // namespace

class FindBarTest : public QObject
{
    Q_OBJECT
private slots:
    void keys_data()
    {
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<int>>("hits"); // selection starts after Ctrl+F, F3, F3, F3, Shift+F3
        QTest::newRow("any case") << false << QList<int>{4, 12, 20, 4, 20};
        QTest::newRow("match case") << true << QList<int>{4, 20, 4, 20, 4};
    }

    // The keys reach the bar from anywhere inside the page.
    void keys()
    {
        QFETCH(bool, matchCase);
        QFETCH(QList<int>, hits);
        Page page;
        QVERIFY(QTest::qWaitForWindowActive(&page.widget));
        QTest::keyClick(page.editor, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(page.bar->isVisible());
        QTRY_VERIFY(page.bar->lineEdit()->hasFocus());
        page.bar->caseCheckBox()->setChecked(matchCase);
        QTest::keyClicks(page.bar->lineEdit(), QStringLiteral("two"));
        QCOMPARE(page.editor->textCursor().selectionStart(), hits.at(0));
        QCOMPARE(page.editor->textCursor().selectedText().toLower(), QStringLiteral("two"));
        for (int i = 1; i < 4; ++i) {
            QTest::keyClick(page.editor, Qt::Key_F3);
            QCOMPARE(page.editor->textCursor().selectionStart(), hits.at(i));
        }
        QTest::keyClick(page.bar->lineEdit(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(page.editor->textCursor().selectionStart(), hits.at(4));
        QTest::keyClick(page.bar->lineEdit(), Qt::Key_Escape);
        QVERIFY(page.bar->isHidden());
        QVERIFY(page.editor->hasFocus());
    }

    void notFound()
    {
        Page page;
        page.bar->open();
        page.bar->lineEdit()->setText(QStringLiteral("three"));
        QVERIFY(!page.bar->findNext());
        QVERIFY(!page.bar->findPrevious());
        QVERIFY(!page.editor->textCursor().hasSelection());
    }
};

QTEST_MAIN(FindBarTest)
#include "FindBarTest.moc"
