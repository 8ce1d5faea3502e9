#include "FakeOptionsEnvironment.h"

#include "app/Settings.h"
#include "ui/OptionsDialog.h"
#include "ui/OptionsIndexing.h"
#include "ui/SearchFieldModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void clickButton(OptionsDialog &dialog, QDialogButtonBox::StandardButton which)
{
    dialog.findChild<QDialogButtonBox *>("buttonBox")->button(which)->click();
}

void toggleAllCheckBoxes(QWidget &page)
{
    for (QCheckBox *box : page.findChildren<QCheckBox *>())
        box->click();
}

} // namespace

class OptionsDialogTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FakeIndexControl m_index;
    FakeIntegration m_integration;

    QString settingsPath() const { return m_dir.filePath(QStringLiteral("Settings.ini")); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Settings::instance(settingsPath());
        Settings::instance()->indexingSettings(); // writes the default exclude paths, as start-up does
    }

    void init()
    {
        m_index = FakeIndexControl();
        m_index.settings.indexDrives = {QLatin1Char('D')};
        m_index.settings.dbPath = m_dir.path();
        m_index.volumes = {{QLatin1Char('C'), QStringLiteral("/"), true}, {QLatin1Char('D'), QStringLiteral("/data"), true}};
        m_integration = FakeIntegration();
        Settings::instance()->setValue(Settings::IndexDrives, QStringLiteral("C"));
        Settings::instance()->setValue(Settings::DBPath, m_dir.path());
    }

    void pagesInOrder()
    {
        OptionsDialog dialog(m_index, m_integration);
        auto *list = dialog.findChild<QListWidget *>("listWidget");
        auto *frame = dialog.findChild<QStackedWidget *>("pageFrame");
        const QStringList names = {"General", "Indexing", "Search", "File categories", "File handlers"};
        const QStringList pages = {"OptionsGeneral", "OptionsIndexing", "OptionsSearch", "OptionsPageCategories",
                                   "OptionsPageFilters"};
        QCOMPARE(list->count(), names.size());
        for (int row = 0; row < names.size(); ++row) {
            QCOMPARE(list->item(row)->text(), names.at(row));
            list->setCurrentRow(row);
            QCOMPARE(frame->currentWidget()->objectName(), pages.at(row));
        }
        dialog.setCurrentPage(OptionsDialog::CategoriesPage);
        QCOMPARE(frame->currentWidget()->objectName(), QStringLiteral("OptionsPageCategories"));
    }

    void notRootHasNoIndexingPage()
    {
        m_integration.admin = false;
        OptionsDialog dialog(m_index, m_integration);
        QVERIFY(!dialog.findChild<OptionsIndexing *>());
        auto *label = dialog.findChild<QLabel *>("indexingUnavailableLabel");
        QCOMPARE(label->text(), QStringLiteral("Indexing is unavailable when Talvenquist is running without "
                                               "administrator permissions."));
        QVERIFY(label->wordWrap());
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        // The root dialog would have stored the searcher's "D" here.
        QCOMPARE(Settings::instance()->value(Settings::IndexDrives).toString(), QStringLiteral("C"));
    }

    void acceptAppliesInOrder_data()
    {
        QTest::addColumn<bool>("admin");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("root") << true
                              << QStringList{"setAutostart 1", "setShellIntegration 1", "createSkipUacTask"};
        QTest::newRow("user") << false
                              << QStringList{"setAutostart 1", "runElevated -enable-shell-integration",
                                             "runElevated -enable-skip-uac"};
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
        toggleAllCheckBoxes(*dialog.findChild<QWidget *>("OptionsGeneral"));
        toggleAllCheckBoxes(*dialog.findChild<QWidget *>("OptionsSearch"));
        clickButton(dialog, QDialogButtonBox::Ok);
        QTEST(m_integration.calls, "calls");
        for (int i = 0; i < before.size(); ++i)
            QCOMPARE(settings->value(keys[i]).toBool(), !before.at(i));
        for (int i = 0; i < before.size(); ++i)
            settings->setValue(keys[i], before.at(i));
    }

    void cancelChangesNothing()
    {
        Settings::instance()->sync();
        const QByteArray before = fileBytes(settingsPath());
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
        QCOMPARE(fileBytes(settingsPath()), before);
        QCOMPARE(m_integration.calls, QStringList());
        QCOMPARE(m_index.rebuilds, 0);
    }

    void browseStartsAtTheLastFolder()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("start/chosen")));
        const QString start = m_dir.filePath(QStringLiteral("start"));
        const QString chosen = m_dir.filePath(QStringLiteral("start/chosen"));
        Settings::instance()->setValue(Settings::DefaultDialogDir, start);
        OptionsDialog dialog(m_index, m_integration);
        QString openedAt;
        QTimer::singleShot(0, this, [&] {
            auto *browser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(browser);
            openedAt = browser->directory().absolutePath();
            browser->selectFile(chosen);
            static_cast<QDialog *>(browser)->accept();
        });
        dialog.findChild<QPushButton *>("browseButton")->click();
        QCOMPARE(openedAt, start);
        QCOMPARE(dialog.findChild<QLineEdit *>("dbPathLineEdit")->text(), chosen);
        QCOMPARE(Settings::instance()->value(Settings::DefaultDialogDir).toString(), chosen);
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
        const QList<SearchFieldModel *> models = {SearchFieldModel::fileNameModel(), SearchFieldModel::pathModel(),
                                                  SearchFieldModel::contentModel(),
                                                  SearchFieldModel::instantFileNameModel()};
        for (SearchFieldModel *model : models)
            model->setStrings({QStringLiteral("kept?")});
        OptionsDialog dialog(m_index, m_integration);
        QString question;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            question = box->text();
            QCOMPARE(box->icon(), QMessageBox::Warning);
            box->button(QMessageBox::StandardButton(answer))->click();
        });
        dialog.findChild<QPushButton *>("clearHistoryButton")->click();
        QCOMPARE(question, QStringLiteral("Do you really want to clear search history?"));
        for (SearchFieldModel *model : models)
            QTEST(model->rowCount(), "rowsLeft");
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
