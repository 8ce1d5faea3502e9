// The window on the index service, as a user meets it: the role chosen at
// start, the index label following the service as it stops and returns,
// searches that walk in between, and the Indexing page fed by the service.
// The service runs over a loop-mounted volume on a socket of the test's own;
// that needs root (fanotify, the mount), so the service's part is skipped
// otherwise.

#include "WindowTestSupport.h"

#include "base/DataPaths.h"
#include "base/MetaTypes.h"
#include "indexproto/IndexProtocol.h"
#include "indexproto/IndexServiceClient.h"
#include "indexproto/ServiceState.h"
#include "query/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "support/TestFiles.h"
#include "platform/linux/LocalStream.h"
#include "platform/linux/NTFSUtils.h"
#include "session/IndexServiceAdmin.h"
#include "support/LoopMount.h"
#include "ui/FileTable.h"
#include "ui/FileTableView.h"
#include "ui/IndexSource.h"
#include "ui/InstantToolBar.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowActions.h"
#include "ui/OptionsDialog.h"
#include "ui/RichComboBox.h"
#include "ui/TabPage.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QThread>

#include <csignal>
#include <thread>
#include <unistd.h>

class MainWindowServiceTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<LoopMount> m_volume;
    QString m_socket;
    QProcess m_service;

    bool startService()
    {
        m_service.setProgram(QStringLiteral(TVQ_INDEXD_BINARY));
        m_service.setArguments({QStringLiteral("--socket"), m_socket, QStringLiteral("--state-dir"),
                                m_dir.filePath(QStringLiteral("state")), QStringLiteral("--config"),
                                m_dir.filePath(QStringLiteral("indexing.ini"))});
        m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_service.start();
        return m_service.waitForStarted();
    }

    void stopService()
    {
        ::kill(pid_t(m_service.processId()), SIGTERM);
        m_service.waitForFinished(30000);
    }

    static QString indexLabel(MainWindow &window)
    {
        return WindowTest::child<QLabel>(&window, "indexLabel")->text();
    }

    static bool searchFor(MainWindow &window, const QString &text)
    {
        QLineEdit *field = window.instantToolBar()->nameComboBox()->lineEdit();
        field->clear();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        return QTest::qWaitFor([&] { return window.tabStatusText().startsWith(QStringLiteral("Found:")); }, 30000);
    }

    static QStringList foundNames(MainWindow &window)
    {
        QStringList names;
        const FileSearchResults &results = *window.currentTab()->results();
        for (int row = 0; row < results.count(); ++row)
            names << QFileInfo(results.fullPath(row)).fileName();
        names.sort();
        return names;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        WindowTest::pinLocale();
        registerMetaTypes();
        Settings::instance(DataPaths::settingsFilePath());
        m_socket = m_dir.filePath(QStringLiteral("index.socket"));
        qputenv("TALVENQUIST_INDEX_SOCKET", QFile::encodeName(m_socket));
    }

    void cleanupTestCase()
    {
        if (m_service.state() != QProcess::NotRunning)
            stopService();
    }

    // A service left running by an update speaks the protocol of the version
    // before: the window says so, and how to mend it, instead of asking to
    // turn on what runs. Any user may run this one.
    void aServiceOfAnotherVersionIsToldApart()
    {
        const QString socket = m_dir.filePath(QStringLiteral("older.socket"));
        const FileDescriptor listener = LocalStream::listen(socket);
        QVERIFY(listener.isValid());
        std::thread older([fd = listener.get()] {
            const QByteArray welcome = IndexProtocol::frame(
                IndexProtocol::Welcome, IndexProtocol::helloBody(IndexProtocol::kMagic, IndexProtocol::kVersion - 1));
            for (;;) {
                const FileDescriptor peer = LocalStream::accept(fd);
                if (!peer.isValid())
                    return;
                // The client's Hello first, as a service takes it.
                char hello[64];
                if (LocalStream::receive(peer.get(), hello, sizeof hello, 5000) > 0)
                    LocalStream::sendAll(peer.get(), welcome.constData(), welcome.size(), 5000);
            }
        });
        qputenv("TALVENQUIST_INDEX_SOCKET", QFile::encodeName(socket));
        {
            MainWindow window({QStringLiteral("talvenquist")}, FileSearcher::UseIndexService);
            // Watched as it is shown: a status tip under the pointer may wipe it.
            QSignalSpy shown(window.statusBar(), &QStatusBar::messageChanged);
            QTRY_COMPARE_WITH_TIMEOUT(indexLabel(window), QStringLiteral("Index: service not running"), 10000);
            QStringList messages;
            for (const QList<QVariant> &message : qAsConst(shown))
                messages << message.value(0).toString();
            QVERIFY2(messages.contains(QStringLiteral("The index service is of another version of Talvenquist: searches "
                                                      "walk folders. Restart it (systemctl restart talvenquist-indexd).")),
                     qPrintable(messages.join(QLatin1Char('|'))));
        }
        qputenv("TALVENQUIST_INDEX_SOCKET", QFile::encodeName(m_socket));
        LocalStream::shutdown(listener.get());
        older.join();
    }

    // Without a service a root start keeps its own index and a user's walks
    // while it waits for the service; with one, every start asks it.
    void roleFollowsTheService()
    {
        bool answers = true;
        const int without = IndexSource::choose({QStringLiteral("talvenquist")}, &answers);
        QVERIFY(!answers);
        QCOMPARE(without, ::geteuid() == 0 ? int(FileSearcher::UseIndex) : int(FileSearcher::UseIndexService));
        QCOMPARE(IndexSource::choose({QStringLiteral("talvenquist"), QStringLiteral("-no-elevation")}, &answers),
                 int(FileSearcher::UseIndexService));
        if (::geteuid() != 0)
            QSKIP("the service needs root (fanotify, a loop-mounted volume)");
        m_volume = std::make_unique<LoopMount>(QStringLiteral("ext4"));
        if (!m_volume->isMounted())
            QSKIP(qPrintable(m_volume->skipReason()));
        QVERIFY(TestFiles::write(m_volume->mountPoint() + QStringLiteral("/svc-needle-one.txt"), "x"));
        QDir().mkpath(m_volume->mountPoint() + QStringLiteral("/sub"));
        QVERIFY(TestFiles::write(m_volume->mountPoint() + QStringLiteral("/sub/svc-needle-two.txt"), "x"));
        {
            QSettings config(m_dir.filePath(QStringLiteral("indexing.ini")), QSettings::IniFormat);
            config.setValue(QStringLiteral("IndexDrives"), QString(volumeOfPath(m_volume->mountPoint()).key));
            config.setValue(QStringLiteral("AutoAddFixed"), false);
        }
        QVERIFY(startService());
        QVERIFY(QTest::qWaitFor([&] { return IndexServiceClient().open(m_socket, 200); }, 20000));
        QCOMPARE(IndexSource::choose({QStringLiteral("talvenquist")}, &answers), int(FileSearcher::UseIndexService));
        QVERIFY(answers);
    }

    void labelAndSearchesFollowTheService()
    {
        if (m_service.state() != QProcess::Running)
            QSKIP("no service (see roleFollowsTheService)");
        MainWindow window({QStringLiteral("talvenquist")}, FileSearcher::UseIndexService);
        QTRY_COMPARE_WITH_TIMEOUT(indexLabel(window), QStringLiteral("Index: ready"), 20000);
        QVERIFY(searchFor(window, QStringLiteral("svc-needle")));
        QCOMPARE(foundNames(window), (QStringList{QStringLiteral("svc-needle-one.txt"), QStringLiteral("svc-needle-two.txt")}));
        // The service's index is quick enough to search as the name is typed.
        QLineEdit *field = window.instantToolBar()->nameComboBox()->lineEdit();
        field->clear();
        QTest::keyClicks(field, QStringLiteral("svc-needle-o"));
        QTRY_COMPARE_WITH_TIMEOUT(foundNames(window), QStringList{QStringLiteral("svc-needle-one.txt")}, 10000);

        // Gone: the label says so, typing no longer starts a walk, and a
        // search walks the home folder.
        stopService();
        QTRY_COMPARE_WITH_TIMEOUT(indexLabel(window), QStringLiteral("Index: service not running"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(window.currentTab()->state(), TabPage::Finished, 10000);
        field->clear();
        QTest::keyClicks(field, QStringLiteral("svc-needle-h"));
        QCOMPARE(window.currentTab()->state(), TabPage::Finished);
        QVERIFY(TestFiles::write(QDir::homePath() + QStringLiteral("/svc-needle-home.txt"), "x"));
        QVERIFY(searchFor(window, QStringLiteral("svc-needle")));
        QCOMPARE(foundNames(window), QStringList{QStringLiteral("svc-needle-home.txt")});

        // Back within seconds of the service's return, without a restart of the window.
        QVERIFY(startService());
        QVERIFY(QTest::qWaitFor([&] {
            IndexServiceClient client;
            ServiceState state;
            return client.open(m_socket, 200) && client.state(&state) && state.phase == ServiceState::Ready;
        }, 30000));
        QTRY_COMPARE_WITH_TIMEOUT(indexLabel(window), QStringLiteral("Index: ready"), 5000);
        QVERIFY(searchFor(window, QStringLiteral("svc-needle-t")));
        QCOMPARE(foundNames(window), QStringList{QStringLiteral("svc-needle-two.txt")});
        QFile::remove(QDir::homePath() + QStringLiteral("/svc-needle-home.txt"));
    }

    // What the window's pkexec runs when settings change: the root process
    // hands them to the service, which replaces its config whole and takes
    // the new settings up at once.
    void settingsSwitchRewritesTheServiceConfig()
    {
        if (m_service.state() != QProcess::Running)
            QSKIP("no service (see roleFollowsTheService)");
        const QString config = m_dir.filePath(QStringLiteral("indexing.ini"));
        IndexingSettings settings;
        settings.indexDrives = {volumeOfPath(m_volume->mountPoint()).key};
        settings.autoAddFixed = false;
        settings.excludePaths = QStringList{m_volume->mountPoint() + QStringLiteral("/sub")};
        QProcess program;
        program.start(QStringLiteral(TVQ_PROGRAM), IndexServiceAdmin::settingsArguments(settings));
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QSettings(config, QSettings::IniFormat).value(QStringLiteral("ExcludePaths/1/path")).toString().endsWith(QStringLiteral("/sub")));
        QStringList leftovers = QDir(m_dir.path()).entryList({QStringLiteral("indexing.ini?*")}, QDir::Files);
        QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QLatin1Char(' '))));
        QVERIFY(QTest::qWaitFor([&] {
            IndexServiceClient client;
            ServiceState state;
            return client.open(m_socket, 500) && client.state(&state) && state.phase == ServiceState::Ready
                && state.settings.excludePaths == settings.excludePaths;
        }, 20000));
    }

    // The Indexing page shows the service's volumes and counts to any user;
    // nothing is asked of the administrator when nothing changed.
    void indexingPageIsFedByTheService()
    {
        if (m_service.state() != QProcess::Running)
            QSKIP("no service (see roleFollowsTheService)");
        MainWindow window({QStringLiteral("talvenquist")}, FileSearcher::UseIndexService);
        QTRY_COMPARE_WITH_TIMEOUT(indexLabel(window), QStringLiteral("Index: ready"), 20000);
        WindowTest::onNextModal<OptionsDialog>(&window, [&](OptionsDialog *dialog) {
            dialog->setCurrentPage(OptionsDialog::IndexingPage);
            auto *table = WindowTest::child<QTableWidget>(dialog->findChild<QWidget *>(QStringLiteral("OptionsIndexing")), "tableWidget");
            const QString mountPoint = m_volume->mountPoint();
            int row = -1;
            for (int at = 0; at < table->rowCount(); ++at) {
                if (table->item(at, 0)->text() == mountPoint)
                    row = at;
            }
            QVERIFY2(row >= 0, "the indexed volume is listed");
            QCOMPARE(table->item(row, 0)->checkState(), Qt::Checked);
            QCOMPARE(table->item(row, 1)->text(), QStringLiteral("ext4"));
            // The volume's root, a folder and two files, as the service counts them.
            QVERIFY(table->item(row, 2)->text().toInt() >= 3);
            auto *service = WindowTest::child<QCheckBox>(dialog, "serviceCheckBox");
            QVERIFY(service->isChecked());
            QVERIFY(!WindowTest::child<QLineEdit>(dialog, "dbPathLineEdit")->isVisibleTo(dialog));
            dialog->accept();
        });
        QSignalSpy asked(window.findChild<QObject *>(QStringLiteral("indexServiceAdmin")), SIGNAL(finished(bool, QString)));
        window.actions()->actionOptions->trigger();
        QVERIFY(!asked.wait(500));
    }

    // A sort that has to ask (over 1,000 rows, by Path here, as a window
    // keeps from an earlier run) does not ask while the name is typed: a
    // question box would take the next keys. It asks once typing pauses.
    void typedSearchesAskToSortOnceTypingPauses()
    {
        if (m_service.state() != QProcess::Running)
            QSKIP("no service (see roleFollowsTheService)");
        const int count = 1100;
        const QString root = m_volume->mountPoint();
        for (int i = 0; i < count; ++i) {
            // Every other name in a folder that sorts last by path.
            const QString folder = i % 2 ? QStringLiteral("/aq/") : QStringLiteral("/zq/");
            QVERIFY(TestFiles::write(root + folder + QStringLiteral("typed-sort-%1").arg(i, 4, 10, QLatin1Char('0')), ""));
        }
        // The sort by Path is kept in the settings as the user's.
        Settings *settings = Settings::instance();
        const QVariant sortColumn = settings->value(Settings::SortColumn);
        const auto restore = qScopeGuard([&] { settings->setValue(Settings::SortColumn, sortColumn); });
        settings->setValue(Settings::SortColumn, int(FileSearchResults::Path));
        MainWindow window({QStringLiteral("talvenquist")}, FileSearcher::UseIndexService);
        QTRY_COMPARE_WITH_TIMEOUT(indexLabel(window), QStringLiteral("Index: ready"), 20000);
        TabPage *tab = window.currentTab();
        FileTableView *view = tab->table()->view();
        int asked = 0;
        bool agree = true;
        view->setSortConfirmation([&](QWidget *, int) {
            ++asked;
            return agree;
        });
        // The service takes the new files up as they come.
        QVERIFY(QTest::qWaitFor([&] { return searchFor(window, QStringLiteral("typed-sort")) && tab->results()->count() == count; }, 20000));
        QVERIFY(asked > 0);

        QLineEdit *field = window.instantToolBar()->nameComboBox()->lineEdit();
        for (bool agreed : {true, false}) {
            agree = agreed;
            asked = 0;
            field->clear();
            QSignalSpy paused(window.instantToolBar(), &InstantToolBar::typingPaused);
            // Each key's search ends before the next key, as on a quick index.
            for (const QChar c : QStringLiteral("typed-sort")) {
                QSignalSpy ended(tab, &TabPage::searchEnded);
                QTest::keyClick(field, c.toLatin1());
                QVERIFY(ended.wait(10000));
                QCOMPARE(asked, 0);
            }
            QCOMPARE(paused.count(), 0);
            QCOMPARE(field->text(), QStringLiteral("typed-sort"));
            QVERIFY(paused.wait(5000));
            QCOMPARE(asked, 1);
            QTRY_VERIFY_WITH_TIMEOUT(!tab->table()->isSorting(), 10000);
            // Sorted by path if agreed to, else left as they came with no
            // sort shown; either way the first row is chosen.
            QCOMPARE(view->horizontalHeader()->sortIndicatorSection(), agreed ? int(FileSearchResults::Path) : -1);
            if (agreed) {
                QVERIFY(tab->table()->fullPath(0).startsWith(root + QStringLiteral("/aq/")));
                QVERIFY(tab->table()->fullPath(count - 1).startsWith(root + QStringLiteral("/zq/")));
            }
            QCOMPARE(view->currentIndex().row(), 0);
        }
    }
};

QTEST_MAIN(MainWindowServiceTest)
#include "MainWindowServiceTest.moc"
