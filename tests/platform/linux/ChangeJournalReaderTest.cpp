#include "TestVolume.h"
#include "TreeModel.h"

#include "base/Logger.h"
#include "platform/linux/ChangeJournal.h"
#include "platform/linux/ChangeJournalReader.h"
#include "platform/linux/JournalState.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <future>
#include <map>
#include <memory>

namespace {

void makeFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY2(fd >= 0, qPrintable(path));
    ::close(fd);
}

void makeTree(const QString &root, const QStringList &folders, const QStringList &files)
{
    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(root + folder));
    for (const QString &file : files)
        makeFile(root + file);
}

FRN inodeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

bool move(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Deeper than the walks keep descriptors open for.
const QString kDeepChain = QStringLiteral("chain") + QStringLiteral("/d").repeated(200);

// The kinds of report ('A', 'R', 'D') an object got, in order.
QString kinds(const QVector<TreeModel::Event> &events, FRN frn)
{
    QString out;
    for (const TreeModel::Event &e : events) {
        if (e.frn == frn)
            out += QLatin1Char(e.kind);
    }
    return out;
}

} // namespace

// The reader watches with a file-system mark (ext4) or marks on every folder
// (a btrfs subvolume); each test works in a folder of its own.
class ChangeJournalReaderTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_logDir;
    QString m_logPath;
    int m_queueLimit = 0;
    std::map<QString, std::unique_ptr<TestVolume>> m_volumes;
    QElapsedTimer m_sinceReplayTrees;

    int logCount(const QString &text) const { return TestFiles::logLines(m_logPath).filter(text).size(); }

    const TestVolume &volume(const QString &kind) const { return *m_volumes.at(kind); }

    static std::unique_ptr<ChangeJournalReader> readerFor(const TestVolume &volume, TreeModel &model)
    {
        auto reader = std::make_unique<ChangeJournalReader>(volume.key());
        model.reset(TreeModel::scan(volume.root()));
        connectModel(*reader, model);
        return reader;
    }

    // The model's slots run on the reading thread, as the index's do.
    static void connectModel(ChangeJournalReader &reader, TreeModel &model)
    {
        reader.setReplaySource(&model);
        connect(&reader, &ChangeJournalReader::fileAdded, &model, &TreeModel::onFileAdded, Qt::DirectConnection);
        connect(&reader, &ChangeJournalReader::fileRenamed, &model, &TreeModel::onFileRenamed, Qt::DirectConnection);
        connect(&reader, &ChangeJournalReader::fileDeleted, &model, &TreeModel::onFileDeleted, Qt::DirectConnection);
    }

    static void addFileSystems()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("ext4") << QStringLiteral("ext4");
        QTest::newRow("btrfs-subvolume") << QStringLiteral("btrfs-subvolume");
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("needs root: fanotify file-system marks and loop mounts");
        m_logPath = m_logDir.filePath(QStringLiteral("log.txt"));
        Logger::instance(m_logPath);
        m_queueLimit = TestFiles::read(QStringLiteral("/proc/sys/fs/fanotify/max_queued_events")).trimmed().toInt();
        QVERIFY(m_queueLimit > 0);
        // Room for the overflow test's burst.
        const QString inodes = QString::number(m_queueLimit * 2 + 10000);
        m_volumes["ext4"] = std::make_unique<TestVolume>("ext4", 512, QStringList{QStringLiteral("-N"), inodes});
        m_volumes["btrfs-subvolume"] = std::make_unique<TestVolume>("btrfs-subvolume", 512);
        // The replay's untouched folders age past its margin while the other tests run.
        for (const auto &entry : m_volumes) {
            if (!entry.second->isReady())
                QSKIP(qPrintable(entry.second->skipReason()));
            makeTree(entry.second->path(QStringLiteral("replay/")),
                     {"keep/deep1/deep2/deep3", "moveme/inner", "gone/g1", "src", "dst", kDeepChain},
                     {"keep/k1", "keep/deep1/deep2/deep3/d", "moveme/inner/m", "gone/g1/x", "gone/y", "gone/escapee",
                      "src/s1", "src/s2", "src/s3", "dst/existing"});
        }
        m_sinceReplayTrees.start();
    }

    void liveChanges_data() { addFileSystems(); }

    void liveChanges()
    {
        QFETCH(QString, kind);
        const TestVolume &volume = this->volume(kind);
        const QString r = volume.path(QStringLiteral("live/"));
        makeTree(r, {"a/sub/deep", "b", "c/c1/c2", kDeepChain}, {"a/f1", "a/f2", "a/f4", "b/f3", "b/victim", "c/x"});
        TreeModel model;
        auto reader = readerFor(volume, model);
        const FRN f1 = inodeOf(r + "a/f1"), f2 = inodeOf(r + "a/f2"), f4 = inodeOf(r + "a/f4");
        const FRN sub = inodeOf(r + "a/sub"), f3 = inodeOf(r + "b/f3"), victim = inodeOf(r + "b/victim");
        const FRN c = inodeOf(r + "c"), c2 = inodeOf(r + "c/c1/c2");

        makeFile(r + QStringLiteral("a/new file \u00fc\u4e2d.txt"));
        makeFile(r + kDeepChain + QStringLiteral("/at the bottom"));
        QVERIFY(QDir().mkpath(r + "a/newdir/n1/n2")); // filled before it can be watched
        makeFile(r + "a/newdir/n1/n2/inner");
        // Made and gone before anything is deleted, so it cannot take a freed inode number.
        makeFile(r + "a/tmp");
        const FRN tmp = inodeOf(r + "a/tmp");
        QVERIFY(QFile::remove(r + "a/tmp"));
        QVERIFY(move(r + "a/f1", r + "a/f1 renamed"));
        QVERIFY(move(r + "a/f2", r + "b/f2"));
        QVERIFY(move(r + "a/sub", r + "b/sub moved"));
        QVERIFY(move(r + "a/f4", r + "b/victim"));
        QVERIFY(QFile::remove(r + "b/f3"));
        QVERIFY(QDir(r + "c").removeRecursively());

        const USN position = reader->read(reader->coveredFrom(), /*wait=*/false);
        QVERIFY(model.records() == TreeModel::scan(volume.root()));
        const QVector<TreeModel::Event> events = model.events();
        for (const FRN renamed : {f1, f2, sub, f4})
            QCOMPARE(kinds(events, renamed), QStringLiteral("R"));
        for (const FRN deleted : {victim, f3, c, c2})
            QCOMPARE(kinds(events, deleted), QStringLiteral("D"));
        QVERIFY2(kinds(events, tmp).contains(QLatin1String("AD")), qPrintable(kinds(events, tmp)));
        QVERIFY(position > reader->coveredFrom() && position <= currentUsn());
        QCOMPARE(events.last().usn, position);
    }

    void replay_data() { addFileSystems(); }

    // From a saved position, each object changed while nothing watched is reported once, the rest not at all.
    void replay()
    {
        QFETCH(QString, kind);
        const TestVolume &volume = this->volume(kind);
        // The walk must find deep changes below folders older than the replay's margin.
        if (m_sinceReplayTrees.elapsed() < 6000)
            QTest::qSleep(int(6000 - m_sinceReplayTrees.elapsed()));
        TreeModel model;
        model.reset(TreeModel::scan(volume.root()));
        const TreeModel::Records before = model.records();
        const USN saved = currentUsn();
        const QString r = volume.path(QStringLiteral("replay/"));
        makeFile(r + "keep/deep1/deep2/deep3/new deep");
        makeFile(r + kDeepChain + QStringLiteral("/at the bottom"));
        QVERIFY(move(r + "src/s1", r + "src/s1 renamed"));
        QVERIFY(move(r + "src/s2", r + "dst/s2"));
        QVERIFY(QFile::remove(r + "src/s3"));
        QVERIFY(move(r + "moveme", r + "dst/moved"));
        QVERIFY(move(r + "gone/escapee", r + "keep/escapee"));
        QVERIFY(QDir(r + "gone").removeRecursively());
        makeTree(r, {"fresh/f1"}, {"fresh/f1/ff"});
        const TreeModel::Records after = TreeModel::scan(volume.root());

        ChangeJournalReader reader(volume.key());
        connectModel(reader, model);
        reader.read(saved, /*wait=*/false);
        QVERIFY(model.records() == TreeModel::scan(volume.root()));
        QSet<FRN> changed;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (after.value(it.key()) != it.value())
                changed.insert(it.key());
        }
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (!before.contains(it.key()))
                changed.insert(it.key());
        }
        const QVector<TreeModel::Event> events = model.events();
        QSet<FRN> reported;
        for (const TreeModel::Event &e : events)
            reported.insert(e.frn);
        QCOMPARE(reported, changed);
        for (const FRN frn : changed) {
            // An inode number taken again by the other kind of object is a deletion and an addition.
            const QString expected = !after.contains(frn)                          ? QStringLiteral("D")
                                     : !before.contains(frn)                       ? QStringLiteral("A")
                                     : before[frn].isFolder != after[frn].isFolder ? QStringLiteral("DA")
                                                                                   : QStringLiteral("R");
            QCOMPARE(kinds(events, frn), expected);
        }
        QCOMPARE(reader.coveredFrom(), saved);
        model.clearEvents();
        reader.read(saved, /*wait=*/false);
        QCOMPARE(model.events().size(), 0);
    }

    // A tree deleted while nothing watched, one of whose folders' numbers a new
    // file took: what the index held below that folder is gone too. Left,
    // those records would have no folder, and would show under whatever
    // folder takes the number next.
    void replayForgetsTreesBelowReusedNumbers()
    {
        const TestVolume &volume = this->volume("ext4");
        const QString r = volume.path(QStringLiteral("reused/"));
        makeTree(r, {"parent"}, {});
        TreeModel::Records before = TreeModel::scan(volume.root());
        const USN saved = currentUsn();
        makeFile(r + "parent/now a file");
        const FRN reused = inodeOf(r + "parent/now a file");
        // The index as it was: parent/gone/was a folder/{stale, deeper/stale too}.
        // Numbers this small volume never gives out stand for the objects
        // deleted since.
        const FRN gone = 0x7fff0001, stale = 0x7fff0002, deeper = 0x7fff0003, staleToo = 0x7fff0004;
        before.insert(gone, {inodeOf(r + "parent"), QStringLiteral("gone"), true});
        before.insert(reused, {gone, QStringLiteral("was a folder"), true});
        before.insert(stale, {reused, QStringLiteral("stale"), false});
        before.insert(deeper, {reused, QStringLiteral("deeper"), true});
        before.insert(staleToo, {deeper, QStringLiteral("stale too"), false});
        TreeModel model;
        model.reset(before);

        ChangeJournalReader reader(volume.key());
        connectModel(reader, model);
        reader.read(saved, /*wait=*/false);
        QVERIFY(model.records() == TreeModel::scan(volume.root()));
        for (const FRN deleted : {gone, stale, deeper, staleToo})
            QCOMPARE(kinds(model.events(), deleted), QStringLiteral("D"));
        QCOMPARE(kinds(model.events(), reused), QStringLiteral("DA"));
        QVERIFY(QDir(r).removeRecursively());
    }

    // A burst larger than the kernel queue while nobody reads: the reader resynchronises instead of going on stale.
    void overflow()
    {
        const TestVolume &volume = this->volume("ext4");
        const QString r = volume.path(QStringLiteral("overflow/"));
        makeTree(r, {"a", "b"}, {"a/old1", "a/old2", "b/old3"});
        TreeModel model;
        auto reader = readerFor(volume, model);
        for (int i = 0; i < m_queueLimit + 2000; ++i)
            makeFile(r + QStringLiteral("%1/burst %2").arg(i % 2 ? "a" : "b").arg(i));
        QVERIFY(move(r + "a/old1", r + "b/old1 moved"));
        QVERIFY(QFile::remove(r + "b/old3"));
        QVERIFY(QDir().mkpath(r + "late/folder"));
        const int overflowsBefore = logCount(QStringLiteral("overflowed"));
        reader->read(reader->coveredFrom(), /*wait=*/false);
        QCOMPARE(logCount(QStringLiteral("overflowed")), overflowsBefore + 1);
        QVERIFY(model.records() == TreeModel::scan(volume.root()));
        reader.reset();
        QVERIFY(QDir(r).removeRecursively());
    }

    // Stop interrupts the monitor thread's wait in the kernel instead of hanging until the next change.
    void stopWhileBlocked()
    {
        const TestVolume &volume = this->volume("ext4");
        TreeModel model;
        ChangeJournal journal;
        auto reader = readerFor(volume, model);
        const USN from = reader->coveredFrom();
        journal.setReader(volume.key(), reader.release());
        journal.start(from);
        makeFile(volume.path("while running"));
        QTRY_VERIFY(model.records().contains(inodeOf(volume.path("while running"))));
        QTest::qWait(100); // back to waiting in the kernel

        auto stopped = std::async(std::launch::async, [&journal] { return journal.stop(); });
        // A bound on a hang, not a timing: a stop that is not interrupted never returns.
        QVERIFY(stopped.wait_for(std::chrono::seconds(30)) == std::future_status::ready);
        QCOMPARE(stopped.get(), model.events().last().usn);
    }

};

QTEST_GUILESS_MAIN(ChangeJournalReaderTest)
#include "ChangeJournalReaderTest.moc"
