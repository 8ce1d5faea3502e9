#include "WindowTestSupport.h"

#include "query/FileSearchRequest.h"
#include "ui/InstantToolBar.h"
#include "ui/RichComboBox.h"
#include "ui/RichLineEdit.h"
#include "ui/SelectFileNamesDialog.h"

Q_DECLARE_METATYPE(FileSearchRequest *)

class InstantToolBarTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<InstantToolBar> m_bar;

    template<typename W>
    W *widget(const char *name) const { return WindowTest::child<W>(m_bar.get(), name); }

private slots:
    void init()
    {
        WindowTest::pinLocale();
        qRegisterMetaType<FileSearchRequest *>();
        SearchFieldModel::instantFileNameModel()->clear();
        m_bar = std::make_unique<InstantToolBar>();
        m_bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_bar.get()));
    }

    void cleanup() { m_bar.reset(); }

    void keywordInsertion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("cursorAfter");

        QTest::newRow("Or after a") << "a" << 1 << 1 << "a or " << 5;
        QTest::newRow("Not in an empty field") << "" << 0 << 2 << "not " << 4;
        QTest::newRow("And after a blank") << "a " << 2 << 0 << "a and " << 6;
        QTest::newRow("Or before a blank") << "a b" << 1 << 1 << "a or b" << 4;
        QTest::newRow("And inside a word") << "ab" << 1 << 0 << "a and b" << 6;
    }

    void keywordInsertion()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(int, action);

        widget<QComboBox>("typeComboBox")->setCurrentIndex(3);
        RichComboBox *field = m_bar->nameComboBox();
        field->setEditText(text);
        field->lineEdit()->setCursorPosition(cursor);
        widget<QPushButton>("assistButton")->click();
        auto *menu = field->findChild<QMenu *>("keywordMenu");
        QTRY_VERIFY(menu->isVisible());
        menu->actions().at(action)->trigger();
        menu->close();

        QTEST(field->currentText(), "result");
        QTEST(field->lineEdit()->cursorPosition(), "cursorAfter");
        QVERIFY(field->hasFocus());
    }

    void returnStartsASearch_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("starts");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
    }

    void returnStartsASearch()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, starts);

        QSignalSpy started(m_bar.get(), &InstantToolBar::startSearch);
        widget<QComboBox>("typeComboBox")->setCurrentIndex(2);
        widget<QCheckBox>("caseCheckBox")->setChecked(true);
        QLineEdit *edit = m_bar->nameComboBox()->lineEdit();
        edit->setFocus();
        QTest::keyClicks(edit, "x.*");
        QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        QCOMPARE(started.count(), starts ? 1 : 0);
        QCOMPARE(SearchFieldModel::instantFileNameModel()->strings(), starts ? QStringList{"x.*"} : QStringList());
        // The history reset does not lose what was typed.
        QCOMPARE(m_bar->nameComboBox()->currentText(), QStringLiteral("x.*"));
        if (!starts)
            return;
        std::unique_ptr<FileSearchRequest> request(started.first().first().value<FileSearchRequest *>());
        QCOMPARE(request->name, QStringLiteral("x.*"));
        QCOMPARE(request->nameExpressionType, 2);
        QVERIFY(request->nameCaseSensitive);
        QVERIFY(request->includePaths.isEmpty());
        QVERIFY(request->isNameOnly());
    }

    void assistEditsTheNameList()
    {
        QSignalSpy changed(m_bar.get(), &InstantToolBar::fileNameChanged);
        m_bar->nameComboBox()->setEditText("*.txt;!a\"b");
        QCOMPARE(changed.last().first().toString(), QStringLiteral("*.txt;!a\"b"));
        QString shownExclude;
        WindowTest::onNextModal<SelectFileNamesDialog>(this, [&shownExclude](SelectFileNamesDialog *dialog) {
            shownExclude = dialog->findChild<QPlainTextEdit *>("excludeTextEdit")->toPlainText();
            dialog->findChild<QPlainTextEdit *>("includeTextEdit")->setPlainText("*.txt\n*.md");
            dialog->accept();
        });
        widget<QPushButton>("assistButton")->click();
        QCOMPARE(shownExclude, QStringLiteral("a\"b"));
        QCOMPARE(m_bar->nameComboBox()->currentText(), QStringLiteral("*.txt;*.md;!a\\\"b"));
    }

    // Each typed character searches; the history takes the text on Return or after a pause, never each step.
    void searchAsYouType_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("pause"); // else Return ends the typing
        QTest::addColumn<QStringList>("searched");
        QTest::newRow("on, Return") << true << false << QStringList{"a typed", "ab typed", "abc typed", "abc"};
        QTest::newRow("on, pause") << true << true << QStringList{"a typed", "ab typed", "abc typed"};
        QTest::newRow("off") << false << false << QStringList{"abc"};
    }

    void searchAsYouType()
    {
        QFETCH(bool, on);
        QFETCH(bool, pause);
        m_bar->setSearchAsYouType(on);
        QStringList searched;
        connect(m_bar.get(), &InstantToolBar::startSearch, this, [&](FileSearchRequest *request, bool typed) {
            searched.append(request->name + (typed ? QStringLiteral(" typed") : QString()));
            delete request;
        });
        SearchFieldModel *history = SearchFieldModel::instantFileNameModel();
        QLineEdit *field = m_bar->nameComboBox()->lineEdit();
        QTest::keyClicks(field, QStringLiteral("abc"));
        QCOMPARE(history->rowCount(), 0);
        if (pause) {
            QTRY_COMPARE_WITH_TIMEOUT(history->rowCount(), 1, InstantToolBar::kHistoryPauseMs * 3);
        } else {
            QTest::keyClick(field, Qt::Key_Return);
        }
        QTEST(searched, "searched");
        QCOMPARE(history->rowCount(), 1);
        QCOMPARE(history->index(0, 0).data().toString(), QStringLiteral("abc"));
    }
};

QTEST_MAIN(InstantToolBarTest)
#include "InstantToolBarTest.moc"
