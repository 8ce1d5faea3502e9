#include "WindowTestSupport.h"

#include "support/TestFiles.h"
#include "ui/EditCategoryDialog.h"
#include "ui/IIndexControl.h"
#include "ui/ISystemIntegration.h"
#include "ui/OptionsDialog.h"
#include "ui/OptionsIndexing.h"
#include "ui/OptionsPageCategories.h"
#include "ui/OptionsPageFilters.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QThreadPool>

namespace {

const QString kOffice = QStringLiteral("{a0000000-0000-0000-0000-00000000000a}");
const QString kRtf = QStringLiteral("{b0000000-0000-0000-0000-00000000000b}");

void clickButton(QWidget &dialog, QDialogButtonBox::StandardButton which)
{
    dialog.findChild<QDialogButtonBox *>()->button(which)->click();
}

void toggleAllCheckBoxes(QWidget &page)
{
    for (QCheckBox *box : page.findChildren<QCheckBox *>())
        box->click();
}

} // namespace

// Stand-ins for the searcher and the desktop that record what the dialog asks of them.
class FakeIndexControl : public IIndexControl
{
public:
    bool isSearching() override { return searching; }
    bool isBusy() const override { return busy; }
    IndexingSettings indexingSettings() const override { return settings; }
    QMap<QChar, int> objectCounts() const override { return counts; }
    QList<Volume> localVolumes() const override { return volumes; }
    void rebuild() override { ++rebuilds; }

    bool searching = false;
    bool busy = false;
    IndexingSettings settings;
    QMap<QChar, int> counts;
    QList<Volume> volumes;
    int rebuilds = 0;
};

class FakeIntegration : public ISystemIntegration
{
public:
    bool isProcessAdmin() const override { return admin; }
    bool isAutostart() const override { return autostart; }
    void setAutostart(bool on) override { calls << QStringLiteral("setAutostart %1").arg(on); }
    bool isShellIntegrated() const override { return integrated; }
    void setShellIntegration(bool on) override { calls << QStringLiteral("setShellIntegration %1").arg(on); }
    bool isSkipUacTaskEnabled() const override { return skipUac; }
    void createSkipUacTask() override { calls << QStringLiteral("createSkipUacTask"); }
    void deleteSkipUacTask() override { calls << QStringLiteral("deleteSkipUacTask"); }
    bool runElevated(const QString &parameters) override
    {
        calls << QStringLiteral("runElevated ") + parameters;
        return true;
    }

    bool admin = true;
    bool autostart = false;
    bool integrated = false;
    bool skipUac = false;
    QStringList calls;
};

// The options dialog and its pages, over stand-ins for the searcher and the desktop.
class OptionsDialogTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_settingsPath;
    FakeIndexControl m_index;
    FakeIntegration m_integration;
    const QList<FileCategory> m_categories = {{QString(), QString(), QStringLiteral("All")},
                                              {QStringLiteral("f"), QStringLiteral("cpp;h"), QStringLiteral("Code")},
                                              {QStringLiteral("d"), QString(), QStringLiteral("Folders")}};

    // Triggers the context menu's entry `path` names ("Enable filters/RTF"); returns the submenu's entries.
    QStringList chooseFromMenu(OptionsPageFilters &page, const QStringList &path)
    {
        QStringList enableEntries;
        QTimer::singleShot(0, this, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *action : menu->actions()) {
                if (QMenu *sub = action->menu()) {
                    for (QAction *entry : sub->actions()) {
                        enableEntries << entry->text() + QLatin1Char('=') + entry->data().toString();
                        if (path.value(0) == action->text() && path.value(1) == entry->text())
                            entry->trigger();
                    }
                } else if (path.value(0) == action->text()) {
                    action->trigger();
                }
            }
            menu->close();
        });
        page.onFilterContextMenu(QPoint(5, 5));
        return enableEntries;
    }

private slots:
    void initTestCase()
    {
        m_settingsPath = WindowTest::useFreshSettings(m_dir);
        Settings::instance()->indexingSettings(); // writes the default exclude paths, as start-up does
    }

    void init()
    {
        m_index = FakeIndexControl();
        m_index.settings.indexDrives = {QLatin1Char('D')};
        m_index.settings.dbPath = m_dir.path();
        m_index.volumes = {{QLatin1Char('C'), QStringLiteral("/"), true},
                           {QLatin1Char('D'), QStringLiteral("/media/stick"), false}};
        m_integration = FakeIntegration();
        Settings *settings = Settings::instance();
        settings->setValue(Settings::IndexDrives, QStringLiteral("C"));
        settings->setValue(Settings::DBPath, m_dir.path());
        settings->setFileCategories(m_categories);
        settings->setInstalledFilters({}, {{kOffice, QStringLiteral("Office"), {".docx", ".xlsx"}},
                                           {kRtf, QStringLiteral("RTF"), {".rtf"}}});
        settings->setDisabledFilters({kRtf});
    }

    void acceptAppliesInOrder_data()
    {
        QTest::addColumn<bool>("admin");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("indexDrives");
        QTest::newRow("root") << true << QStringList{"setAutostart 1", "setShellIntegration 1", "createSkipUacTask"}
                              << "D";
        // Without the indexing page the searcher's volumes are not stored.
        QTest::newRow("user") << false
                              << QStringList{"setAutostart 1", "runElevated -enable-shell-integration",
                                             "runElevated -enable-skip-uac"}
                              << "C";
    }

    void acceptAppliesInOrder()
    {
        QFETCH(bool, admin);
        m_integration.admin = admin;
        Settings *settings = Settings::instance();
        const Settings::Key keys[] = {Settings::RunInBackground, Settings::SaveAllTabs, Settings::AutoDetectEncoding,
                                      Settings::SkipBinary, Settings::UseBuiltInPDF};
        QList<bool> before;
        for (Settings::Key key : keys)
            before << settings->value(key).toBool();
        OptionsDialog dialog(m_index, m_integration);
        QCOMPARE(dialog.findChild<OptionsIndexing *>() != nullptr, admin);
        QCOMPARE(dialog.findChild<QLabel *>("indexingUnavailableLabel") != nullptr, !admin);
        toggleAllCheckBoxes(*dialog.findChild<QWidget *>("OptionsGeneral"));
        toggleAllCheckBoxes(*dialog.findChild<QWidget *>("OptionsSearch"));
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QTEST(m_integration.calls, "calls");
        QTEST(settings->value(Settings::IndexDrives).toString(), "indexDrives");
        for (int i = 0; i < before.size(); ++i)
            QCOMPARE(settings->value(keys[i]).toBool(), !before.at(i));
        for (int i = 0; i < before.size(); ++i)
            settings->setValue(keys[i], before.at(i));
    }

    void cancelChangesNothing()
    {
        Settings::instance()->sync();
        const QByteArray before = TestFiles::read(m_settingsPath);
        QVERIFY(!before.isEmpty());
        OptionsDialog dialog(m_index, m_integration);
        for (QWidget *page : dialog.findChild<QStackedWidget *>("pageFrame")->findChildren<QWidget *>(
                 QString(), Qt::FindDirectChildrenOnly))
            toggleAllCheckBoxes(*page);
        dialog.findChild<QPushButton *>("resetButton")->click();
        dialog.findChild<QLineEdit *>("dbPathLineEdit")->setText(m_dir.filePath(QStringLiteral("elsewhere")));
        clickButton(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        Settings::instance()->sync();
        QCOMPARE(TestFiles::read(m_settingsPath), before);
        QCOMPARE(m_integration.calls, QStringList());
        QCOMPARE(m_index.rebuilds, 0);
    }

    void clearHistoryAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("no") << int(QMessageBox::No) << 1;
        QTest::newRow("yes") << int(QMessageBox::Yes) << 0;
    }

    void clearHistoryAsksFirst()
    {
        QFETCH(int, answer);
        const QList<SearchFieldModel *> models = WindowTest::histories();
        for (SearchFieldModel *model : models)
            model->setStrings({QStringLiteral("kept?")});
        OptionsDialog dialog(m_index, m_integration);
        WindowTest::onNextModal<QMessageBox>(
            this, [&](QMessageBox *box) { box->button(QMessageBox::StandardButton(answer))->click(); });
        dialog.findChild<QPushButton *>("clearHistoryButton")->click();
        for (SearchFieldModel *model : models)
            QTEST(model->rowCount(), "rowsLeft");
    }

    void objectCounts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("999") << 999 << "999";
        QTest::newRow("largest") << 2147483647 << "2 147 483 647";
    }

    void objectCounts()
    {
        QFETCH(int, count);
        m_index.counts[QLatin1Char('D')] = count;
        OptionsIndexing page(m_index);
        auto *table = page.findChild<QTableWidget *>("tableWidget");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("C: (/)"));
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("D: (/media/stick)"));
        QTEST(table->item(1, 1)->text(), "text");
    }

    void disabledWhileSearcherWorks_data()
    {
        QTest::addColumn<bool>("searching");
        QTest::addColumn<bool>("busy");
        QTest::newRow("idle") << false << false;
        QTest::newRow("searching") << true << false;
        QTest::newRow("updating the index") << false << true;
    }

    void disabledWhileSearcherWorks()
    {
        QFETCH(bool, searching);
        QFETCH(bool, busy);
        m_index.searching = searching;
        m_index.busy = busy;
        OptionsIndexing page(m_index);
        const bool idle = !searching && !busy;
        for (const char *name : {"dbPathLineEdit", "browseButton", "rebuildButton", "fixedCheckBox", "tableWidget",
                                 "excludeTable", "addButton", "removeButton"})
            QCOMPARE(page.findChild<QWidget *>(name)->isEnabled(), idle);
        page.findChild<QPushButton *>("rebuildButton")->click();
        QCOMPARE(m_index.rebuilds, idle ? 1 : 0);
        QVERIFY(!page.findChild<QWidget *>("removableCheckBox")->isEnabled());
    }

    void storesVolumeChoicesAndExcludes()
    {
        // "E" is not mounted: its choice outlives this dialog.
        m_index.settings.indexDrives = {QLatin1Char('C'), QLatin1Char('E')};
        m_index.settings.noIndexDrives = {QLatin1Char('D')};
        Settings::instance()->setExcludePaths({{QStringLiteral(".svn"), true}, {QStringLiteral("/tmp"), false}});
        OptionsIndexing page(m_index);
        auto *table = page.findChild<QTableWidget *>("tableWidget");
        QCOMPARE(table->item(0, 0)->checkState(), Qt::Checked);
        QCOMPARE(table->item(1, 0)->checkState(), Qt::Unchecked);
        table->item(0, 0)->setCheckState(Qt::Unchecked);
        table->item(1, 0)->setCheckState(Qt::Checked);
        page.findChild<QCheckBox *>("removableCheckBox")->setChecked(true);
        auto *excludes = page.findChild<QTableWidget *>("excludeTable");
        QCOMPARE(excludes->item(1, 0)->checkState(), Qt::Unchecked);
        excludes->selectRow(0);
        page.findChild<QPushButton *>("removeButton")->click();
        page.findChild<QPushButton *>("addButton")->click();
        excludes->item(1, 0)->setText(QStringLiteral("/srv/cache"));
        page.apply();
        const IndexingSettings stored = Settings::instance()->indexingSettings();
        QCOMPARE(stored.indexDrives, (QList<QChar>{QLatin1Char('D'), QLatin1Char('E')}));
        QCOMPARE(stored.noIndexDrives, QList<QChar>{QLatin1Char('C')});
        QVERIFY(stored.autoAddRemovable);
        const QList<ExcludePath> expected = {{QStringLiteral("/tmp"), false}, {QStringLiteral("/srv/cache"), true}};
        QCOMPARE(Settings::instance()->excludePaths(), expected);
    }

    void databaseFolderChangesOnApply_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("foreignFile");
        QTest::addColumn<bool>("moved");
        QTest::newRow("a file of the user's") << "new" << true << true;
        QTest::newRow("emptied: nothing moves") << "  " << false << false;
    }

    void databaseFolderChangesOnApply()
    {
        QFETCH(QString, typed);
        QFETCH(bool, foreignFile);
        QFETCH(bool, moved);
        QTemporaryDir oldFolder;
        const QString db = oldFolder.filePath(QStringLiteral("DB"));
        QVERIFY(TestFiles::write(db + QStringLiteral("/C"), QByteArray()));
        QVERIFY(TestFiles::write(db + QStringLiteral("/D"), QByteArray()));
        if (foreignFile)
            QVERIFY(TestFiles::write(db + QStringLiteral("/notes.txt"), QByteArray()));
        Settings::instance()->setValue(Settings::DBPath, oldFolder.path());
        m_index.settings.dbPath = oldFolder.path();
        OptionsIndexing page(m_index);
        const QString newPath = moved ? m_dir.filePath(typed) : typed;
        page.findChild<QLineEdit *>("dbPathLineEdit")->setText(newPath);
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(QFile::exists(db + QStringLiteral("/C")));

        page.apply();
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(QFile::exists(db + QStringLiteral("/C")), !moved);
        QCOMPARE(QFile::exists(db + QStringLiteral("/D")), !moved);
        QCOMPARE(QFile::exists(db + QStringLiteral("/notes.txt")), foreignFile);
        QCOMPARE(QFile::exists(db), !moved || foreignFile);
        QCOMPARE(Settings::instance()->value(Settings::DBPath).toString(), moved ? newPath : oldFolder.path());
    }

    void reorderAndRemove_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("up") << 2 << QByteArray("upButton") << QStringList{"All", "Folders", "Code"};
        QTest::newRow("down") << 0 << QByteArray("downButton") << QStringList{"Code", "All", "Folders"};
        QTest::newRow("down at the end") << 2 << QByteArray("downButton") << QStringList{"All", "Code", "Folders"};
        QTest::newRow("remove") << 1 << QByteArray("removeButton") << QStringList{"All", "Folders"};
    }

    void reorderAndRemove()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, button);
        OptionsPageCategories page;
        page.findChild<QTableWidget *>("tableWidget")->selectRow(row);
        page.findChild<QPushButton *>(button.constData())->click();
        QStringList names;
        for (const FileCategory &category : page.categories())
            names << category.name;
        QTEST(names, "names");
        QCOMPARE(Settings::instance()->fileCategories(), m_categories);
    }

    void disableAndEnableStored()
    {
        {
            OptionsPageFilters page;
            QVERIFY(page.findChild<QWidget *>("archFrame")->isHidden());
            auto *table = page.findChild<QTableWidget *>("tableWidget");
            QCOMPARE(table->rowCount(), 3);
            QCOMPARE(table->item(0, 0)->text(), QStringLiteral(".docx"));
            QCOMPARE(table->item(2, 1)->text(), QStringLiteral("RTF"));
            QVERIFY(table->item(2, 1)->foreground() != table->item(0, 1)->foreground()); // the disabled one
            table->setCurrentCell(1, 0);
            const QStringList offered = chooseFromMenu(page, {QStringLiteral("Disable filter")});
            QCOMPARE(offered, QStringList{QStringLiteral("RTF=") + kRtf});
            table->item(0, 0)->setCheckState(Qt::Unchecked);
            page.storeSettings();
        }
        QCOMPARE(Settings::instance()->disabledFilters(), (QStringList{kRtf, kOffice}));
        QCOMPARE(Settings::instance()->disabledExtensions64(), QStringList{QStringLiteral("docx")});
        {
            OptionsPageFilters page;
            const QStringList offered = chooseFromMenu(page, {QStringLiteral("Enable filters"), QStringLiteral("RTF")});
            QCOMPARE(offered, (QStringList{QStringLiteral("RTF=") + kRtf, QStringLiteral("Office=") + kOffice}));
            page.findChild<QTableWidget *>("tableWidget")->item(0, 0)->setCheckState(Qt::Checked);
            page.storeSettings();
        }
        QCOMPARE(Settings::instance()->disabledFilters(), QStringList{kOffice});
        QCOMPARE(Settings::instance()->disabledExtensions64(), QStringList());
    }

    void attributesShown_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("writtenBack");
        QTest::newRow("d and f") << "fd" << 2 << false << false << "d";
        QTest::newRow("hidden read-only files") << "rhf" << 1 << true << true << "fhr";
    }

    void attributesShown()
    {
        QFETCH(QString, attributes);
        EditCategoryDialog dialog(nullptr, QStringLiteral("Notes"), QStringLiteral("txt;md"), attributes);
        QCOMPARE(dialog.findChild<QLineEdit *>("nameEdit")->text(), QStringLiteral("Notes"));
        QCOMPARE(dialog.findChild<QLineEdit *>("extensionEdit")->text(), QStringLiteral("txt;md"));
        QTEST(dialog.findChild<QComboBox *>("directoryComboBox")->currentIndex(), "kind");
        QTEST(dialog.findChild<QCheckBox *>("hiddenCheckBox")->isChecked(), "hidden");
        QTEST(dialog.findChild<QCheckBox *>("readOnlyCheckBox")->isChecked(), "readOnly");
        QTEST(dialog.attributes(), "writtenBack");
    }

    void fieldsAreTidied()
    {
        EditCategoryDialog dialog(nullptr, QString(), QString(), QString());
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(!ok->isEnabled());
        dialog.findChild<QLineEdit *>("nameEdit")->setText(QStringLiteral("  Code "));
        dialog.findChild<QLineEdit *>("extensionEdit")->setText(QStringLiteral(" .cpp; h;;.hpp "));
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog.name(), QStringLiteral("Code"));
        QCOMPARE(dialog.extensions(), QStringLiteral("cpp;h;hpp"));
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
