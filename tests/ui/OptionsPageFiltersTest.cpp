#include "app/Settings.h"
#include "ui/OptionsPageFilters.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kOffice = QStringLiteral("{a0000000-0000-0000-0000-00000000000a}");
const QString kRtf = QStringLiteral("{b0000000-0000-0000-0000-00000000000b}");

} // namespace

class OptionsPageFiltersTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Opens the page's context menu and triggers the entry `path` names
    // ("Enable filters/RTF"); returns the entries of the submenu.
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
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Settings *settings = Settings::instance(m_dir.filePath(QStringLiteral("Settings.ini")));
        settings->setInstalledFilters({}, {{kOffice, QStringLiteral("Office"), {".docx", ".xlsx"}},
                                           {kRtf, QStringLiteral("RTF"), {".rtf"}}});
        settings->setDisabledFilters({kRtf});
    }

    void rowsPerExtension()
    {
        OptionsPageFilters page;
        QVERIFY(page.findChild<QWidget *>("archFrame")->isHidden());
        auto *table = page.findChild<QTableWidget *>("tableWidget");
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral(".docx"));
        QCOMPARE(table->item(2, 1)->text(), QStringLiteral("RTF"));
        QVERIFY(table->item(2, 1)->foreground() != table->item(0, 1)->foreground());
    }

    void disableAndEnableStored()
    {
        {
            OptionsPageFilters page;
            auto *table = page.findChild<QTableWidget *>("tableWidget");
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
};

QTEST_MAIN(OptionsPageFiltersTest)
#include "OptionsPageFiltersTest.moc"
