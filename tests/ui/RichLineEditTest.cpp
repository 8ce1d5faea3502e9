#include "WindowTestSupport.h"

#include "ui/RichComboBox.h"
#include "ui/RichLineEdit.h"

#include <QInputMethodEvent>

class RichLineEditTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<RichComboBox> m_combo;
    QTextCharFormat m_bold;

    QImage image() const { return m_combo->lineEdit()->grab().toImage(); }
    RichLineEdit *edit() const { return m_combo->richLineEdit(); }

    QPoint pointAt(int position) const
    {
        edit()->setCursorPosition(position);
        return edit()->richCursorRect().center();
    }

private slots:
    void initTestCase() { WindowTest::pinLocale(); }

    void init()
    {
        m_combo = std::make_unique<RichComboBox>();
        m_combo->resize(300, m_combo->sizeHint().height());
        m_bold.setFontWeight(75);
        m_combo->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_combo.get()));
    }

    void cleanup() { m_combo.reset(); }

    void rulesDrawWholeWordsOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("drawnDifferently");
        QTest::newRow("keyword between words") << "a and b" << true;
        QTest::newRow("keyword at the end") << "x or" << true;
        QTest::newRow("keyword inside a word") << "band" << false;
        QTest::newRow("capitalised keyword") << "a And b" << false;
    }

    void rulesDrawWholeWordsOnly()
    {
        QFETCH(QString, text);
        QFETCH(bool, drawnDifferently);
        m_combo->setEditText(text);
        const QImage plain = image();
        m_combo->addHighlight({"and", "or", "not"}, m_bold);
        QCOMPARE(image() != plain, drawnDifferently);
        m_combo->clearHighlights();
        QCOMPARE(image(), plain);
    }

    void longTextScrollsToTheCursor()
    {
        m_combo->resize(120, m_combo->height());
        m_combo->setEditText(QString(200, QLatin1Char('w')));
        edit()->setCursorPosition(200);
        QVERIFY(edit()->leftMost() > 0);
        QVERIFY(edit()->rect().contains(edit()->richCursorRect()));
        edit()->setCursorPosition(0);
        QCOMPARE(edit()->leftMost(), 0);
        // Deleting the end makes room: the text moves back to the left.
        edit()->setText(QStringLiteral("short"));
        QCOMPARE(edit()->leftMost(), 0);
    }

    void mouseFollowsTheDrawnText()
    {
        m_combo->addHighlight({"and"}, m_bold);
        m_combo->setEditText("and and and and and");
        const QPoint from = pointAt(4);
        const QPoint to = pointAt(11);
        edit()->setCursorPosition(0);
        QTest::mouseClick(edit(), Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(edit()->cursorPosition(), 11);
        QTest::mousePress(edit(), Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit(), &move);
        QTest::mouseRelease(edit(), Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(edit()->selectedText(), QStringLiteral("and and"));
    }

    void composingTextIsDrawn()
    {
        m_combo->setEditText("ab");
        edit()->setCursorPosition(1);
        const QImage before = image();
        const QRect cursorBefore = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();

        QInputMethodEvent composing(QStringLiteral("nihon"), {});
        QApplication::sendEvent(edit(), &composing);
        QCOMPARE(edit()->text(), QStringLiteral("ab"));
        QVERIFY(image() != before);
        QVERIFY(edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect().x() > cursorBefore.x());

        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("日本"));
        QApplication::sendEvent(edit(), &commit);
        QCOMPARE(edit()->text(), QStringLiteral("a日本b"));
    }

    void keyboardClipboardAndUndoWork()
    {
        QApplication::setActiveWindow(m_combo.get());
        edit()->setFocus();
        QTest::keyClicks(edit(), "abc");
        QTest::keyClick(edit(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(edit()->selectedText(), QStringLiteral("c"));
        QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(edit(), Qt::Key_End);
        QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit()->text(), QStringLiteral("abcabc"));
        QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit()->text(), QStringLiteral("abc"));
    }
};

QTEST_MAIN(RichLineEditTest)
#include "RichLineEditTest.moc"
