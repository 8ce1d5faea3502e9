#include "search/FileSearchResults.h"
#include "support/TempTree.h"
#include "support/UnprivilegedUser.h"
#include "ui/FilePropertiesDialog.h"
#include "ui/FileTable.h"
#include "ui/FileTableModel.h"
#include "ui/FileTableView.h"
#include "ui/SessionHandOver.h"
#include "ui/ShellOpen.h"
#include "ui/ShellUtils.h"

#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

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

class ShellUtilsTest : public QObject
{
    Q_OBJECT

private:
    QProcess m_bus;
    QTemporaryDir m_busDir;
    QStringList m_questions;
    QStringList m_reports;
    QStringList m_opened;
    bool m_answer = true;

    // A tree whose folders anyone may change, so that the user "nobody"
    // meets only the permissions a test sets.
    static void openUp(const TempTree &tree)
    {
        QFile::setPermissions(tree.path(), QFile::Permissions(0x7777));
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ShellUtils::setQuestion([this](QWidget *, const QString &text) {
            m_questions.append(text);
            return m_answer;
        });
        ShellUtils::setReport([this](QWidget *, const QString &text) { m_reports.append(text); });
        setShellOpener([this](QWidget *, const QString &path, const QString &) {
            m_opened.append(path);
            return true;
        });
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            return;
        // A bus of our own that activates nothing, so no real file manager
        // answers in place of the stand-in.
        QFile config(m_busDir.filePath(QStringLiteral("bus.conf")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("<busconfig><type>session</type><listen>unix:tmpdir=%1</listen><auth>EXTERNAL</auth>"
                                    "<policy context=\"default\"><allow send_destination=\"*\"/><allow receive_sender=\"*\"/><allow own=\"*\"/>"
                                    "</policy></busconfig>")
                         .arg(m_busDir.path())
                         .toUtf8());
        config.close();
        m_bus.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--nofork"),
                     QStringLiteral("--print-address")});
        QVERIFY(m_bus.waitForReadyRead());
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

    void cleanupTestCase()
    {
        m_bus.kill();
        m_bus.waitForFinished();
    }

    void init()
    {
        m_questions.clear();
        m_reports.clear();
        m_opened.clear();
        m_answer = true;
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
        QTEST(data->data("x-special/mate-copied-files"), "copiedFiles");
        QTEST(data->data("application/x-kde-cutselection"), "cutMark");
        QCOMPARE(data->text(), paths.join(QLatin1Char('\n')));
    }

    void deleteAsked_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("declined") << false;
        QTest::newRow("confirmed") << true;
    }

    // Through the table: the rows of what was deleted go, the others stay.
    void deleteAsked()
    {
        QFETCH(bool, answer);
        m_answer = answer;
        TempTree tree({"a.txt", "tree/sub/deep.txt", "tree/.hidden", "kept.txt"});
        QVERIFY(QFile::link(tree.path("kept.txt"), tree.path("tree/link")));
        FileSearchResults results;
        for (const char *name : {"a.txt", "tree", "kept.txt"})
            results.addFile(QString::fromLatin1(name), tree.path(), 0);
        FileTable table;
        table.setResults(nullptr, &results, {});
        table.view()->selectRow(0);
        table.view()->selectionModel()->select(table.model()->index(1, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        table.view()->deleteSelected();
        QCOMPARE(m_questions.size(), 1);
        QVERIFY(m_questions.first().contains(QLatin1String("2 item")));
        QCOMPARE(QFileInfo::exists(tree.path("a.txt")), !answer);
        QCOMPARE(QFileInfo::exists(tree.path("tree")), !answer);
        QVERIFY(QFileInfo::exists(tree.path("kept.txt")));
        QCOMPARE(table.model()->rowCount(), answer ? 1 : 3);
        QCOMPARE(m_reports, QStringList());
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
        QCOMPARE(m_reports.size(), 1);
        QVERIFY2(m_reports.first().contains(tree.path("locked/inner.txt")), qPrintable(m_reports.first()));
        QCOMPARE(table.model()->rowCount(), toTrash ? 2 : 1);
        QCOMPARE(table.model()->index(table.model()->rowCount() - 1, 0).data(Qt::UserRole).toString(),
                 tree.path("locked/inner.txt"));
        if (!toTrash)
            QVERIFY(m_reports.first().contains(QLatin1String("Permission denied")));
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
        if (handedOver) {
            // As the companion would: the errand crosses as text and runs on
            // a GUI thread while the sender waits.
            setSessionHandOver([&](SessionErrand errand, const QStringList &arguments) {
                errands.append(errand);
                bool done = false;
                QMetaObject::invokeMethod(
                    qApp,
                    [&] {
                        done = ShellUtils::performSessionErrand(
                            errand, sessionErrandArguments(errand, sessionErrandText(errand, arguments)));
                    },
                    Qt::BlockingQueuedConnection);
                return done;
            });
        }
        TempTree tree({"x y.txt"}, QDir::homePath());
        const QString name = QFileInfo(tree.path()).fileName() + QStringLiteral("-x y.txt");
        QVERIFY(QFile::rename(tree.path("x y.txt"), tree.path(name)));
        QStringList removed;
        QVERIFY(ShellUtils::moveFilesToTrash(nullptr, {tree.path(name)}, &removed));
        QCOMPARE(removed, QStringList{tree.path(name)});
        const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
        QVERIFY(QFileInfo::exists(trash + "/files/" + name));
        QFile info(trash + "/info/" + name + ".trashinfo");
        QVERIFY(info.open(QIODevice::ReadOnly));
        QVERIFY(info.readAll().contains("Path=" + QUrl::toPercentEncoding(tree.path(name), "/")));
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
        QVERIFY(uri.contains(QLatin1String("dir%20%C3%A4/f%201.txt")));
        if (serviceRuns) {
            QTRY_COMPARE(standIn.shown, (QList<QStringList>{{uri}, {uri}}));
            QCOMPARE(m_opened, QStringList());
        } else {
            QTRY_COMPARE(m_opened, QStringList{tree.path("dir ä")});
            FilePropertiesDialog *dialog = nullptr;
            QTRY_VERIFY((dialog = qApp->findChild<FilePropertiesDialog *>()) || topLevelDialog(&dialog));
            QTRY_COMPARE(dialog->field(QStringLiteral("size")), QStringLiteral("0 B"));
            QCOMPARE(dialog->field(QStringLiteral("name")), QStringLiteral("f 1.txt"));
            QCOMPARE(dialog->field(QStringLiteral("folder")), tree.path("dir ä"));
            QVERIFY(dialog->field(QStringLiteral("permissions")).startsWith(QLatin1String("rw")));
            delete dialog;
        }
        connection.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
        QDBusConnection::disconnectFromBus(QStringLiteral("standIn"));
    }

    void errandText_data()
    {
        QTest::addColumn<int>("errand");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("files with a line feed") << int(SessionErrand::MoveToTrash)
                                                << QStringList{"/a/line\nfeed", "/b/%20 ü"};
        QTest::newRow("application and file") << int(SessionErrand::OpenWith)
                                              << QStringList{"org.example.Viewer.desktop", "/c/d e"};
    }

    void errandText()
    {
        QFETCH(int, errand);
        QFETCH(QStringList, arguments);
        const auto kind = SessionErrand(errand);
        const QString text = sessionErrandText(kind, arguments);
        QCOMPARE(text.count(QLatin1Char('\n')), arguments.size() - 1);
        QCOMPARE(sessionErrandArguments(kind, text), arguments);
    }

private:
    static bool topLevelDialog(FilePropertiesDialog **dialog)
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if ((*dialog = qobject_cast<FilePropertiesDialog *>(widget)))
                return true;
        }
        return false;
    }
};

QTEST_MAIN(ShellUtilsTest)
#include "ShellUtilsTest.moc"
