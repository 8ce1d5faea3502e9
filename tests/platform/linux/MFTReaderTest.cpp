#include "platform/linux/MFTReader.h"

#include "platform/linux/NTFSUtils.h"
#include "search/FileSearchCancelException.h"
#include "support/DataFolder.h"
#include "support/LoopMount.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Found
{
    FRN frn;
    FRN parent;
    QString name;
    bool isFolder;
};

struct Listed
{
    quint64 ino;
    char type; // find's %y: d, f, l, p...
};

// Walks as "nobody" on the calling thread only (the file-system uid is per
// thread), so that a folder with mode 000 is really unreadable to the walk.
class UnprivilegedScope
{
public:
    UnprivilegedScope() { ::setfsuid(65534); }
    ~UnprivilegedScope() { ::setfsuid(0); }
};

const int kDepth = 300;
const int kBigFolderFiles = 10000;

void makeFile(const QString &path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

void makeTree(const QString &root)
{
    QDir dir(root);
    for (const QString &name : {QStringLiteral("plain.txt"), QStringLiteral("with space.txt"),
                                QStringLiteral("\u00dcn\u00efc\u00f8d\u00e9 \u540d\u524d.txt"),
                                QStringLiteral("emoji \U0001F600"), QStringLiteral("new\nline"),
                                QStringLiteral("back\\slash"), QStringLiteral(".hidden")})
        makeFile(dir.filePath(name));
    QVERIFY(dir.mkpath(QStringLiteral("folder with space/sub")));
    makeFile(dir.filePath(QStringLiteral("folder with space/sub/file")));
    QVERIFY(::link(QFile::encodeName(dir.filePath(QStringLiteral("plain.txt"))).constData(),
                   QFile::encodeName(dir.filePath(QStringLiteral("hard link"))).constData()) == 0);
    QVERIFY(QFile::link(QStringLiteral("folder with space"), dir.filePath(QStringLiteral("link-to-folder"))));
    QVERIFY(QFile::link(QStringLiteral("nowhere"), dir.filePath(QStringLiteral("dangling"))));
    QVERIFY(QFile::link(QStringLiteral("/"), dir.filePath(QStringLiteral("link-to-root"))));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0644) == 0);
    QVERIFY(dir.mkpath(QStringLiteral("locked/inner")));
    makeFile(dir.filePath(QStringLiteral("locked/secret")));
    QVERIFY(::chmod(QFile::encodeName(dir.filePath(QStringLiteral("locked"))).constData(), 0) == 0);
    // Deeper than the walk keeps descriptors open, with a sibling at every
    // level. Small folders list in creation order, so on every other level
    // the sibling comes after the way down and the walk must find its way back.
    QString deep = root;
    for (int i = 0; i < kDepth; ++i) {
        if (i % 2)
            QVERIFY(QDir(deep).mkdir(QStringLiteral("d")));
        QVERIFY(QDir(deep).mkdir(QStringLiteral("s")));
        makeFile(deep + QStringLiteral("/s/f"));
        deep += QStringLiteral("/d");
        QVERIFY(QDir().mkpath(deep));
    }
    makeFile(deep + QStringLiteral("/leaf"));
    QVERIFY(dir.mkdir(QStringLiteral("big")));
    for (int i = 0; i < kBigFolderFiles; ++i)
        makeFile(dir.filePath(QStringLiteral("big/file number %1").arg(i)));
    QVERIFY(dir.mkdir(QStringLiteral("mnt")));
}

// Relative path -> inode and type, as find lists the volume without crossing mounts.
QHash<QString, Listed> findListing(const QString &root)
{
    QHash<QString, Listed> listing;
    QProcess find;
    find.start(QStringLiteral("find"), {root, QStringLiteral("-xdev"), QStringLiteral("-mindepth"), QStringLiteral("1"),
                                        QStringLiteral("-printf"), QStringLiteral("%i %y %P\\0")});
    if (!find.waitForFinished(120000) || find.exitCode() != 0)
        return listing;
    // Names may hold newlines: entries end with NUL.
    for (const QByteArray &line : find.readAllStandardOutput().split('\0')) {
        const int first = line.indexOf(' ');
        if (first > 0)
            listing.insert(QString::fromUtf8(line.mid(first + 3)),
                           Listed{line.left(first).toULongLong(), line.at(first + 1)});
    }
    return listing;
}

} // namespace

class MFTReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<FRN>("FRN");
        setVolumeSettings(m_data.settings());
    }

    void cleanupTestCase()
    {
        setVolumeSettings(nullptr);
    }

    void enumerationEqualsFind_data()
    {
        QTest::addColumn<QString>("fsType");
        QTest::addColumn<QStringList>("mkfsOptions");
        QTest::newRow("ext4") << QStringLiteral("ext4") << QStringList{QStringLiteral("-N"), QStringLiteral("30000")};
        QTest::newRow("xfs") << QStringLiteral("xfs") << QStringList();
        QTest::newRow("btrfs") << QStringLiteral("btrfs") << QStringList();
        // No file types in folder entries: every type is asked with fstatat.
        QTest::newRow("ext2 without d_type") << QStringLiteral("ext2")
                                             << QStringList{QStringLiteral("-O"), QStringLiteral("^filetype"),
                                                            QStringLiteral("-N"), QStringLiteral("30000")};
    }

    void enumerationEqualsFind()
    {
        QFETCH(QString, fsType);
        QFETCH(QStringList, mkfsOptions);
        LoopMount volume(fsType, 0, mkfsOptions);
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.skipReason()));
        const QString root = volume.mountPoint();
        makeTree(root);
        QStringList notEntries;
        if (fsType == QLatin1String("btrfs")) {
            QVERIFY(LoopMount::run(QStringLiteral("btrfs"), {QStringLiteral("subvolume"), QStringLiteral("create"),
                                                             root + QStringLiteral("/subvolume")}));
            makeFile(root + QStringLiteral("/subvolume/inside"));
            notEntries << QStringLiteral("subvolume");
        }
        struct stat covered;
        QCOMPARE(::stat(QFile::encodeName(root + QStringLiteral("/mnt")).constData(), &covered), 0);
        QVERIFY(LoopMount::run(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                         QStringLiteral("tmpfs"), root + QStringLiteral("/mnt")}));
        makeFile(root + QStringLiteral("/mnt/in other file system"));

        const QChar key = volumeOfPath(root).key;
        QVERIFY(!key.isNull());
        MFTReader reader;
        const CancelFlag cancel{false};
        const QList<Found> found = enumerate(reader, key, &cancel);
        compareWithFind(found, root, {QStringLiteral("locked"), QStringLiteral("lost+found")}, notEntries,
                        QStringLiteral("mnt"), covered.st_ino);
    }

    void cancelStopsTheWalk()
    {
        QTemporaryDir dir;
        for (int i = 0; i < 50; ++i) {
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("f%1/g").arg(i)));
            makeFile(dir.filePath(QStringLiteral("f%1/g/x").arg(i)));
        }
        MFTReader reader;
        CancelFlag cancel{false};
        int count = 0;
        connect(&reader, &MFTReader::fileFound, this, [&](FRN, FRN, const QString &, bool) {
            if (++count == 20)
                cancel = true; // read by the walking threads
        });
        QVERIFY_EXCEPTION_THROWN(reader.readMountPoint(dir.path(), &cancel), FileSearchCancelException);
        QVERIFY(count >= 20);
        QVERIFY(count < 50 * 3);
    }

    void cancelBeforeTheFirstFolder()
    {
        QTemporaryDir dir;
        makeFile(dir.filePath(QStringLiteral("a")));
        MFTReader reader;
        QSignalSpy spy(&reader, &MFTReader::fileFound);
        const CancelFlag cancel{true};
        try {
            reader.readMountPoint(dir.path(), &cancel);
            QFAIL("no cancellation");
        } catch (const FileSearchCancelException &e) {
            QVERIFY(QString::fromUtf8(e.what()).endsWith(QStringLiteral("Canceled")));
        }
        QCOMPARE(spy.count(), 1); // only the root, which is reported before the walk
    }

    void unknownVolume()
    {
        MFTReader reader;
        QSignalSpy spy(&reader, &MFTReader::fileFound);
        const CancelFlag cancel{false};
        QChar unused;
        for (char c = 'Z'; c >= 'A' && unused.isNull(); --c) {
            if (!volumeInfo(QLatin1Char(c)).isValid())
                unused = QLatin1Char(c);
        }
        try {
            reader.read(unused, &cancel);
            QFAIL("no exception");
        } catch (const FileSearchException &e) {
            QVERIFY(QString::fromUtf8(e.what()).endsWith(QStringLiteral("Failed to open volume %1").arg(unused)));
        }
        QCOMPARE(spy.count(), 0);
    }

    void fileIdFailure()
    {
        QTemporaryDir dir;
        bool isDir = true;
        QCOMPARE(MFTReader::fileId(dir.filePath(QStringLiteral("missing")), &isDir), FRN(0));
        QVERIFY(isDir); // untouched on failure
        makeFile(dir.filePath(QStringLiteral("f")));
        QVERIFY(MFTReader::fileId(dir.filePath(QStringLiteral("f")), &isDir) != 0);
        QVERIFY(!isDir);
        QCOMPARE(MFTReader::fileId(dir.path() + QStringLiteral("/"), &isDir), MFTReader::fileId(dir.path()));
        QVERIFY(isDir);
    }

private:
    QList<Found> enumerate(MFTReader &reader, QChar key, const CancelFlag *cancel);
    void compareWithFind(const QList<Found> &found, const QString &root, const QStringList &unreadable,
                         const QStringList &notEntries, const QString &mountPoint, quint64 mountPointIno);

    DataFolder m_data;
};

QList<Found> MFTReaderTest::enumerate(MFTReader &reader, QChar key, const CancelFlag *cancel)
{
    QList<Found> found;
    connect(&reader, &MFTReader::fileFound, this, [&found](FRN frn, FRN parent, const QString &name, bool isFolder) {
        found.append(Found{frn, parent, name, isFolder});
    });
    UnprivilegedScope unprivileged;
    reader.read(key, cancel);
    return found;
}

void MFTReaderTest::compareWithFind(const QList<Found> &found, const QString &root, const QStringList &unreadable,
                                    const QStringList &notEntries, const QString &mountPoint, quint64 mountPointIno)
{
    QVERIFY(!found.isEmpty());
    const Found first = found.first();
    QCOMPARE(first.parent, FRN(0));
    QCOMPARE(first.name, root);
    QVERIFY(first.isFolder);
    QCOMPARE(first.frn, MFTReader::fileId(root));

    // Paths are rebuilt from the parent links alone, so a wrong parent shows
    // as a path that find does not list. Entries come in no particular order
    // (a folder may be reported after its children), as from an MFT.
    const QList<Found> entries = found.mid(1);
    QHash<FRN, const Found *> folders;
    for (const Found &entry : entries) {
        QVERIFY2(entry.frn != first.frn && !(entry.isFolder && folders.contains(entry.frn)), qPrintable(entry.name));
        if (entry.isFolder)
            folders.insert(entry.frn, &entry);
    }
    // Relative path -> "inode type", from the walk and from find.
    QMap<QString, QString> walked;
    for (const Found &entry : entries) {
        QString path = entry.name;
        for (FRN parent = entry.parent; parent != first.frn; parent = folders.value(parent)->parent) {
            QVERIFY2(folders.contains(parent) && path.size() < 4096, qPrintable(entry.name));
            path = folders.value(parent)->name + QLatin1Char('/') + path;
        }
        QVERIFY2(!walked.contains(path), qPrintable(QStringLiteral("reported twice: ") + path));
        walked.insert(path, QStringLiteral("%1 %2").arg(entry.frn).arg(entry.isFolder ? 'd' : '-'));
    }
    const QHash<QString, Listed> listing = findListing(root);
    QVERIFY(listing.size() > kDepth * 3 + kBigFolderFiles);
    QMap<QString, QString> expected;
    for (auto it = listing.cbegin(); it != listing.cend(); ++it) {
        const bool hidden = notEntries.contains(it.key()) || std::any_of(unreadable.begin(), unreadable.end(),
                                [&](const QString &folder) { return it.key().startsWith(folder + '/'); });
        // find stats a mount point and so sees the other file system's root.
        const quint64 ino = it.key() == mountPoint ? mountPointIno : it->ino;
        if (!hidden)
            expected.insert(it.key(), QStringLiteral("%1 %2").arg(ino).arg(it->type == 'd' ? 'd' : '-'));
    }
    QStringList differences;
    const QStringList paths = walked.keys() + expected.keys();
    for (const QString &path : QSet<QString>(paths.begin(), paths.end())) {
        if (walked.value(path) != expected.value(path) && differences.size() < 20)
            differences << QStringLiteral("%1: walked %2, find %3").arg(path, walked.value(path), expected.value(path));
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join('\n')));
    for (auto it = listing.cbegin(); it != listing.cend(); ++it) {
        if (it->type == 'l' || it.key() == mountPoint || !expected.contains(it.key()))
            continue;
        bool isDir = false;
        const FRN frn = MFTReader::fileId(root + '/' + it.key(), &isDir);
        QCOMPARE(QString::number(frn) + (isDir ? " d" : " -"), expected.value(it.key()));
    }
    // A final symbolic link is followed by fileId, never by the walk.
    bool isDir = false;
    QCOMPARE(QString::number(MFTReader::fileId(root + QStringLiteral("/link-to-folder"), &isDir)) + " d",
             expected.value(QStringLiteral("folder with space")));
    QVERIFY(isDir);
    QVERIFY(walked.value(QStringLiteral("link-to-folder")).endsWith(QLatin1String(" -")));
}

QTEST_GUILESS_MAIN(MFTReaderTest)
#include "MFTReaderTest.moc"
