#include "app/MessageListenWidget.h"
#include "support/TempTree.h"
#include "ui/SessionHandOver.h"
#include "ui/ShellContextMenu.h"
#include "ui/ShellOpen.h"
#include "ui/ShellUtils.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QStandardPaths>
#include <QThread>
#include <QTest>

namespace {

QAction *entry(QMenu *menu, int command)
{
    for (QAction *action : menu->actions()) {
        if (action->menu()) {
            if (QAction *inner = entry(action->menu(), command))
                return inner;
        } else if (!action->isSeparator() && action->data().toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

class ShellContextMenuTest : public QObject
{
    Q_OBJECT

private:
    QString m_recorded;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // An application of our own as the user's choice for plain text: it
        // writes the file it was given next to itself.
        const QString applications = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QVERIFY(QDir().mkpath(applications) && QDir().mkpath(config));
        m_recorded = applications + QStringLiteral("/opened.txt");
        QFile::remove(m_recorded);
        QFile entry(applications + QStringLiteral("/tvq-test-viewer.desktop"));
        QVERIFY(entry.open(QIODevice::WriteOnly | QIODevice::Truncate));
        entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Test Viewer\nMimeType=text/plain;\n"
                                   "Exec=sh -c 'printf %%s \"$1\" > %1' sh %f\n")
                        .arg(m_recorded)
                        .toUtf8());
        entry.close();
        QFile choices(config + QStringLiteral("/mimeapps.list"));
        QVERIFY(choices.open(QIODevice::WriteOnly | QIODevice::Truncate));
        choices.write("[Default Applications]\ntext/plain=tvq-test-viewer.desktop\n");
    }

    void cleanup()
    {
        setSessionHandOver(nullptr);
        setShellOpener(nullptr);
        ShellUtils::setQuestion(nullptr);
        ShellUtils::setReport(nullptr);
    }

    void menus_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("one file") << 1
                                  << QStringList{"Open file location", "Copy full name", "", "&Open", "Open &With", "",
                                                 "Cu&t", "&Copy", "", "&Rename...", "Move to T&rash", "&Delete", "",
                                                 "&Properties"};
        QTest::newRow("several files") << 2 << QStringList{"Cu&t", "&Copy", "&Delete", "", "&Properties"};
    }

    void menus()
    {
        QFETCH(int, files);
        TempTree tree({"a.txt", "b.txt"});
        const QStringList paths = QStringList{tree.path("a.txt"), tree.path("b.txt")}.mid(0, files);
        ShellContextMenu menu(nullptr, paths);
        QStringList texts;
        QList<int> verbsDelete;
        for (QAction *action : menu.menu()->actions()) {
            texts.append(action->text());
            if (action->property("verb").toString() == QLatin1String("delete"))
                verbsDelete.append(action->data().toInt());
            const int command = action->data().toInt();
            if (!action->isSeparator() && !action->menu() && texts.size() > 2)
                QVERIFY2(command >= 1 && command <= ShellContextMenu::kLastFileCommand, qPrintable(action->text()));
        }
        QTEST(texts, "texts");
        if (files == 1) {
            QCOMPARE(menu.menu()->actions().at(0)->data().toInt(), 30001);
            QCOMPARE(menu.menu()->actions().at(1)->data().toInt(), 30002);
            QCOMPARE(verbsDelete, (QList<int>{ShellContextMenu::MoveToTrashCommand, ShellContextMenu::DeleteCommand}));
            QVERIFY(!entry(menu.menu(), ShellContextMenu::RenameCommand)->isEnabled());
        } else {
            QCOMPARE(verbsDelete, QList<int>{ShellContextMenu::DeleteCommand});
        }
    }

    void deleteEntry_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("declined") << false;
        QTest::newRow("confirmed") << true;
    }

    void deleteEntry()
    {
        QFETCH(bool, answer);
        ShellUtils::setQuestion([answer](QWidget *, const QString &) { return answer; });
        TempTree tree({"a.txt", "b.txt"});
        ShellContextMenu menu(nullptr, {tree.path("a.txt"), tree.path("b.txt")});
        QCOMPARE(menu.run(entry(menu.menu(), ShellContextMenu::DeleteCommand)), answer);
        QCOMPARE(QFileInfo::exists(tree.path("a.txt")), !answer);
        QCOMPARE(menu.removedPaths().size(), answer ? 2 : 0);
        // Copying is no deletion, whatever it did.
        QVERIFY(!menu.run(entry(menu.menu(), ShellContextMenu::CopyCommand)));
    }

    void copyFullName()
    {
        ShellContextMenu menu(nullptr, {QStringLiteral("/some where/ä.txt")});
        QVERIFY(!menu.run(entry(menu.menu(), ShellContextMenu::CopyFullNameCommand)));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("/some where/ä.txt"));
    }

    void openWith()
    {
        TempTree tree({"note 1.txt"});
        ShellContextMenu menu(nullptr, {tree.path("note 1.txt")});
        QMenu *openWith = menu.menu()->findChild<QMenu *>(QStringLiteral("openWithMenu"));
        QVERIFY(openWith && !openWith->actions().isEmpty());
        QCOMPARE(openWith->actions().first()->text(), QStringLiteral("Test Viewer"));
        QVERIFY(!menu.run(openWith->actions().first()));
        // The shell makes the file before it writes the name into it.
        const auto recorded = [this] {
            QFile file(m_recorded);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        QTRY_COMPARE(recorded(), tree.path("note 1.txt"));
    }

    void rootHandsOver_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("errand");
        QTest::newRow("open file location") << int(ShellContextMenu::OpenFileLocationCommand)
                                            << int(SessionErrand::OpenFileLocation);
        QTest::newRow("open with") << int(ShellContextMenu::FirstOpenWithCommand) << int(SessionErrand::OpenWith);
        QTest::newRow("move to trash") << int(ShellContextMenu::MoveToTrashCommand)
                                       << int(SessionErrand::MoveToTrash);
        QTest::newRow("properties") << int(ShellContextMenu::PropertiesCommand) << int(SessionErrand::ShowProperties);
    }

    // A root instance runs nothing of the user's desktop itself.
    void rootHandsOver()
    {
        QFETCH(int, command);
        QFETCH(int, errand);
        QList<int> errands;
        QStringList arguments;
        setSessionHandOver([&](SessionErrand kind, const QStringList &given) {
            errands.append(int(kind));
            arguments = given;
            return true;
        });
        QStringList opened;
        setShellOpener([&](QWidget *, const QString &path, const QString &) {
            opened.append(path);
            return true;
        });
        QStringList reports;
        ShellUtils::setReport([&](QWidget *, const QString &text) { reports.append(text); });
        TempTree tree({"n.txt"});
        ShellContextMenu menu(nullptr, {tree.path("n.txt")});
        menu.run(entry(menu.menu(), command));
        QCOMPARE(errands, QList<int>{errand});
        QCOMPARE(arguments.last(), tree.path("n.txt"));
        QCOMPARE(opened, QStringList());
        // The stand-in moved nothing: what is still there is said so.
        QVERIFY(QFileInfo::exists(tree.path("n.txt")));
        QCOMPARE(reports.size(), errand == int(SessionErrand::MoveToTrash) ? 1 : 0);
    }

    // Over the instances' socket to a companion, which runs the errand on
    // its own thread, as it would in a process of its own.
    void companionReceivesErrands()
    {
        QStringList received;
        MessageListenWidget::setSessionErrandHandler([&](quint64 kind, const QString &text) {
            received.append(QString::number(kind) + QLatin1Char(':') + text);
            return true;
        });
        QThread thread;
        auto *companion = new MessageListenWidget(QLatin1String(kUserInstanceWindowTitle));
        QVERIFY(companion->isListening());
        companion->moveToThread(&thread);
        connect(&thread, &QThread::finished, companion, &QObject::deleteLater);
        thread.start();
        installCompanionHandOver();
        ShellUtils::showFileLocation(nullptr, QStringLiteral("/x y/ä"));
        thread.quit();
        thread.wait();
        MessageListenWidget::setSessionErrandHandler(nullptr);
        QCOMPARE(received, QStringList{"3:file:///x%20y/%C3%A4"});
    }
};

QTEST_MAIN(ShellContextMenuTest)
#include "ShellContextMenuTest.moc"
