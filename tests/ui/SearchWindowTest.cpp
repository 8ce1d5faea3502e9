#include "WindowTestSupport.h"

#include "query/FileSearchRequest.h"
#include "ui/ListPairDialog.h"
#include "ui/SearchWindow.h"
#include "ui/SelectPathsDialog.h"

#include <QDateEdit>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>

using Parameters = QMap<QString, QString>;

// The search panel and the histories of its fields.
class SearchWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SearchWindow> m_window;

    template<typename W>
    W *widget(const char *name) const { return WindowTest::child<W>(m_window.get(), name); }

private slots:
    void initTestCase() { WindowTest::useFreshSettings(m_dir); }

    void init()
    {
        for (SearchFieldModel *model : WindowTest::histories())
            model->clear();
        m_window = std::make_unique<SearchWindow>();
    }

    void cleanup()
    {
        m_window.reset();
        SelectPathsDialog::setFolderChooser({});
    }

    void fillRequest_data()
    {
        QTest::addColumn<Parameters>("parameters");
        QTest::addColumn<QStringList>("includePaths");
        QTest::addColumn<bool>("includeSubfolders");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("lineScope");
        QTest::addColumn<qint64>("minSize");
        QTest::addColumn<qint64>("maxSize");

        const Parameters folder{{"directoryCheckBox", "1"}, {"directoryComboBox", "/a;!/b"},
                                {"includeSubfoldersCheckBox", "0"}};
        QTest::newRow("10 MB, empty upper bound, name case")
            << Parameters{{"sizeCheckBox", "1"}, {"minSizeLineEdit", "10"}, {"sizeComboBox", "MB"},
                          {"caseSensitiveNameCheckBox", "1"}}
            << QStringList() << true << QString() << false << qint64(10485760) << qint64(-1);
        QTest::newRow("2 GB upper bound")
            << Parameters{{"sizeCheckBox", "1"}, {"maxSizeLineEdit", "2"}, {"sizeComboBox", "GB"}} << QStringList()
            << true << QString() << false << qint64(-1) << qint64(2147483648);
        QTest::newRow("size box off") << Parameters{{"minSizeLineEdit", "10"}} << QStringList() << true << QString()
                                      << false << qint64(-1) << qint64(-1);
        QTest::newRow("oversized bound clamps")
            << Parameters{{"sizeCheckBox", "1"}, {"maxSizeLineEdit", "999999999999999"}, {"sizeComboBox", "GB"}}
            << QStringList() << true << QString() << false << qint64(-1) << std::numeric_limits<qint64>::max();
        QTest::newRow("checked folder box, empty text")
            << Parameters{{"directoryCheckBox", "1"}, {"directoryComboBox", ""}} << QStringList() << true << QString()
            << false << qint64(-1) << qint64(-1);
        QTest::newRow("subfolders ignored without advanced")
            << folder << QStringList{"/a"} << true << QString() << false << qint64(-1) << qint64(-1);
        Parameters advanced = folder;
        advanced.insert("showAdvancedCheckBox", "1");
        QTest::newRow("subfolders taken with advanced")
            << advanced << QStringList{"/a"} << false << QString() << false << qint64(-1) << qint64(-1);
        QTest::newRow("contents in line scope")
            << Parameters{{"contentsCheckBox", "1"}, {"contentsComboBox", "x and y"}, {"contentsScopeComboBox", "Line"}}
            << QStringList() << true << "x and y" << true << qint64(-1) << qint64(-1);
    }

    void fillRequest()
    {
        QFETCH(Parameters, parameters);
        m_window->loadParameters(parameters);
        FileSearchRequest request;
        m_window->fillRequest(request);
        QTEST(request.includePaths, "includePaths");
        QTEST(request.includeSubfolders, "includeSubfolders");
        QTEST(request.text, "text");
        QTEST(request.lineScope, "lineScope");
        QTEST(request.minSize, "minSize");
        QTEST(request.maxSize, "maxSize");
        QCOMPARE(request.excludePaths, request.includePaths.isEmpty() ? QStringList() : QStringList{"/b"});
        QCOMPARE(request.nameCaseSensitive, parameters.value("caseSensitiveNameCheckBox") == QLatin1String("1"));
    }

    // What is loaded comes back unchanged; clearing keeps three states.
    void parametersRoundTripAndClear()
    {
        Parameters edited = m_window->parameters();
        edited.insert(Parameters{{"fileNameComboBox", "a or b"}, {"fileNameFormatComboBox", "Boolean"},
                                 {"caseSensitiveNameCheckBox", "1"}, {"directoryCheckBox", "1"},
                                 {"directoryComboBox", "/d"}, {"includeSubfoldersCheckBox", "0"},
                                 {"contentsCheckBox", "1"}, {"contentsComboBox", "c"},
                                 {"contentsScopeComboBox", "Line"}, {"dateCheckBox", "1"}, {"minDateEdit", "2450000"},
                                 {"maxDateEdit", QString::number(QDate(2020, 2, 29).toJulianDay())},
                                 {"sizeCheckBox", "1"}, {"minSizeLineEdit", "42"}, {"sizeComboBox", "GB"},
                                 {"showAdvancedCheckBox", "1"}});
        m_window->loadParameters(edited);
        QCOMPARE(m_window->parameters(), edited);
        m_window->clear();
        const Parameters after = m_window->parameters();
        QCOMPARE(after.value("includeSubfoldersCheckBox"), QStringLiteral("0"));
        QCOMPARE(after.value("contentsScopeComboBox"), QStringLiteral("Line"));
        QCOMPARE(after.value("showAdvancedCheckBox"), QStringLiteral("1"));
        QCOMPARE(after.value("fileNameComboBox"), QString());
        for (const char *box : {"caseSensitiveNameCheckBox", "directoryCheckBox", "contentsCheckBox", "dateCheckBox",
                                "sizeCheckBox"})
            QCOMPARE(after.value(box), QStringLiteral("0"));
        QVERIFY(!widget<QLineEdit>("minSizeLineEdit")->isEnabled());
    }

    void modelResetKeepsEditedText()
    {
        auto *combo = widget<QComboBox>("directoryComboBox");
        auto *model = qobject_cast<SearchFieldModel *>(combo->model());
        QVERIFY(model);
        model->setStrings({"older"});
        combo->setEditText("being typed");
        model->add("elsewhere");
        QCOMPARE(combo->currentText(), QStringLiteral("being typed"));

        m_window->recordHistories();
        QCOMPARE(model->strings().first(), QStringLiteral("being typed"));
        QCOMPARE(combo->currentText(), QStringLiteral("being typed"));
    }

    void historyAdd_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("new text goes on top") << QStringList{"b", "c"} << "a" << QStringList{"a", "b", "c"};
        QTest::newRow("empty text ignored") << QStringList{"b"} << "" << QStringList{"b"};
        QTest::newRow("repeat moves to the top") << QStringList{"a", "b", "c"} << "c" << QStringList{"c", "a", "b"};
        QTest::newRow("case differs: a new entry") << QStringList{"a"} << "A" << QStringList{"A", "a"};
    }

    // The bar turns busy only once a search has run a while: a search typed key by key, ending within moments,
    // never lights it. Progress and the end stop the wait.
    void busyBarWaitsForALongSearch()
    {
        auto *bar = widget<QProgressBar>("progressBar");
        QElapsedTimer clock;
        clock.start();
        m_window->startProgress();
        QVERIFY(bar->maximum() != 0);
        QTRY_VERIFY_WITH_TIMEOUT(bar->maximum() == 0, 10000);
        QVERIFY(clock.elapsed() >= SearchWindow::kBusyDelayMs);
        m_window->stopProgress();
        QVERIFY(bar->maximum() != 0);

        m_window->startProgress();
        m_window->updateProgress(5, 10);
        QCOMPARE(bar->value(), bar->maximum() / 2);
        m_window->stopProgress();
        // The wait for the busy bar ended with the search: it does not light up later.
        QTimer later;
        later.setSingleShot(true);
        QSignalSpy passed(&later, &QTimer::timeout);
        later.start(SearchWindow::kBusyDelayMs * 2);
        QVERIFY(passed.wait(10000));
        QVERIFY(bar->maximum() != 0);
    }

    // A stopped bar is out of sight, in its place: an empty bar on show repaints itself many times a second in
    // some styles, at the cost of a search typed key by key.
    void stoppedBarIsHiddenInItsPlace()
    {
        auto *bar = widget<QProgressBar>("progressBar");
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->startProgress();
        m_window->updateProgress(3, 10);
        QVERIFY(bar->isVisible());
        const QSize shown = m_window->sizeHint();
        m_window->stopProgress();
        QVERIFY(!bar->isVisible());
        QCOMPARE(m_window->sizeHint(), shown);
    }

    void historyAdd()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, text);
        QFETCH(QStringList, after);
        SearchFieldModel model;
        model.setStrings(before);
        model.add(text);
        QCOMPARE(model.strings(), after);
    }

    void historiesAreSavedEachUnderItsOwnName()
    {
        const QStringList texts = {"name", "path", "content", "instant"};
        for (int i = 0; i < texts.size(); ++i)
            WindowTest::histories().at(i)->setStrings({texts.at(i)});
        m_window->saveHistories();
        for (SearchFieldModel *model : WindowTest::histories())
            model->clear();
        m_window->loadHistories();
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(WindowTest::histories().at(i)->strings(), QStringList{texts.at(i)});
    }

    void dependentFieldsFollowTheirBoxes()
    {
        m_window->show();
        QVERIFY(!widget<QDateEdit>("minDateEdit")->isEnabled());
        QTest::mouseClick(widget<QCheckBox>("dateCheckBox"), Qt::LeftButton);
        QVERIFY(widget<QDateEdit>("maxDateEdit")->isEnabled());
        m_window->setSearchFolder("/tmp/a;b");
        FileSearchRequest request;
        m_window->fillRequest(request);
        QCOMPARE(request.includePaths, QStringList{"/tmp/a;b"});
        QVERIFY(widget<QComboBox>("directoryComboBox")->isEnabled());
    }

    void listDialogsEditTheField_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("title");
        QTest::newRow("names") << "selectNamesButton" << "fileNameComboBox" << "Select file names";
        QTest::newRow("folders") << "selectPathsButton" << "directoryComboBox" << "Select folders";
    }

    void listDialogsEditTheField()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, title);
        m_window->loadParameters({{"directoryCheckBox", "1"}, {"contentsCheckBox", "1"}});
        auto *combo = m_window->findChild<QComboBox *>(field);
        combo->setEditText("one;!two");
        SelectPathsDialog::setFolderChooser([](QWidget *) { return QStringLiteral("/chosen"); });

        QString shownTitle;
        QString shownInclude;
        WindowTest::onNextModal<ListPairDialog>(this, [&](ListPairDialog *dialog) {
            shownTitle = dialog->windowTitle();
            auto *include = dialog->findChild<QPlainTextEdit *>("includeTextEdit");
            shownInclude = include->toPlainText();
            include->setPlainText("one\nthr;ee");
            if (auto *browse = dialog->findChild<QPushButton *>("excludeBrowseButton"))
                browse->click();
            else
                dialog->findChild<QPlainTextEdit *>("excludeTextEdit")->setPlainText("two\n/chosen");
            dialog->accept();
        });
        m_window->findChild<QPushButton *>(button)->click();
        QCOMPARE(shownTitle, title);
        QCOMPARE(shownInclude, QStringLiteral("one"));
        QCOMPARE(combo->currentText(), QStringLiteral("one;\"thr;ee\";!two;!/chosen"));

        WindowTest::onNextModal<ListPairDialog>(this, [](ListPairDialog *dialog) { dialog->reject(); });
        m_window->findChild<QPushButton *>(button)->click();
        QCOMPARE(combo->currentText(), QStringLiteral("one;\"thr;ee\";!two;!/chosen"));
    }

    void everyControlHasAnAccessibleName()
    {
        const QList<QWidget *> controls = m_window->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")
                || !control->focusPolicy())
                continue;
            const QString name = control->accessibleName().isEmpty()
                                     ? (qobject_cast<QAbstractButton *>(control)
                                            ? qobject_cast<QAbstractButton *>(control)->text()
                                            : QString())
                                     : control->accessibleName();
            QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
        }
    }

    void findButtonAndReturnFind()
    {
        QSignalSpy found(m_window.get(), &SearchWindow::findClicked);
        widget<QPushButton>("findButton")->click();
        m_window->loadParameters({{"sizeCheckBox", "1"}});
        QTest::keyClick(widget<QLineEdit>("maxSizeLineEdit"), Qt::Key_Return);
        QTest::keyClick(widget<QComboBox>("fileNameComboBox")->lineEdit(), Qt::Key_Return);
        QCOMPARE(found.count(), 3);
    }

    void advancedOptionsPersist()
    {
        widget<QCheckBox>("showAdvancedCheckBox")->setChecked(true);
        m_window = std::make_unique<SearchWindow>();
        QVERIFY(widget<QCheckBox>("showAdvancedCheckBox")->isChecked());
        widget<QCheckBox>("showAdvancedCheckBox")->setChecked(false);
        m_window = std::make_unique<SearchWindow>();
        QVERIFY(!widget<QCheckBox>("showAdvancedCheckBox")->isChecked());
    }
};

QTEST_MAIN(SearchWindowTest)
#include "SearchWindowTest.moc"
