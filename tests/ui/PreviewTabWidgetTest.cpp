#include "WindowTestSupport.h"

#include "support/TestFiles.h"
#include "ui/FilePreviewPage.h"
#include "ui/FindBar.h"
#include "ui/LocationPane.h"
#include "ui/MatchesTextView.h"
#include "ui/PreviewTabWidget.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

// The preview beside the results: the matches and the file, each page with
// a find bar of its own.
class PreviewTabWidgetTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static bool showActive(PreviewTabWidget &preview, int page)
    {
        preview.setCurrentIndex(page);
        preview.show();
        QApplication::setActiveWindow(&preview);
        return QTest::qWaitForWindowActive(&preview);
    }

private slots:
    void initTestCase() { WindowTest::pinLocale(); }

    void showAndClear()
    {
        const QString path = m_dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(TestFiles::write(path, "first line\nsecond hit line\n"));
        const ContentMatches matches{path, false, 2, {{1, QStringLiteral("second hit line"), {{7, 3}}}}};

        PreviewTabWidget preview;
        QCOMPARE(preview.findChild<MatchesTextView *>(QStringLiteral("matchesTextEdit")), preview.matchesView());
        QSignalSpy shown(preview.filePage(), &FilePreviewPage::fileShown);
        preview.showMatches(matches);
        QCOMPARE(preview.matchesView()->toPlainText(), QStringLiteral("2\tsecond hit line\n"));
        QVERIFY(shown.wait(60000));
        QCOMPARE(preview.filePage()->textEdit()->toPlainText(), QStringLiteral("first line\nsecond hit line"));

        preview.clear();
        QVERIFY(preview.matchesView()->toPlainText().isEmpty());
        QVERIFY(preview.filePage()->textEdit()->toPlainText().isEmpty());
        QCOMPARE(preview.filePage()->locationPane()->total(), 0);
    }

    // Each page has a find bar of its own: Ctrl+F opens the one of the page shown.
    void findOpensOnShownPage()
    {
        PreviewTabWidget preview;
        QVERIFY(showActive(preview, 0));
        preview.matchesView()->setFocus();
        QTest::keyClick(preview.matchesView(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(preview.matchesFindBar()->isVisible());
        QVERIFY(!preview.filePage()->findBar()->isVisible());
    }

    void findKeys_data()
    {
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<int>>("hits"); // selection starts after Ctrl+F, F3, F3, F3, Shift+F3
        QTest::newRow("any case") << false << QList<int>{4, 12, 20, 4, 20};
        QTest::newRow("match case") << true << QList<int>{4, 20, 4, 20, 4};
    }

    // The keys reach the bar from anywhere inside the page.
    void findKeys()
    {
        QFETCH(bool, matchCase);
        QFETCH(QList<int>, hits);
        const QString path = m_dir.filePath(QStringLiteral("find.txt"));
        QVERIFY(TestFiles::write(path, "One two\none TWO\none two"));
        PreviewTabWidget preview;
        QSignalSpy shown(preview.filePage(), &FilePreviewPage::fileShown);
        preview.showMatches(ContentMatches{path, false, 0, {}});
        QVERIFY(shown.wait(60000));
        QVERIFY(showActive(preview, 1));
        QPlainTextEdit *editor = preview.filePage()->textEdit();
        FindBar *bar = preview.filePage()->findBar();
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(bar->lineEdit()->hasFocus());
        QVERIFY(!preview.matchesFindBar()->isVisible());
        bar->lineEdit()->setText(QStringLiteral("three"));
        QVERIFY(!bar->findNext());
        QVERIFY(!bar->findPrevious());
        QVERIFY(!editor->textCursor().hasSelection());
        bar->lineEdit()->clear();
        bar->caseCheckBox()->setChecked(matchCase);
        QTest::keyClicks(bar->lineEdit(), QStringLiteral("two"));
        QCOMPARE(editor->textCursor().selectionStart(), hits.at(0));
        QCOMPARE(editor->textCursor().selectedText().toLower(), QStringLiteral("two"));
        for (int i = 1; i < 4; ++i) {
            QTest::keyClick(editor, Qt::Key_F3);
            QCOMPARE(editor->textCursor().selectionStart(), hits.at(i));
        }
        QTest::keyClick(bar->lineEdit(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(editor->textCursor().selectionStart(), hits.at(4));
        QTest::keyClick(bar->lineEdit(), Qt::Key_Escape);
        QVERIFY(bar->isHidden());
        QVERIFY(editor->hasFocus());
    }
};

QTEST_MAIN(PreviewTabWidgetTest)
#include "PreviewTabWidgetTest.moc"
