#include "platform/linux/MFTReader.h"

#include "base/FileSearchCancelException.h"
#include "platform/linux/NTFSUtils.h"
#include "support/DataFolder.h"
#include "support/LoopMount.h"
#include "support/UnprivilegedUser.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void makeFile(const QString &path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

void makeTree(const QString &root)
{
    QDir dir(root);
    for (const QString &name : {QStringLiteral("with space.txt"), QStringLiteral("new\nline"),
                                QStringLiteral("\u00dcn\u00efc\u00f8d\u00e9 \U0001F600")})
        makeFile(dir.filePath(name));
    QVERIFY(dir.mkpath(QStringLiteral("folder with space/sub")));
    QVERIFY(::link(QFile::encodeName(dir.filePath("with space.txt")).constData(),
                   QFile::encodeName(dir.filePath("hard link")).constData()) == 0);
    QVERIFY(QFile::link(QStringLiteral("folder with space"), dir.filePath(QStringLiteral("link-to-folder"))));
    QVERIFY(QFile::link(QStringLiteral("nowhere"), dir.filePath(QStringLiteral("dangling"))));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0644) == 0);
    QVERIFY(dir.mkpath(QStringLiteral("locked/inner")));
    QVERIFY(::chmod(QFile::encodeName(dir.filePath(QStringLiteral("locked"))).constData(), 0) == 0);
    // Deeper than the walk keeps descriptors open, with a sibling at every level; on every
    // other level the sibling lists after the way down and the walk must find its way back.
    QString deep = root;
    for (int i = 0; i < 300; ++i) {
        if (i % 2)
            QVERIFY(QDir(deep).mkdir(QStringLiteral("d")));
        QVERIFY(QDir(deep).mkdir(QStringLiteral("s")));
        makeFile(deep + QStringLiteral("/s/f"));
        deep += QStringLiteral("/d");
        QVERIFY(QDir().mkpath(deep));
    }
    // More entries than one read of the folder returns.
    QVERIFY(dir.mkdir(QStringLiteral("big")));
    for (int i = 0; i < 2000; ++i)
        makeFile(dir.filePath(QStringLiteral("big/file number %1").arg(i)));
    QVERIFY(dir.mkdir(QStringLiteral("mnt")));
}

// Relative path -> "inode d" or "inode -", as find lists the volume without
// crossing mounts. Names may hold newlines: entries end with NUL.
QMap<QString, QString> findListing(const QString &root)
{
    QMap<QString, QString> listing;
    QProcess find;
    find.start(QStringLiteral("find"), {root, "-xdev", "-mindepth", "1", "-printf", "%i %y %P\\0"});
    if (!find.waitForFinished(120000) || find.exitCode() != 0)
        return listing;
    for (const QByteArray &line : find.readAllStandardOutput().split('\0')) {
        const int first = line.indexOf(' ');
        if (first > 0)
            listing.insert(QString::fromUtf8(line.mid(first + 3)),
                           line.left(first) + (line.at(first + 1) == 'd' ? " d" : " -"));
    }
    return listing;
}

} // namespace

class MFTReaderTest : public QObject
{
    Q_OBJECT

    DataFolder m_data;

private slots:
    void initTestCase() { setVolumeSettings(m_data.settings()); }
    void cleanupTestCase() { setVolumeSettings(nullptr); }

    void enumerationEqualsFind_data()
    {
        QTest::addColumn<QString>("fsType");
        QTest::addColumn<QStringList>("mkfsOptions");
        // A subvolume inside is no entry of the volume.
        QTest::newRow("btrfs") << QStringLiteral("btrfs") << QStringList();
        // No file types in folder entries: every type is asked with fstatat.
        QTest::newRow("ext2 without d_type") << QStringLiteral("ext2") << QStringList{"-O", "^filetype"};
    }

    // Paths are rebuilt from the parent links alone, so a wrong parent shows as a path find does not list.
    void enumerationEqualsFind()
    {
        QFETCH(QString, fsType);
        QFETCH(QStringList, mkfsOptions);
        LoopMount volume(fsType, 0, mkfsOptions);
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.skipReason()));
        const QString root = volume.mountPoint();
        makeTree(root);
        if (fsType == QLatin1String("btrfs")) {
            QVERIFY(LoopMount::run(QStringLiteral("btrfs"), {"subvolume", "create", root + "/subvolume"}));
            makeFile(root + QStringLiteral("/subvolume/inside"));
        }
        struct stat covered;
        QCOMPARE(::stat(QFile::encodeName(root + QStringLiteral("/mnt")).constData(), &covered), 0);
        QVERIFY(LoopMount::run(QStringLiteral("mount"), {"-t", "tmpfs", "tmpfs", root + "/mnt"}));
        makeFile(root + QStringLiteral("/mnt/in other file system"));

        QList<std::tuple<FRN, FRN, QString, bool>> found;
        MFTReader reader;
        connect(&reader, &MFTReader::fileFound, this, [&found](FRN frn, FRN parent, const QString &name, bool dir) {
            found.append({frn, parent, name, dir});
        });
        const CancelFlag cancel{false};
        {
            // A folder with mode 000 is then really unreadable to the walk.
            UnprivilegedUser unprivileged;
            QVERIFY(unprivileged.ok());
            reader.read(volumeOfPath(root).key, &cancel);
        }
        QVERIFY(!found.isEmpty());
        const FRN rootFrn = MFTReader::fileId(root);
        QCOMPARE(found.takeFirst(), std::make_tuple(rootFrn, FRN(0), root, true));

        QHash<FRN, std::pair<FRN, QString>> folders;
        for (const auto &[frn, parent, name, isFolder] : found) {
            QVERIFY2(frn != rootFrn && !(isFolder && folders.contains(frn)), qPrintable(name));
            if (isFolder)
                folders.insert(frn, {parent, name});
        }
        QMap<QString, QString> walked;
        for (const auto &[frn, parent, name, isFolder] : found) {
            QString path = name;
            for (FRN p = parent; p != rootFrn; p = folders.value(p).first) {
                QVERIFY2(folders.contains(p) && path.size() < 4096, qPrintable(name));
                path = folders.value(p).second + QLatin1Char('/') + path;
            }
            QVERIFY2(!walked.contains(path), qPrintable(QStringLiteral("reported twice: ") + path));
            walked.insert(path, QStringLiteral("%1 %2").arg(frn).arg(isFolder ? 'd' : '-'));
        }
        QMap<QString, QString> expected = findListing(root);
        QVERIFY(expected.size() > 2900);
        // find stats a mount point and so sees the other file system's root.
        expected[QStringLiteral("mnt")] = QStringLiteral("%1 d").arg(covered.st_ino);
        for (const QString &path : expected.keys()) {
            if (path.startsWith(QLatin1String("locked/")) || path.startsWith(QLatin1String("lost+found/"))
                || path == QLatin1String("subvolume"))
                expected.remove(path);
        }
        QStringList differences;
        const QStringList paths = walked.keys() + expected.keys();
        for (const QString &path : QSet<QString>(paths.begin(), paths.end())) {
            if (walked.value(path) != expected.value(path))
                differences << path + ": walked " + walked.value(path) + ", find " + expected.value(path);
        }
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 20).join('\n')));
        // A final symbolic link is followed by fileId, never by the walk.
        bool isDir = false;
        QCOMPARE(QString::number(MFTReader::fileId(root + QStringLiteral("/link-to-folder"), &isDir)) + " d",
                 expected.value(QStringLiteral("folder with space")));
        QVERIFY(isDir);
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
        QVERIFY(count >= 20 && count < 50 * 3);
    }

    void unknownVolume()
    {
        const QChar unused = QLatin1Char('9'); // no volume has this key
        MFTReader reader;
        QSignalSpy spy(&reader, &MFTReader::fileFound);
        const CancelFlag cancel{false};
        try {
            reader.read(unused, &cancel);
            QFAIL("no exception");
        } catch (const FileSearchException &e) {
            QVERIFY(QString::fromUtf8(e.what()).endsWith(QStringLiteral("Failed to open volume %1").arg(unused)));
        }
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_GUILESS_MAIN(MFTReaderTest)
#include "MFTReaderTest.moc"
