#include "platform/linux/FileDescriptor.h"
#include "platform/linux/FolderTimeScan.h"
#include "platform/linux/SysCall.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <filesystem>
#include <list>
#include <sys/stat.h>

namespace {

USN now()
{
    return USN(QDateTime::currentMSecsSinceEpoch()) * 1000000;
}

FRN inodeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// Folders of a tree on disk, described as the index holds them.
class FolderList
{
public:
    explicit FolderList(const QString &root, const QStringList &folders = {})
        : m_root(root)
    {
        m_folders.push_back({inodeOf(root), 0, "root"});
        for (const QString &folder : folders)
            add(folder);
    }

    void add(const QString &relative)
    {
        m_names.push_back(relative.section(QLatin1Char('/'), -1).toUtf8());
        m_folders.push_back({frn(relative), inodeOf(QFileInfo(m_root + '/' + relative).path()), m_names.back().data()});
    }

    std::vector<IJournalReplaySource::Folder> folders() const { return m_folders; }
    FRN frn(const QString &relative) const { return inodeOf(m_root + QLatin1Char('/') + relative); }

private:
    QString m_root;
    std::list<QByteArray> m_names; // stable addresses
    std::vector<IJournalReplaySource::Folder> m_folders;
};

// A position between what came before and what comes after: directory times
// come from a coarse clock, so a margin is left on both sides.
USN pointInTime()
{
    QThread::msleep(30);
    const USN position = now();
    QThread::msleep(30);
    return position;
}

} // namespace

class FolderTimeScanTest : public QObject
{
    Q_OBJECT

    // In memory where possible: making and removing thousands of folders on a busy disk takes seconds.
    QTemporaryDir m_dir{QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm/tvq-XXXXXX")
                                                                           : QDir::tempPath() + "/tvq-XXXXXX"};
    FileDescriptor m_rootFd;

    void makeFolders(const QStringList &folders)
    {
        for (const QString &folder : folders)
            QVERIFY(QDir(m_dir.path()).mkpath(folder));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_rootFd = sysOpenAt(AT_FDCWD, QFile::encodeName(m_dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    }

    void init()
    {
        for (const auto &entry : std::filesystem::directory_iterator(QFile::encodeName(m_dir.path()).toStdString()))
            std::filesystem::remove_all(entry.path());
    }

    // Only the changed folder and the folders on the way to it are visited.
    void changedFolderAndItsAncestorsNeedAVisit()
    {
        makeFolders({"a/b/c", "a/x", "d/e"});
        const FolderList list(m_dir.path(), {"a", "a/b", "a/b/c", "a/x", "d", "d/e"});
        const USN since = pointInTime();
        QVERIFY(QDir(m_dir.filePath("a/b/c")).mkdir("new"));

        FolderTimeScan scan(m_rootFd.get(), list.folders(), {}, nullptr);
        QVERIFY(scan.run(since));
        QCOMPARE(scan.status(list.frn("a/b/c")), FolderTimeScan::Changed);
        for (const char *unchanged : {"a", "a/b", "a/x", "d", "d/e"})
            QCOMPARE(scan.status(list.frn(QString::fromLatin1(unchanged))), FolderTimeScan::Unchanged);
        for (const char *visited : {"a", "a/b", "a/b/c"})
            QVERIFY(scan.needsVisit(list.frn(QString::fromLatin1(visited))));
        for (const char *skipped : {"a/x", "d", "d/e"})
            QVERIFY(!scan.needsVisit(list.frn(QString::fromLatin1(skipped))));
        const QVector<FolderWalk::Subfolder> fromRoot = scan.subfoldersToVisit(inodeOf(m_dir.path()));
        QCOMPARE(fromRoot.size(), 1);
        QCOMPARE(fromRoot.first().name, QByteArray("a"));
    }

    // A folder replaced by a symbolic link is never looked through, even to the folders expected below it.
    void replacedFolderIsNotFollowed()
    {
        makeFolders({"a/b/c", "elsewhere"});
        const FolderList list(m_dir.path(), {"a", "a/b", "a/b/c"});
        const FRN c = list.frn("a/b/c");
        const QString moved = m_dir.filePath("elsewhere/b");
        QVERIFY(QDir().rename(m_dir.filePath("a/b"), moved));
        QVERIFY(QFile::link(moved, m_dir.filePath("a/b")));

        FolderTimeScan scan(m_rootFd.get(), list.folders(), {}, nullptr);
        QVERIFY(scan.run(now() + 3600LL * 1000000000));
        QCOMPARE(scan.status(list.frn("a")), FolderTimeScan::Unchanged);
        QCOMPARE(scan.status(c), FolderTimeScan::Unknown);
        QVERIFY(scan.needsVisit(c));
        QVERIFY(scan.needsVisit(list.frn("a")));
    }

    // Enough folders for several threads: exactly the touched ones change.
    void manyFoldersOnSeveralThreads()
    {
        FolderList list(m_dir.path());
        QStringList touched;
        for (int i = 0; i < 40; ++i) {
            for (int j = 0; j < 120; ++j) {
                const QString folder = QStringLiteral("d%1/s%2").arg(i).arg(j);
                QVERIFY(QDir(m_dir.path()).mkpath(folder));
                if (j == 0)
                    list.add(QStringLiteral("d%1").arg(i));
                list.add(folder);
                if (j == 100 && i % 10 == 3)
                    touched << folder;
            }
        }
        const USN since = pointInTime();
        for (const QString &folder : touched)
            QVERIFY(QDir(m_dir.filePath(folder)).mkdir(QStringLiteral("new")));

        FolderTimeScan scan(m_rootFd.get(), list.folders(), {}, nullptr);
        QVERIFY(scan.run(since));
        int changed = 0;
        for (const IJournalReplaySource::Folder &folder : list.folders()) {
            if (scan.status(folder.frn) == FolderTimeScan::Changed)
                ++changed;
            else if (folder.parent != 0)
                QCOMPARE(scan.status(folder.frn), FolderTimeScan::Unchanged);
        }
        QCOMPARE(changed, touched.size());
        QCOMPARE(scan.subfoldersToVisit(inodeOf(m_dir.path())).size(), touched.size());
    }

    // A damaged index in which the root has a parent below itself, and a cycle away from the root: the scan ends.
    void cyclesEnd()
    {
        makeFolders({"a"});
        const FolderList list(m_dir.path(), {"a"});
        const FRN root = inodeOf(m_dir.path());
        const FRN a = list.frn("a");
        std::vector<IJournalReplaySource::Folder> folders = list.folders();
        folders.front().parent = a;
        folders.push_back({900001, 900002, "x"});
        folders.push_back({900002, 900001, "y"});
        FolderTimeScan scan(m_rootFd.get(), folders, {}, nullptr);
        QVERIFY(scan.run(now() + 3600LL * 1000000000));
        QCOMPARE(scan.status(a), FolderTimeScan::Unchanged);
        QVERIFY(scan.needsVisit(900001));
        // Damage the walk can never reach does not send it anywhere.
        QVERIFY(!scan.needsVisit(root));
    }
};

QTEST_GUILESS_MAIN(FolderTimeScanTest)
#include "FolderTimeScanTest.moc"
