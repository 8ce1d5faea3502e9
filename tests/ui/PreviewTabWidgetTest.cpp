#include "support/TestFiles.h"
#include "ui/FilePreviewPage.h"
#include "ui/FindBar.h"
#include "ui/LocationPane.h"
#include "ui/MatchesTextView.h"
#include "ui/PreviewTabWidget.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class PreviewTabWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void showAndClear()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("notes.txt"));
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

    // Each page has its own find bar; Ctrl+F opens the one of the page shown.
    void findOpensOnShownPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("Matches") << 0;
        QTest::newRow("File") << 1;
    }

    void findOpensOnShownPage()
    {
        QFETCH(int, page);
        PreviewTabWidget preview;
        preview.setCurrentIndex(page);
        preview.show();
        QApplication::setActiveWindow(&preview);
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        QPlainTextEdit *editor = page == 0 ? static_cast<QPlainTextEdit *>(preview.matchesView())
                                           : preview.filePage()->textEdit();
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(preview.matchesFindBar()->isVisible(), page == 0);
        QCOMPARE(preview.filePage()->findBar()->isVisible(), page == 1);
    }
};

QTEST_MAIN(PreviewTabWidgetTest)
#include "PreviewTabWidgetTest.moc"
