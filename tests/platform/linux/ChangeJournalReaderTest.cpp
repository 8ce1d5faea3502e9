#include "TestVolume.h"
#include "TreeModel.h"

#include "app/Logger.h"
#include "platform/linux/ChangeJournal.h"
#include "platform/linux/ChangeJournalReader.h"
#include "platform/linux/JournalState.h"
#include "search/FileSearchException.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

#include <future>
#include <memory>

namespace {

void makeFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY2(fd >= 0, qPrintable(path));
    ::close(fd);
}

quint64 inodeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

void makeTree(const TestVolume &volume, const QStringList &folders, const QStringList &files)
{
    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(volume.path(folder)));
    for (const QString &file : files)
        makeFile(volume.path(file));
}

// A chain of folders deeper than the walks keep descriptors open for.
QString deepChain()
{
    QStringList parts{QStringLiteral("chain")};
    for (int i = 0; i < 200; ++i)
        parts << QStringLiteral("d");
    return parts.join(QLatin1Char('/'));
}

void connectModel(ChangeJournalReader &reader, TreeModel &model)
{
    QObject::connect(&reader, &ChangeJournalReader::fileAdded, &model, &TreeModel::onFileAdded, Qt::DirectConnection);
    QObject::connect(&reader, &ChangeJournalReader::fileRenamed, &model, &TreeModel::onFileRenamed,
                     Qt::DirectConnection);
    QObject::connect(&reader, &ChangeJournalReader::fileDeleted, &model, &TreeModel::onFileDeleted,
                     Qt::DirectConnection);
}

QString kinds(const QVector<TreeModel::Event> &events, FRN frn)
{
    QString out;
    for (const TreeModel::Event &e : events) {
        if (e.frn == frn)
            out += QLatin1Char(e.kind);
    }
    return out;
}

// Lines of the process log that contain `text`.
int logLines(const QString &logPath, const QString &text)
{
    QFile file(logPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    const QString log = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2);
    return log.count(text);
}

#define VERIFY_SAME_AS_DISK(model, volume)                                                             \
    do {                                                                                              \
        const QStringList diff = TreeModel::differences(TreeModel::scan((volume).root()), (model).records()); \
        QVERIFY2(diff.isEmpty(), qPrintable(diff.join(QLatin1Char('\n'))));                           \
    } while (false)

// Runs a monitor on the volume's thread, applying to a model of what is on
// disk now; the model is also what a replay compares with.
void startMonitor(ChangeJournal &journal, TreeModel &model, const TestVolume &volume)
{
    auto *reader = new ChangeJournalReader(volume.key());
    reader->setReplaySource(&model);
    connectModel(*reader, model);
    model.reset(TreeModel::scan(volume.root()));
    journal.setReader(volume.key(), reader);
    journal.start(reader->coveredFrom());
}

// The file system of the current data row, mounted, or a skip saying why.
#define OPEN_ROW_VOLUME(volume)                                                                       \
    QFETCH(QString, kind);                                                                            \
    TestVolume volume(kind);                                                                          \
    if (!(volume).isReady())                                                                          \
        QSKIP(qPrintable((volume).skipReason()))

} // namespace

class ChangeJournalReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void liveChanges_data();
    void liveChanges();
    void bulk_data();
    void bulk();
    void replay_data();
    void replay();
    void replayFromTheFuture();
    void overflow_data();
    void overflow();
    void stopWhileBlocked();
    void queryJournal();
    void queryFailure();

private:
    void addFileSystems();
    QTemporaryDir m_logDir;
    QString m_logPath;
};

void ChangeJournalReaderTest::initTestCase()
{
    if (::geteuid() != 0)
        QSKIP("needs root: fanotify file-system marks and loop mounts");
    m_logPath = m_logDir.filePath(QStringLiteral("log.txt"));
    Logger::instance(m_logPath);
}

void ChangeJournalReaderTest::addFileSystems()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"ext4", "xfs", "btrfs", "btrfs-subvolume"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void ChangeJournalReaderTest::liveChanges_data()
{
    addFileSystems();
}

void ChangeJournalReaderTest::liveChanges()
{
    OPEN_ROW_VOLUME(volume);
    makeTree(volume, {"a/sub/deep", "b", "c/c1/c2"},
             {"a/f1", "a/f2", "a/f4", "a/sub/deep/s", "b/f3", "b/victim", "c/x", "c/c1/y", "c/c1/c2/z"});
    makeTree(volume, {deepChain()}, {});
    ChangeJournalReader reader(volume.key());
    QCOMPARE(reader.watchesEveryDirectory(), kind == QLatin1String("btrfs-subvolume"));
    TreeModel model;
    model.reset(TreeModel::scan(volume.root()));
    reader.setReplaySource(&model);
    connectModel(reader, model);
    const FRN f1 = inodeOf(volume.path("a/f1")), f2 = inodeOf(volume.path("a/f2"));
    const FRN f4 = inodeOf(volume.path("a/f4")), sub = inodeOf(volume.path("a/sub"));
    const FRN f3 = inodeOf(volume.path("b/f3")), victim = inodeOf(volume.path("b/victim"));
    const FRN c = inodeOf(volume.path("c")), c2 = inodeOf(volume.path("c/c1/c2"));

    makeFile(volume.path(QStringLiteral("a/new file \u00fc\u4e2d.txt")));
    makeFile(volume.path(deepChain() + QStringLiteral("/at the bottom")));
    QVERIFY(QDir().mkpath(volume.path("a/newdir/n1/n2")));   // filled before it can be watched
    makeFile(volume.path("a/newdir/n1/n2/inner"));
    QCOMPARE(::rename(QFile::encodeName(volume.path("a/f1")), QFile::encodeName(volume.path("a/f1 renamed"))), 0);
    QCOMPARE(::rename(QFile::encodeName(volume.path("a/f2")), QFile::encodeName(volume.path("b/f2"))), 0);
    QCOMPARE(::rename(QFile::encodeName(volume.path("a/sub")), QFile::encodeName(volume.path("b/sub moved"))), 0);
    QCOMPARE(::rename(QFile::encodeName(volume.path("a/f4")), QFile::encodeName(volume.path("b/victim"))), 0);
    QCOMPARE(::unlink(QFile::encodeName(volume.path("b/f3"))), 0);
    QVERIFY(QDir(volume.path("c")).removeRecursively());
    makeFile(volume.path("a/tmp"));
    const FRN tmp = inodeOf(volume.path("a/tmp"));
    QCOMPARE(::unlink(QFile::encodeName(volume.path("a/tmp"))), 0);

    const USN position = reader.read(reader.coveredFrom(), /*wait=*/false);
    VERIFY_SAME_AS_DISK(model, volume);
    const QVector<TreeModel::Event> events = model.events();
    QCOMPARE(kinds(events, f1), QStringLiteral("R"));
    QCOMPARE(kinds(events, f2), QStringLiteral("R"));
    QCOMPARE(kinds(events, sub), QStringLiteral("R"));
    QCOMPARE(kinds(events, f4), QStringLiteral("R"));
    QCOMPARE(kinds(events, victim), QStringLiteral("D"));
    QCOMPARE(kinds(events, f3), QStringLiteral("D"));
    QCOMPARE(kinds(events, c), QStringLiteral("D"));
    QCOMPARE(kinds(events, c2), QStringLiteral("D"));
    QVERIFY2(kinds(events, tmp).contains(QLatin1String("AD")), qPrintable(kinds(events, tmp)));
    QVERIFY(position > reader.coveredFrom() && position <= currentUsn());
    QCOMPARE(events.last().usn, position);
}

void ChangeJournalReaderTest::bulk_data()
{
    addFileSystems();
}

// 100,000 files created and deleted while the monitor thread follows: every
// one must reach the receiver, through the live queue or, where the queue
// overflows, through the resynchronisation.
void ChangeJournalReaderTest::bulk()
{
    QFETCH(QString, kind);
    const bool ext4 = kind == QLatin1String("ext4");
    TestVolume volume(kind, 512, ext4 ? QStringList{QStringLiteral("-N"), QStringLiteral("120000")} : QStringList());
    if (!volume.isReady())
        QSKIP(qPrintable(volume.skipReason()));
    TreeModel model;
    ChangeJournal journal;
    startMonitor(journal, model, volume);
    const int baseline = model.records().size();

    constexpr int kFolders = 100;
    constexpr int kFilesPerFolder = 1000;
    for (int d = 0; d < kFolders; ++d) {
        const QString folder = volume.path(QStringLiteral("bulk%1").arg(d));
        QVERIFY(QDir().mkdir(folder));
        for (int f = 0; f < kFilesPerFolder; ++f)
            makeFile(folder + QStringLiteral("/file %1").arg(f));
    }
    const int expected = baseline + kFolders * (kFilesPerFolder + 1);
    QTRY_COMPARE_WITH_TIMEOUT(model.records().size(), expected, 120000);
    VERIFY_SAME_AS_DISK(model, volume);

    for (int d = 0; d < kFolders; ++d)
        QVERIFY(QDir(volume.path(QStringLiteral("bulk%1").arg(d))).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(model.records().size(), baseline, 120000);
    VERIFY_SAME_AS_DISK(model, volume);
    journal.stop();
}

void ChangeJournalReaderTest::replay_data()
{
    addFileSystems();
}

// Changes made while nothing watched are found from a saved position and
// reported exactly: one report per object that differs, none for the rest.
void ChangeJournalReaderTest::replay()
{
    OPEN_ROW_VOLUME(volume);
    makeTree(volume, {"keep/deep1/deep2/deep3", "moveme/inner", "gone/g1", "src", "dst"},
             {"keep/k1", "keep/deep1/deep2/deep3/d", "moveme/inner/m", "gone/g1/x", "gone/y", "gone/escapee",
              "src/s1", "src/s2", "src/s3", "dst/existing"});
    makeTree(volume, {deepChain()}, {});
    TreeModel model;
    model.reset(TreeModel::scan(volume.root()));
    const TreeModel::Records before = model.records();
    // Let the times of the untouched folders fall behind the replay's margin,
    // so that the walk must find the deep change below unchanged ancestors.
    QTest::qSleep(6000);
    const USN saved = currentUsn();

    makeFile(volume.path("keep/deep1/deep2/deep3/new deep"));
    makeFile(volume.path(deepChain() + QStringLiteral("/at the bottom")));
    QCOMPARE(::rename(QFile::encodeName(volume.path("src/s1")), QFile::encodeName(volume.path("src/s1 renamed"))), 0);
    QCOMPARE(::rename(QFile::encodeName(volume.path("src/s2")), QFile::encodeName(volume.path("dst/s2"))), 0);
    QCOMPARE(::unlink(QFile::encodeName(volume.path("src/s3"))), 0);
    QCOMPARE(::rename(QFile::encodeName(volume.path("moveme")), QFile::encodeName(volume.path("dst/moved"))), 0);
    QCOMPARE(::rename(QFile::encodeName(volume.path("gone/escapee")), QFile::encodeName(volume.path("keep/escapee"))), 0);
    QVERIFY(QDir(volume.path("gone")).removeRecursively());
    QVERIFY(QDir().mkpath(volume.path("fresh/f1")));
    makeFile(volume.path("fresh/f1/ff"));
    const TreeModel::Records after = TreeModel::scan(volume.root());
    const int walkWarnings = logLines(m_logPath, QStringLiteral("moved during the walk"));

    ChangeJournalReader reader(volume.key());
    reader.setReplaySource(&model);
    connectModel(reader, model);
    reader.read(saved, /*wait=*/false);
    VERIFY_SAME_AS_DISK(model, volume);

    QSet<FRN> changed;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.value(it.key()) != it.value())
            changed.insert(it.key());
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            changed.insert(it.key());
    }
    QSet<FRN> reported;
    const QVector<TreeModel::Event> events = model.events();
    for (const TreeModel::Event &e : events)
        reported.insert(e.frn);
    QCOMPARE(reported, changed);
    for (const FRN frn : changed) {
        // An inode number freed and taken again by the other kind of object
        // is a deletion and an addition; otherwise one report per object.
        const QString expected = !after.contains(frn) ? QStringLiteral("D")
            : !before.contains(frn)                   ? QStringLiteral("A")
            : before[frn].isFolder != after[frn].isFolder ? QStringLiteral("DA")
                                                          : QStringLiteral("R");
        QCOMPARE(kinds(events, frn), expected);
    }
    QCOMPARE(reader.coveredFrom(), saved);
    // The deep chain was left and re-entered through ".." without losing its place.
    QCOMPARE(logLines(m_logPath, QStringLiteral("moved during the walk")), walkWarnings);

    // The replay is done: reading again from the saved position reports nothing.
    model.clearEvents();
    reader.read(saved, /*wait=*/false);
    QCOMPARE(model.events().size(), 0);
}

// A position saved before the clock was set back says nothing about folder
// times; the reader must compare everything rather than skip the replay.
void ChangeJournalReaderTest::replayFromTheFuture()
{
    TestVolume volume(QStringLiteral("ext4"));
    if (!volume.isReady())
        QSKIP(qPrintable(volume.skipReason()));
    makeTree(volume, {"a/b"}, {"a/b/old", "a/gone"});
    TreeModel model;
    model.reset(TreeModel::scan(volume.root()));
    makeFile(volume.path("a/b/new"));
    QCOMPARE(::unlink(QFile::encodeName(volume.path("a/gone"))), 0);
    ChangeJournalReader reader(volume.key());
    reader.setReplaySource(&model);
    connectModel(reader, model);
    reader.read(currentUsn() + 3600LL * 1000000000, /*wait=*/false);
    VERIFY_SAME_AS_DISK(model, volume);
    QCOMPARE(model.events().size(), 2);
}

void ChangeJournalReaderTest::overflow_data()
{
    addFileSystems();
}

// A burst larger than the kernel queue while nobody reads: the queue
// overflows, and the reader must resynchronise instead of going on stale.
void ChangeJournalReaderTest::overflow()
{
    QFETCH(QString, kind);
    QFile limitFile(QStringLiteral("/proc/sys/fs/fanotify/max_queued_events"));
    QVERIFY(limitFile.open(QIODevice::ReadOnly));
    const int limit = limitFile.readAll().trimmed().toInt();
    QVERIFY(limit > 0);
    const bool ext4 = kind == QLatin1String("ext4");
    TestVolume volume(kind, 512, ext4 ? QStringList{QStringLiteral("-N"), QString::number(limit * 2 + 10000)}
                                      : QStringList());
    if (!volume.isReady())
        QSKIP(qPrintable(volume.skipReason()));
    makeTree(volume, {"a", "b"}, {"a/old1", "a/old2", "b/old3"});
    ChangeJournalReader reader(volume.key());
    TreeModel model;
    model.reset(TreeModel::scan(volume.root()));
    reader.setReplaySource(&model);
    connectModel(reader, model);

    const int files = limit + 2000;
    for (int i = 0; i < files; ++i)
        makeFile(volume.path(QStringLiteral("%1/burst %2").arg(i % 2 ? "a" : "b").arg(i)));
    QCOMPARE(::rename(QFile::encodeName(volume.path("a/old1")), QFile::encodeName(volume.path("b/old1 moved"))), 0);
    QCOMPARE(::unlink(QFile::encodeName(volume.path("b/old3"))), 0);
    QVERIFY(QDir().mkpath(volume.path("late/folder")));

    const int overflowsBefore = logLines(m_logPath, QStringLiteral("overflowed"));
    reader.read(reader.coveredFrom(), /*wait=*/false);
    QCOMPARE(logLines(m_logPath, QStringLiteral("overflowed")), overflowsBefore + 1);
    VERIFY_SAME_AS_DISK(model, volume);
}

namespace {

bool threadExists(const QString &name)
{
    const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks) {
        QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(task));
        if (comm.open(QIODevice::ReadOnly) && QString::fromUtf8(comm.readAll().trimmed()) == name)
            return true;
    }
    return false;
}

} // namespace

// The monitor thread blocks in the kernel while nothing changes; stop must
// interrupt that wait instead of hanging until the next change.
void ChangeJournalReaderTest::stopWhileBlocked()
{
    TestVolume volume(QStringLiteral("ext4"));
    if (!volume.isReady())
        QSKIP(qPrintable(volume.skipReason()));
    TreeModel model;
    ChangeJournal journal;
    startMonitor(journal, model, volume);
    const QString threadName = QStringLiteral("MONITOR_%1").arg(volume.key());
    QTRY_VERIFY(threadExists(threadName));
    makeFile(volume.path("while running"));
    const FRN created = inodeOf(volume.path("while running"));
    QTRY_VERIFY(model.records().contains(created));
    QTest::qWait(100);   // back to waiting in the kernel

    auto stopped = std::async(std::launch::async, [&journal] { return journal.stop(); });
    // A bound on a hang, not a timing: a stop that is not interrupted never returns.
    QVERIFY(stopped.wait_for(std::chrono::seconds(30)) == std::future_status::ready);
    QCOMPARE(stopped.get(), model.events().last().usn);
    QTRY_VERIFY(!threadExists(threadName));
    // Stopped means stopped: later changes reach nobody.
    makeFile(volume.path("after stop"));
    QTest::qWait(200);
    QVERIFY(!model.records().contains(inodeOf(volume.path("after stop"))));
}

void ChangeJournalReaderTest::queryJournal()
{
    TestVolume first(QStringLiteral("ext4"));
    TestVolume second(QStringLiteral("xfs"));
    if (!first.isReady() || !second.isReady())
        QSKIP(qPrintable(first.skipReason() + second.skipReason()));
    JournalState a;
    JournalState b;
    const USN before = currentUsn();
    ::queryJournal(first.key(), a);
    ::queryJournal(second.key(), b);
    QVERIFY(a.journalId != 0);
    QVERIFY(a.journalId != b.journalId);
    QCOMPARE(a.firstUsn, USN(0));
    QVERIFY(a.nextUsn >= before && a.nextUsn <= currentUsn());
    JournalState again;
    ::queryJournal(first.key(), again);
    QCOMPARE(again.journalId, a.journalId);
    ensureJournal(first.key());
    ensureJournal(second.key());
}

// A volume that cannot be monitored is refused with the query's message and
// the system's error code, so that it is not indexed.
void ChangeJournalReaderTest::queryFailure()
{
    const QString prefix = QStringLiteral("Querying the journal information failed, error=%1.");
    try {
        ensureJournal(QLatin1Char('9'));   // no volume has this key
        QFAIL("a key without a volume was accepted");
    } catch (const FileSearchException &e) {
        QVERIFY2(QString::fromUtf8(e.what()).endsWith(prefix.arg(ENODEV)), e.what());
    }

    TestVolume volume(QStringLiteral("ext4"));
    if (!volume.isReady())
        QSKIP(qPrintable(volume.skipReason()));
    // The fixture's folder is private to root; the unprivileged thread below
    // must reach the mount point to get as far as the monitoring.
    QVERIFY(::chmod(QFile::encodeName(QFileInfo(volume.root()).path()).constData(), 0755) == 0);
    std::string message;
    // Credentials are per thread at the system-call level: dropping the
    // effective uid here drops this thread's capabilities and no other's.
    std::thread unprivileged([&] {
        if (::syscall(SYS_setresuid, -1, 65534, -1) != 0)
            return;
        try {
            ChangeJournalReader reader(volume.key());
        } catch (const FileSearchException &e) {
            message = e.what();
        }
        ::syscall(SYS_setresuid, -1, 0, -1);
    });
    unprivileged.join();
    QVERIFY2(QString::fromStdString(message).endsWith(prefix.arg(EPERM)), message.c_str());
}

QTEST_GUILESS_MAIN(ChangeJournalReaderTest)
#include "ChangeJournalReaderTest.moc"
