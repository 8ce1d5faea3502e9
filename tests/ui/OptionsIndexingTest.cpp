#include "FakeOptionsEnvironment.h"

#include "app/Settings.h"
#include "ui/OptionsIndexing.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class OptionsIndexingTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FakeIndexControl m_index;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Settings::instance(m_dir.filePath(QStringLiteral("Settings.ini")));
    }

    void init()
    {
        m_index = FakeIndexControl();
        m_index.settings.dbPath = m_dir.path();
        m_index.volumes = {{QLatin1Char('C'), QStringLiteral("/"), true},
                           {QLatin1Char('D'), QStringLiteral("/media/stick"), false}};
    }

    void objectCounts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "0";
        QTest::newRow("999") << 999 << "999";
        QTest::newRow("1000") << 1000 << "1 000";
        QTest::newRow("12345") << 12345 << "12 345";
        QTest::newRow("million") << 1000000 << "1 000 000";
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
        QCOMPARE(table->item(1, 1)->textAlignment() & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
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

    void storesVolumeChoices()
    {
        // "E" is not mounted: its choice outlives this dialog.
        m_index.settings.indexDrives = {QLatin1Char('C'), QLatin1Char('E')};
        m_index.settings.noIndexDrives = {QLatin1Char('D')};
        OptionsIndexing page(m_index);
        auto *table = page.findChild<QTableWidget *>("tableWidget");
        QCOMPARE(table->item(0, 0)->checkState(), Qt::Checked);
        QCOMPARE(table->item(1, 0)->checkState(), Qt::Unchecked);
        table->item(0, 0)->setCheckState(Qt::Unchecked);
        table->item(1, 0)->setCheckState(Qt::Checked);
        page.findChild<QCheckBox *>("removableCheckBox")->setChecked(true);
        page.apply();
        const IndexingSettings stored = Settings::instance()->indexingSettings();
        QCOMPARE(stored.indexDrives, (QList<QChar>{QLatin1Char('D'), QLatin1Char('E')}));
        QCOMPARE(stored.noIndexDrives, QList<QChar>{QLatin1Char('C')});
        QVERIFY(stored.autoAddRemovable);
    }

    void excludePathsStored()
    {
        Settings::instance()->setExcludePaths({{QStringLiteral(".svn"), true}, {QStringLiteral("/tmp"), false}});
        OptionsIndexing page(m_index);
        auto *table = page.findChild<QTableWidget *>("excludeTable");
        QCOMPARE(table->item(1, 0)->checkState(), Qt::Unchecked);
        table->selectRow(0);
        page.findChild<QPushButton *>("removeButton")->click();
        page.findChild<QPushButton *>("addButton")->click();
        QCOMPARE(table->rowCount(), 2);
        table->item(1, 0)->setText(QStringLiteral("/srv/cache"));
        page.apply();
        const QList<ExcludePath> expected = {{QStringLiteral("/tmp"), false}, {QStringLiteral("/srv/cache"), true}};
        QCOMPARE(Settings::instance()->excludePaths(), expected);
    }

    void oldDatabaseRemovedOnApply_data()
    {
        QTest::addColumn<bool>("foreignFile");
        QTest::newRow("only databases") << false;
        QTest::newRow("a file of the user's") << true;
    }

    void oldDatabaseRemovedOnApply()
    {
        QFETCH(bool, foreignFile);
        QTemporaryDir oldFolder;
        QVERIFY(QDir(oldFolder.path()).mkdir(QStringLiteral("DB")));
        const QString db = oldFolder.filePath(QStringLiteral("DB"));
        touch(db + QStringLiteral("/C"));
        touch(db + QStringLiteral("/D"));
        if (foreignFile)
            touch(db + QStringLiteral("/notes.txt"));
        m_index.settings.dbPath = oldFolder.path();
        OptionsIndexing page(m_index);
        page.findChild<QLineEdit *>("dbPathLineEdit")->setText(m_dir.filePath(QStringLiteral("new")));
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(QFile::exists(db + QStringLiteral("/C")));

        page.apply();
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(!QFile::exists(db + QStringLiteral("/C")));
        QVERIFY(!QFile::exists(db + QStringLiteral("/D")));
        QCOMPARE(QFile::exists(db + QStringLiteral("/notes.txt")), foreignFile);
        QCOMPARE(QFile::exists(db), foreignFile);
        QCOMPARE(Settings::instance()->value(Settings::DBPath).toString(), m_dir.filePath(QStringLiteral("new")));
    }

    void emptiedPathKeepsFolder()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("DB")));
        touch(folder.filePath(QStringLiteral("DB/C")));
        Settings::instance()->setValue(Settings::DBPath, folder.path());
        m_index.settings.dbPath = folder.path();
        OptionsIndexing page(m_index);
        page.findChild<QLineEdit *>("dbPathLineEdit")->setText(QStringLiteral("  "));
        page.apply();
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(Settings::instance()->value(Settings::DBPath).toString(), folder.path());
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("DB/C"))));
    }
};

QTEST_MAIN(OptionsIndexingTest)
#include "OptionsIndexingTest.moc"
