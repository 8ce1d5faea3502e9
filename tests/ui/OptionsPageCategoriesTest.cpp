#include "app/Settings.h"
#include "ui/OptionsPageCategories.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class OptionsPageCategoriesTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    const QList<FileCategory> m_custom = {{QString(), QString(), QStringLiteral("All")},
                                          {QStringLiteral("f"), QStringLiteral("cpp;h"), QStringLiteral("Code")},
                                          {QStringLiteral("d"), QString(), QStringLiteral("Folders")}};

    void click(OptionsPageCategories &page, const char *button)
    {
        page.findChild<QPushButton *>(button)->click();
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Settings::instance(m_dir.filePath(QStringLiteral("Settings.ini")));
    }

    void init() { Settings::instance()->setFileCategories(m_custom); }

    void resetRestoresDefaults()
    {
        OptionsPageCategories page;
        auto *table = page.findChild<QTableWidget *>("tableWidget");
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("cpp;h"));
        click(page, "resetButton");
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(table->item(3, 0)->text(), QStringLiteral("Executable"));
        page.storeSettings();
        QCOMPARE(Settings::instance()->fileCategories(), Settings::instance()->defaultFileCategories());
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
        click(page, button.constData());
        QStringList names;
        for (const FileCategory &category : page.categories())
            names << category.name;
        QTEST(names, "names");
        QCOMPARE(Settings::instance()->fileCategories(), m_custom);
    }
};

QTEST_MAIN(OptionsPageCategoriesTest)
#include "OptionsPageCategoriesTest.moc"
