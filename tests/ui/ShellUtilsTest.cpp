#include "WindowTestSupport.h"

#include "query/FileSearchResults.h"
#include "session/MessageListenWidget.h"
#include "support/TempTree.h"
#include "support/TestFiles.h"
#include "support/UnprivilegedUser.h"
#include "ui/FilePropertiesDialog.h"
#include "ui/FileTable.h"
#include "ui/FileTableModel.h"
#include "ui/FileTableView.h"
#include "ui/SessionHandOver.h"
#include "ui/ShellContextMenu.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

// Stands in for a file manager on the private session bus.
class FileManagerStandIn : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QList<QStringList> shown;

public slots:
    void ShowItems(const QStringList &uris, const QString &) { shown.append(uris); }
    void ShowItemProperties(const QStringList &uris, const QString &) { shown.append(uris); }
};

namespace {

// A user's companion instance, listening on a thread as it would in a process of its own.
struct Companion
{
    Companion() : widget(new MessageListenWidget(QLatin1String(kUserInstanceWindowTitle)))
    {
        listening = widget->isListening();
        widget->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, widget, &QObject::deleteLater);
        thread.start();
    }
    ~Companion() { stop(); }
    void stop()
    {
        thread.quit();
        thread.wait();
    }

    QThread thread;
    MessageListenWidget *widget;
    bool listening = false;
};

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

FilePropertiesDialog *propertiesDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<FilePropertiesDialog *>(widget))
            return dialog;
    }
    return nullptr;
}

} // namespace

// What the program asks of the desktop, and the hand-over of errands from a root instance to the user's session.
class ShellUtilsTest : public QObject
{
    Q_OBJECT

    QProcess m_bus;
    QTemporaryDir m_busDir;
    QString m_recorded;

    // So that the user "nobody" meets only the permissions a test sets.
    static void openUp(const TempTree &tree) { QFile::setPermissions(tree.path(), QFile::Permissions(0x7777)); }

    // The user's choice for plain text: an application that writes the path it was given next to itself.
    void installViewer()
    {
        const QString applications = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        m_recorded = applications + QStringLiteral("/opened.txt");
        QFile::remove(m_recorded);
        QVERIFY(TestFiles::write(applications + QStringLiteral("/tvq-test-viewer.desktop"),
                                 QStringLiteral("[Desktop Entry]\nType=Application\nName=Test Viewer\n"
                                                "MimeType=text/plain;\nExec=sh -c 'printf %%s \"$1\" > %1' sh %f\n")
                                     .arg(m_recorded)
                                     .toUtf8()));
        QVERIFY(TestFiles::write(config + QStringLiteral("/mimeapps.list"),
                                 "[Default Applications]\ntext/plain=tvq-test-viewer.desktop\n"));
    }

    // A bus that activates nothing, so no real file manager answers in place of the stand-in.
    void startBus()
    {
        const QString config = m_busDir.filePath(QStringLiteral("bus.conf"));
        QVERIFY(TestFiles::write(
            config, QStringLiteral("<busconfig><type>session</type><listen>unix:tmpdir=%1</listen>"
                                   "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
                                   "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>")
                        .arg(m_busDir.path())
                        .toUtf8()));
        m_bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config,
                                                    QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        QVERIFY(m_bus.waitForReadyRead());
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

private slots:
    void initTestCase()
    {
        WindowTest::pinLocale();
        installViewer();
        if (!QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            startBus();
    }

    void cleanupTestCase()
    {
        m_bus.kill();
        m_bus.waitForFinished();
    }

    void cleanup() { setSessionHandOver(nullptr); }

    void clipboardBytes_data()
    {
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QByteArray>("copiedFiles");
        QTest::addColumn<QByteArray>("cutMark");
        const QByteArray uris = "\nfile:///data/a%20b%25.txt\nfile:///data/Gr%C3%BC%C3%9Fe%20%E6%97%A5.txt";
        QTest::newRow("copy") << false << "copy" + uris << QByteArray("0");
        QTest::newRow("cut") << true << "cut" + uris << QByteArray("1");
    }

    void clipboardBytes()
    {
        QFETCH(bool, cut);
        const QStringList paths{QStringLiteral("/data/a b%.txt"), QStringLiteral("/data/Grüße 日.txt")};
        if (cut)
            QVERIFY(ShellUtils::cutFilesToClipboard(paths));
        else
            ShellUtils::copyFilesToClipboard(paths);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(data->data("text/uri-list"),
                 QByteArray("file:///data/a%20b%25.txt\r\nfile:///data/Gr%C3%BC%C3%9Fe%20%E6%97%A5.txt\r\n"));
        QTEST(data->data("x-special/gnome-copied-files"), "copiedFiles");
        QTEST(data->data("application/x-kde-cutselection"), "cutMark");
        QCOMPARE(data->text(), paths.join(QLatin1Char('\n')));
    }

    void deleteAsked_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("answer");
        QTest::newRow("table, confirmed") << false << true;
        QTest::newRow("menu, declined") << true << false;
    }

    // A link inside a deleted folder goes, what it points to stays.
    void deleteAsked()
    {
        QFETCH(bool, fromMenu);
        QFETCH(bool, answer);
        WindowTest::RecordedMessages messages;
        messages.answer = answer;
        TempTree tree({"a.txt", "tree/sub/deep.txt", "tree/.hidden", "kept.txt"});
        QVERIFY(QFile::link(tree.path("kept.txt"), tree.path("tree/link")));
        FileSearchResults results;
        for (const char *name : {"a.txt", "tree", "kept.txt"})
            results.addFile(QString::fromLatin1(name), tree.path(), 0);
        FileTable table;
        table.setResults(nullptr, &results, {});
        ShellContextMenu menu(nullptr, {tree.path("a.txt"), tree.path("tree")});
        if (fromMenu) {
            QCOMPARE(menu.run(entry(menu.menu(), ShellContextMenu::DeleteCommand)), answer);
            QCOMPARE(menu.removedPaths().size(), answer ? 2 : 0);
        } else {
            table.view()->selectRow(0);
            table.view()->selectionModel()->select(table.model()->index(1, 0),
                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
            table.view()->deleteSelected();
            QCOMPARE(table.model()->rowCount(), answer ? 1 : 3);
        }
        QCOMPARE(messages.questions.size(), 1);
        QVERIFY2(messages.questions.first().contains(QLatin1String("2 item")), qPrintable(messages.questions.first()));
        QCOMPARE(QFileInfo::exists(tree.path("a.txt")), !answer);
        QCOMPARE(QFileInfo::exists(tree.path("tree")), !answer);
        QVERIFY(QFileInfo::exists(tree.path("kept.txt")));
        QCOMPARE(messages.reports, QStringList());
    }

    void notRemoved_data()
    {
        QTest::addColumn<bool>("toTrash");
        QTest::newRow("delete") << false;
        QTest::newRow("trash") << true;
    }

    void notRemoved()
    {
        QFETCH(bool, toTrash);
        WindowTest::RecordedMessages messages;
        TempTree tree({"free.txt", "locked/inner.txt"});
        openUp(tree);
        QVERIFY(QFile::setPermissions(tree.path("locked"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                               | QFile::ExeOther));
        FileSearchResults results;
        results.addFile(QStringLiteral("free.txt"), tree.path(), 0);
        results.addFile(QStringLiteral("inner.txt"), tree.path("locked"), 0);
        FileTable table;
        table.setResults(nullptr, &results, {});
        table.view()->selectAll();
        {
            UnprivilegedUser nobody;
            QVERIFY(nobody.ok());
            if (toTrash)
                table.view()->moveSelectedToTrash();
            else
                table.view()->deleteSelected();
        }
        QVERIFY(QFileInfo::exists(tree.path("locked/inner.txt")));
        QCOMPARE(messages.reports.size(), 1);
        const QString report = messages.reports.first();
        QVERIFY2(report.contains(tree.path("locked/inner.txt")), qPrintable(report));
        QCOMPARE(table.model()->rowCount(), toTrash ? 2 : 1);
        QCOMPARE(table.model()->index(table.model()->rowCount() - 1, 0).data(Qt::UserRole).toString(),
                 tree.path("locked/inner.txt"));
        if (!toTrash)
            QVERIFY2(report.contains(QLatin1String("Permission denied")), qPrintable(report));
    }

    void trashed_data()
    {
        QTest::addColumn<bool>("handedOver");
        QTest::newRow("here") << false;
        QTest::newRow("handed to the session") << true;
    }

    void trashed()
    {
        QFETCH(bool, handedOver);
        QList<SessionErrand> errands;
        // As the companion would: the errand crosses as text and runs on a GUI thread while the sender waits.
        setSessionHandOver(!handedOver ? SessionHandOver() : [&](SessionErrand errand, const QStringList &arguments) {
            errands.append(errand);
            bool done = false;
            const QStringList crossed = sessionErrandArguments(errand, sessionErrandText(errand, arguments));
            QMetaObject::invokeMethod(
                qApp, [&] { done = ShellUtils::performSessionErrand(errand, crossed); }, Qt::BlockingQueuedConnection);
            return done;
        });
        TempTree tree({"x y.txt"}, QDir::homePath());
        const QString name = QFileInfo(tree.path()).fileName() + QStringLiteral("-x y.txt");
        QVERIFY(QFile::rename(tree.path("x y.txt"), tree.path(name)));
        QStringList removed;
        QVERIFY(ShellUtils::moveFilesToTrash(nullptr, {tree.path(name)}, &removed));
        QCOMPARE(removed, QStringList{tree.path(name)});
        const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
        QVERIFY(QFileInfo::exists(trash + "/files/" + name));
        const QByteArray info = TestFiles::read(trash + "/info/" + name + ".trashinfo");
        QVERIFY2(info.contains("Path=" + QUrl::toPercentEncoding(tree.path(name), "/")), info.constData());
        QCOMPARE(errands.size(), handedOver ? 1 : 0);
    }

    void fileManager_data()
    {
        QTest::addColumn<bool>("serviceRuns");
        QTest::newRow("file manager") << true;
        QTest::newRow("none") << false;
    }

    void fileManager()
    {
        QFETCH(bool, serviceRuns);
        if (!m_bus.processId())
            QSKIP("dbus-daemon is not installed");
        WindowTest::RecordedOpens opens;
        FileManagerStandIn standIn;
        QDBusConnection connection = QDBusConnection::connectToBus(
            QString::fromUtf8(qgetenv("DBUS_SESSION_BUS_ADDRESS")), QStringLiteral("standIn"));
        if (serviceRuns) {
            QVERIFY(connection.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &standIn,
                                              QDBusConnection::ExportAllSlots));
            QVERIFY(connection.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        }
        TempTree tree({"dir ä/f 1.txt"});
        ShellUtils::showFileLocation(nullptr, tree.path("dir ä/f 1.txt"));
        ShellUtils::showProperties(nullptr, {tree.path("dir ä/f 1.txt")});
        const QString uri = QUrl::fromLocalFile(tree.path("dir ä/f 1.txt")).toString(QUrl::FullyEncoded);
        if (serviceRuns) {
            QTRY_COMPARE(standIn.shown, (QList<QStringList>{{uri}, {uri}}));
            QCOMPARE(opens.paths, QStringList());
        } else {
            QTRY_COMPARE(opens.paths, QStringList{tree.path("dir ä")});
            FilePropertiesDialog *dialog = nullptr;
            QTRY_VERIFY((dialog = propertiesDialog()));
            QTRY_COMPARE(dialog->field(QStringLiteral("size")), QStringLiteral("0 B"));
            QCOMPARE(dialog->field(QStringLiteral("name")), QStringLiteral("f 1.txt"));
            QCOMPARE(dialog->field(QStringLiteral("folder")), tree.path("dir ä"));
            delete dialog;
        }
        connection.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
        QDBusConnection::disconnectFromBus(QStringLiteral("standIn"));
    }

    void menus_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("deleteVerbs");
        QTest::newRow("one file") << 1
                                  << QStringList{"Open file location", "Copy full name", "", "&Open", "Open &With", "",
                                                 "Cu&t", "&Copy", "", "&Rename...", "Move to T&rash", "&Delete", "",
                                                 "&Properties"}
                                  << QList<int>{ShellContextMenu::MoveToTrashCommand, ShellContextMenu::DeleteCommand};
        QTest::newRow("several files") << 2 << QStringList{"Cu&t", "&Copy", "&Delete", "", "&Properties"}
                                       << QList<int>{ShellContextMenu::DeleteCommand};
    }

    void menus()
    {
        QFETCH(int, files);
        TempTree tree({"a.txt", "b.txt"});
        const QStringList paths = QStringList{tree.path("a.txt"), tree.path("b.txt")}.mid(0, files);
        ShellContextMenu menu(nullptr, paths);
        QStringList texts;
        QList<int> deleteVerbs;
        for (QAction *action : menu.menu()->actions()) {
            texts.append(action->text());
            if (action->property("verb").toString() == QLatin1String("delete"))
                deleteVerbs.append(action->data().toInt());
        }
        QTEST(texts, "texts");
        QTEST(deleteVerbs, "deleteVerbs");
        if (files > 1)
            return;
        QVERIFY(!entry(menu.menu(), ShellContextMenu::RenameCommand)->isEnabled());
        QVERIFY(!menu.run(entry(menu.menu(), ShellContextMenu::CopyFullNameCommand)));
        QCOMPARE(QGuiApplication::clipboard()->text(), paths.first());
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
        QTRY_COMPARE(QString::fromUtf8(TestFiles::read(m_recorded)), tree.path("note 1.txt"));
    }

    void rootHandsOver_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("errand");
        QTest::newRow("open with") << int(ShellContextMenu::FirstOpenWithCommand) << int(SessionErrand::OpenWith);
        QTest::newRow("move to trash") << int(ShellContextMenu::MoveToTrashCommand)
                                       << int(SessionErrand::MoveToTrash);
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
        WindowTest::RecordedOpens opens;
        WindowTest::RecordedMessages messages;
        TempTree tree({"n.txt"});
        ShellContextMenu menu(nullptr, {tree.path("n.txt")});
        menu.run(entry(menu.menu(), command));
        QCOMPARE(errands, QList<int>{errand});
        QCOMPARE(arguments.last(), tree.path("n.txt"));
        QCOMPARE(opens.paths, QStringList());
        // The stand-in moved nothing: what is still there is said so.
        QVERIFY(QFileInfo::exists(tree.path("n.txt")));
        QCOMPARE(messages.reports.size(), errand == int(SessionErrand::MoveToTrash) ? 1 : 0);
    }

    // A root instance acting for a user hands errands and the user's files to the user's companion.
    void companionTakesErrandsAndFiles()
    {
        QVERIFY(!openWithShell(nullptr, QString(), QString()));
        if (::geteuid() != 0)
            QSKIP("only root acts for another user");
        QStringList received;
        MessageListenWidget::setSessionErrandHandler([&](quint64 kind, const QString &text) {
            received.append(QString::number(kind) + QLatin1Char(':') + text);
            return true;
        });
        const QString folder = QDir::tempPath() + "/talvenquist-65534";
        const bool folderExisted = QDir(folder).exists();
        qputenv("PKEXEC_UID", "65534");
        Companion companion;
        QVERIFY(companion.listening);
        QSignalSpy opened(companion.widget, &MessageListenWidget::openFileRequested);
        installCompanionHandOver();
        ShellUtils::showFileLocation(nullptr, QStringLiteral("/x y/ä"));
        const bool handed = openWithShell(nullptr, "/srv/Reports/Q3 summary.odt", QString());
        companion.stop();
        qunsetenv("PKEXEC_UID");
        MessageListenWidget::setSessionErrandHandler(nullptr);
        if (!folderExisted)
            QDir(folder).removeRecursively();
        QCOMPARE(received, QStringList{"3:file:///x%20y/%C3%A4"});
        QVERIFY(handed);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toString(), QStringLiteral("/srv/Reports/Q3 summary.odt"));
    }
};

QTEST_MAIN(ShellUtilsTest)
#include "ShellUtilsTest.moc"
