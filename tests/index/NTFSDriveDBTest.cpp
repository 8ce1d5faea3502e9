#include "base/IndexingSettings.h"
#include "index/DriveDBFile.h"
#include "index/DriveDBRecordWriter.h"
#include "index/NTFSDriveDB.h"
#include "platform/linux/JournalState.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "strings/StringPool.h"
#include "support/TestFiles.h"

#include "QuietJournalReader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QBuffer>
#include <QTest>

#include <functional>
#include <limits>
#include <sys/stat.h>

namespace {

const FRN kRoot = 2;

// Records are fed through the slots, as the change monitor does; the database never touches a volume in these tests.
struct Fixture
{
    explicit Fixture(const QStringList &excludeNames = {})
    {
        settings.dbPath = dir.path();
        settings.excludePaths = excludeNames;
        JournalState journal;
        journal.journalId = 77;
        journal.nextUsn = currentUsn();
        db = std::make_unique<NTFSDriveDB>(QChar('Q'), pool, settings, std::make_unique<QuietJournalReader>(),
                                           journal);
        db->addFile(kRoot, 0, QStringLiteral("/"), true);
    }

    QStringList search(FileSearchRequest request = FileSearchRequest())
    {
        FileSearchResults results;
        db->search(request, results);
        QStringList paths;
        for (int row = 0; row < results.count(); ++row)
            paths << (results.isFolder(row) ? QStringLiteral("d ") : QStringLiteral("f ")) + results.fullPath(row);
        return paths;
    }

    QTemporaryDir dir;
    IndexingSettings settings;
    std::shared_ptr<StringPool> pool = std::make_shared<StringPool>();
    std::unique_ptr<NTFSDriveDB> db;
};

FileRecord record(FRN parent, const char *name)
{
    return FileRecord{parent, name};
}

} // namespace

class NTFSDriveDBTest : public QObject
{
    Q_OBJECT

private slots:
    void pathsJoinFromTheMountPoint()
    {
        Fixture f;
        f.db->addFile(10, kRoot, QStringLiteral("usr"), true);
        f.db->addFile(11, 10, QStringLiteral("share"), true);
        f.db->addFile(20, kRoot, QStringLiteral("top.txt"), false);
        f.db->addFile(21, 11, QStringLiteral("deep.txt"), false);
        QCOMPARE(f.db->folderPath(record(kRoot, "top.txt")), QStringLiteral("/"));
        QCOMPARE(f.db->folderPath(record(11, "deep.txt")), QStringLiteral("/usr/share"));
        // The root itself has no parent, so it is never reported.
        QCOMPARE(f.db->folderPath(record(0, "/")), QString());
        QCOMPARE(f.db->fileCount(), 5);
    }

    void slotsOverwriteInsertAndIgnore()
    {
        Fixture f;
        f.db->addFile(10, kRoot, QStringLiteral("old"), false);
        f.db->addFile(10, kRoot, QStringLiteral("new"), false);
        QCOMPARE(f.search(), QStringList{QStringLiteral("f /new")});
        f.db->renameFile(30, kRoot, QStringLiteral("unknown-before"), false);
        f.db->deleteFile(999, false);
        f.db->deleteFile(10, true); // wrong map: the file stays
        f.db->addFile(40, kRoot, QString(), false);
        QCOMPARE(f.search(),
                 (QStringList{QStringLiteral("f /new"), QStringLiteral("f /unknown-before")}));
        f.db->deleteFile(10, false);
        QCOMPARE(f.search(), QStringList{QStringLiteral("f /unknown-before")});
    }

    void brokenChainsHideOnlyTheirRecords()
    {
        Fixture f;
        f.db->addFile(10, kRoot, QStringLiteral("ok"), false);
        f.db->addFile(11, 500, QStringLiteral("orphan"), false);     // parent unknown
        f.db->addFile(12, 10, QStringLiteral("under-a-file"), false); // parent is a file
        f.db->addFile(50, 51, QStringLiteral("loop-a"), true);       // 50 and 51 are each other's parent
        f.db->addFile(51, 50, QStringLiteral("loop-b"), true);
        f.db->addFile(52, 50, QStringLiteral("in-loop"), false);
        QCOMPARE(f.search(), QStringList{QStringLiteral("f /ok")});
        FileSearchRequest inside;
        inside.includePaths << QStringLiteral("/");
        QCOMPARE(f.search(inside).size(), 0); // "/" is not on the fake drive: nothing, and no hang
    }

    // A saved database may hold what a deleted folder (here 50) left behind.
    // The load drops it, so that a folder taking the number later is empty.
    void loadDropsRecordsWithoutAFolder()
    {
        Fixture saved;
        saved.db->addFile(10, kRoot, QStringLiteral("kept"), true);
        saved.db->addFile(11, 10, QStringLiteral("kept.txt"), false);
        saved.db->addFile(51, 50, QStringLiteral("stale folder"), true);
        saved.db->addFile(52, 51, QStringLiteral("stale.txt"), false);
        saved.db->addFile(53, 50, QStringLiteral("stale too.txt"), false);
        saved.db->addFile(54, 11, QStringLiteral("under a file"), false);
        saved.db->save();
        Fixture loaded;
        QVERIFY(TestFiles::write(loaded.dir.filePath(QStringLiteral("DB/Q")),
                                 TestFiles::read(saved.dir.filePath(QStringLiteral("DB/Q")))));
        QVERIFY(loaded.db->load(nullptr));
        QCOMPARE(loaded.db->fileCount(), 3);
        loaded.db->addFile(50, kRoot, QStringLiteral("new"), true);
        QCOMPARE(loaded.search(), (QStringList{QStringLiteral("d /kept"), QStringLiteral("d /new"),
                                               QStringLiteral("f /kept/kept.txt")}));
    }

    void excludedNamesHideSubtreesInAnyCase()
    {
        Fixture f({"Node_Modules", "ÄRGER", "Kelvin", "/abs/path"});
        f.db->addFile(10, kRoot, QStringLiteral("node_MODULES"), true); // ASCII names are folded apart
        f.db->addFile(11, 10, QStringLiteral("lib"), true);
        f.db->addFile(12, 11, QStringLiteral("a.js"), false);
        f.db->addFile(13, kRoot, QStringLiteral("NODE_MODULES.txt"), false);
        f.db->addFile(14, kRoot, QStringLiteral("ärger"), false);
        f.db->addFile(15, kRoot, QStringLiteral("abs"), true);
        // A name as long as an excluded one, and a second file under an excluded folder already walked.
        f.db->addFile(16, kRoot, QStringLiteral("node_modulez"), true);
        f.db->addFile(17, 16, QStringLiteral("kept.js"), false);
        f.db->addFile(18, 11, QStringLiteral("b.js"), false);
        // Lowered, the Kelvin sign is an ASCII "k": a name may match from a first byte that is not ASCII.
        f.db->addFile(19, kRoot, QStringLiteral("\u212Aelvin"), false);
        QCOMPARE(f.search(), (QStringList{QStringLiteral("d /abs"), QStringLiteral("d /node_modulez"),
                                          QStringLiteral("f /NODE_MODULES.txt"), QStringLiteral("f /node_modulez/kept.js")}));
    }

    // Enough records for the search to share them between two threads: the
    // rows come complete and in number order, as from one thread; names that
    // are not ASCII and excluded names among the matches of one folder keep
    // their own answers.
    void largeDatabasesAnswerInNumberOrder()
    {
        Fixture f({"Skip_Conf"});
        // More folders than a search's table of their paths starts with room for.
        const int kFolders = 1500;
        const int kFiles = 60000;
        QStringList folders;
        for (int d = 0; d < kFolders; ++d) {
            const QString name = d == 0 ? QStringLiteral("skip_conf") : QStringLiteral("dir%1%2").arg(d).arg(d % 5 ? "" : "Conf");
            f.db->addFile(FRN(100 + d), kRoot, name, true);
            folders << name;
        }
        QStringList files; // every listed file, in number order
        for (int i = 0; i < kFiles; ++i) {
            const int d = i % kFolders;
            QString name = QStringLiteral("f%1").arg(i);
            if (i % 7 == 0)
                name = QStringLiteral("x%1.CONF").arg(i);
            else if (i % 11 == 0)
                name = QStringLiteral("\u00e9%1conf").arg(i);
            else if (i % 13 == 0)
                name = QStringLiteral("SKIP_CONF");
            f.db->addFile(FRN(1000 + i), FRN(100 + d), name, false);
            if (d != 0 && name != QLatin1String("SKIP_CONF"))
                files << QStringLiteral("f /") + folders[d] + QLatin1Char('/') + name;
        }
        // What the search must answer: the listed folders, then the listed files, whose names hold.
        auto expected = [&](const std::function<bool(const QString &)> &holds) {
            QStringList lines;
            for (const QString &folder : folders.mid(1)) {
                if (holds(folder))
                    lines << QStringLiteral("d /") + folder;
            }
            for (const QString &file : files) {
                if (holds(file.section(QLatin1Char('/'), -1)))
                    lines << file;
            }
            return lines;
        };
        auto has = [](const QString &name, const char *term) { return name.contains(QLatin1String(term), Qt::CaseInsensitive); };
        FileSearchRequest request;
        // A term in many names: each record's name is matched where it lies.
        request.name = QStringLiteral("conf");
        QCOMPARE(f.search(request), expected([&](const QString &n) { return has(n, "conf"); }));
        // Terms in few names: the names are matched once each in the pool, plain and accented ones.
        request.name = QStringLiteral("5conf");
        QCOMPARE(f.search(request), expected([&](const QString &n) { return has(n, "5conf"); }));
        request.name = QStringLiteral("x77");
        QCOMPARE(f.search(request), expected([&](const QString &n) { return has(n, "x77"); }));
        // An expression of several terms goes through the matcher name by name.
        request.name = QStringLiteral("5conf and not dir");
        request.nameExpressionType = 3;
        QCOMPARE(f.search(request), expected([&](const QString &n) { return has(n, "5conf") && !has(n, "dir"); }));
        request.name = QStringLiteral("qzqz");
        request.nameExpressionType = 0;
        QCOMPARE(f.search(request), QStringList());
        // A name given to a record after the search's matching names were found matches too.
        f.db->addFile(FRN(999999), FRN(101), QStringLiteral("late.conf"), false);
        request.name = QStringLiteral("late.conf");
        QCOMPARE(f.search(request), QStringList{QStringLiteral("f /%1/late.conf").arg(folders[1])});
    }

    void sizeBoundReturnsNoFolders()
    {
        Fixture f;
        f.db->addFile(10, kRoot, QStringLiteral("data"), true);
        f.db->addFile(11, 10, QStringLiteral("data.bin"), false);
        FileSearchRequest request;
        request.name = QStringLiteral("data");
        request.maxSize = 100;
        QCOMPARE(f.search(request), QStringList{QStringLiteral("f /data/data.bin")});
    }

    // Files that the database must refuse.
    void loadRefusesBadFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");
        const USN now = currentUsn();
        auto file = [](JournalID journal, USN position, qint32 count, int records, const QByteArray &tail = {}) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QDataStream out(&buffer);
            DriveDBFile::writeHeader(out, journal, position, count);
            DriveDBRecordWriter writer(buffer);
            for (int i = 0; i < records; ++i)
                writer.write(0, FRN(100 + i), "name", false);
            writer.flush();
            return bytes + tail;
        };
        const USN past = now - 1000;
        // A record's parent and number, then the length of its name.
        const QByteArray head = QByteArray::fromHex("0000000000000000" "0000000000000001");
        QTest::newRow("other journal") << file(78, past, 1, 1);
        QTest::newRow("clock went back") << file(77, now + qint64(3600) * 1000000000, 1, 1);
        QTest::newRow("negative name length") << file(77, past, 2, 1, head + QByteArray::fromHex("fffffffc"));
        QTest::newRow("name length above limit")
            << file(77, past, 2, 1, head + QByteArray::fromHex("00000401") + QByteArray(1025, 'x') + '\1');
        QTest::newRow("name cut short") << file(77, past, 2, 1, head + QByteArray::fromHex("00000005") + "ab");
        QTest::newRow("header cut") << QByteArray::fromHex("000000060031");
        QTest::newRow("version longer than any") << QByteArray::fromHex("7ffffff0003100");
        QTest::newRow("count of 2^31-1") << file(77, past, std::numeric_limits<qint32>::max(), 1);
        QTest::newRow("count below the records") << file(77, past, 2, 3);
    }

    void loadRefusesBadFiles()
    {
        QFETCH(QByteArray, contents);
        Fixture f;
        QVERIFY(TestFiles::write(f.dir.filePath(QStringLiteral("DB/Q")), contents));
        QVERIFY(!f.db->load(nullptr));
        QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("DB/Q")))); // left on disk; the next save replaces it
        // The rebuild starts from nothing: no record read before the damage stays.
        QCOMPARE(f.db->fileCount(), 0);
    }

    // A FIFO or a link planted at the database's name: the load refuses both
    // without blocking; the save replaces the name, not what a link points to.
    void specialFilesAtTheDatabaseNameAreReplaced_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("fifo") << true;
        QTest::newRow("link to a good database") << false;
    }

    void specialFilesAtTheDatabaseNameAreReplaced()
    {
        QFETCH(bool, fifo);
        Fixture target;
        target.db->addFile(10, kRoot, QStringLiteral("saved"), false);
        target.db->save();
        const QString saved = target.dir.filePath(QStringLiteral("DB/Q"));
        const QByteArray before = TestFiles::read(saved);

        Fixture planted;
        const QString name = planted.dir.filePath(QStringLiteral("DB/Q"));
        QVERIFY(QDir().mkpath(planted.dir.filePath(QStringLiteral("DB"))));
        if (fifo)
            QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(saved, name));
        QVERIFY(!planted.db->load(nullptr));
        planted.db->addFile(20, kRoot, QStringLiteral("mine"), false);
        planted.db->save();
        const QFileInfo info(name);
        QVERIFY(info.isFile() && !info.isSymLink());
        QCOMPARE(TestFiles::read(saved), before);
    }
};

QTEST_GUILESS_MAIN(NTFSDriveDBTest)
#include "NTFSDriveDBTest.moc"
