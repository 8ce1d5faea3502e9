#include "search/FileSearchResults.h"
#include "support/UnprivilegedUser.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

using Item = FileSearchResults::FileItem;
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Adds full paths in their order: one ending in "/" is a folder, the others are files without matches.
void fill(FileSearchResults &results, const QStringList &paths)
{
    for (const QString &entry : paths) {
        const bool folder = entry.endsWith(QLatin1Char('/'));
        const QString path = folder ? entry.chopped(1) : entry;
        const int slash = path.lastIndexOf(QLatin1Char('/'));
        if (folder)
            results.addFolder(path.mid(slash + 1), path.left(slash));
        else
            results.addFile(path.mid(slash + 1), path.left(slash), 0);
    }
}

// The visible rows as names; folders get a trailing "/".
QStringList rows(const FileSearchResults &results)
{
    QStringList names;
    for (int row = 0; row < results.count(); ++row) {
        const QString name = QString::fromUtf8(results.item(row).name);
        names.append(results.isFolder(row) ? name + QLatin1Char('/') : name);
    }
    return names;
}

QList<FileCategory> oneCategory(const QString &attributes, const QString &extensions)
{
    return {FileCategory{QString(), QString(), QStringLiteral("All")},
            FileCategory{attributes, extensions, QStringLiteral("Tested")}};
}

bool writeFile(const QString &path, int size, QFile::Permissions permissions)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(size, 'x')) != size)
        return false;
    file.close();
    return file.setPermissions(permissions);
}

const QFile::Permissions kWritable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
    | QFile::ReadOther | QFile::WriteOther;
const QFile::Permissions kReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

} // namespace

class FileSearchResultsTest : public QObject
{
    Q_OBJECT

    struct SortFile
    {
        QString name;
        QString folder;
        int size;
        int modifiedYear;
        int accessedYear;
        int matches;
    };

    QTemporaryDir m_dir;
    QList<SortFile> m_arrival;

    // A tree for the attribute filter: two folders, files writable and
    // read-only, hidden and not. Readable and traversable for everyone, so
    // the read-only check can run as an ordinary user.
    QString makeFilterTree()
    {
        const QString root = m_dir.filePath(QStringLiteral("filter"));
        QDir().mkpath(root + QStringLiteral("/docs"));
        QDir().mkpath(root + QStringLiteral("/.config"));
        const QFile::Permissions traversable = kReadOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther
            | QFile::WriteOwner;
        QFile::setPermissions(m_dir.path(), traversable);
        QFile::setPermissions(root, traversable);
        bool ok = writeFile(root + QStringLiteral("/notes.txt"), 1, kWritable)
            && writeFile(root + QStringLiteral("/README"), 1, kReadOnly)
            && writeFile(root + QStringLiteral("/.profile"), 1, kWritable)
            && writeFile(root + QStringLiteral("/Report.TXT"), 1, kReadOnly)
            && writeFile(root + QStringLiteral("/image.png"), 1, kWritable)
            && writeFile(root + QStringLiteral("/.secret"), 1, kReadOnly);
        return ok ? root : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Created in this order; every change precedes the next creation, so birth and
        // status-change times have the same order.
        const QList<SortFile> files{{"b.txt", "y", 300, 2021, 2013, 5},
                                    {"Readme", "x", 100, 2023, 2011, 1},
                                    {"a.MD", "y", 200, 2022, 2012, 9},
                                    {"C.log", "x", 0, 2020, 2014, 3}};
        for (const SortFile &f : files) {
            QFile file(m_dir.filePath(QStringLiteral("sort/%1/%2").arg(f.folder, f.name)));
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(QByteArray(f.size, 'x')), qint64(f.size));
            QVERIFY(file.flush()); // a later flush would set the modification time again
            QVERIFY(file.setFileTime(QDateTime(QDate(f.modifiedYear, 6, 1), QTime(12, 0)),
                                     QFileDevice::FileModificationTime));
            QVERIFY(file.setFileTime(QDateTime(QDate(f.accessedYear, 6, 1), QTime(12, 0)),
                                     QFileDevice::FileAccessTime));
            file.close();
            QThread::msleep(15);
        }
        m_arrival = {files[2], files[3], files[0], files[1]};
    }

    void foldersComeBeforeFiles()
    {
        FileSearchResults results;
        results.addFile(QStringLiteral("a.txt"), QStringLiteral("/x"), 3);
        results.addFolder(QStringLiteral("sub"), QStringLiteral("/x"));
        results.addFile(QStringLiteral("b.txt"), QStringLiteral("/x"), 0);
        results.addFolder(QStringLiteral("other"), QStringLiteral("/y"));
        QCOMPARE(rows(results), (QStringList{"sub/", "other/", "a.txt", "b.txt"}));
        QCOMPARE(results.item(2).matches, 3);
    }

    // The window reads rows while the search still adds them.
    void rowsCanBeReadWhileASearchAdds()
    {
        FileSearchResults results;
        const int kAdded = 50000;
        std::unique_ptr<QThread> search(QThread::create([&results] {
            for (int i = 0; i < kAdded; ++i) {
                if (i % 100 == 0)
                    results.addFolder(QStringLiteral("d%1").arg(i), QStringLiteral("/x"));
                results.addFile(QStringLiteral("f%1").arg(i), QStringLiteral("/x"), 0);
            }
        }));
        search->start();
        int torn = 0;
        while (!search->isFinished()) {
            const int last = results.count() - 1;
            if (last >= 0 && !results.fullPath(last).startsWith(QLatin1String("/x/")))
                ++torn;
            results.setFilter(-1, {});
        }
        search->wait();
        QCOMPARE(torn, 0);
        QCOMPARE(results.count(), kAdded + kAdded / 100);
    }

    void rowsOutOfRangeAreEmpty()
    {
        FileSearchResults results;
        results.addFile(QStringLiteral("a"), QStringLiteral("/"), 0);
        QVERIFY(!results.item(1).name);
        QVERIFY(!results.item(-1).name);
        QCOMPARE(results.fullPath(5), QString());
        QVERIFY(!results.isFolder(-1));
        results.addFile(QStringLiteral("b"), QStringLiteral("/"), 0);
        results.remove({7, 0});
        QCOMPARE(rows(results), QStringList{"b"});
    }

    void fullPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nested") << "/home/me" << "a.txt" << "/home/me/a.txt";
        QTest::newRow("in the root") << "/" << "etc" << "/etc";
        QTest::newRow("parent split off a root entry") << QString() << "etc" << "/etc";
    }

    void fullPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        FileSearchResults results;
        results.addFile(name, path, 0);
        QCOMPARE(results.fullPath(0), expected);
        QCOMPARE(FileSearchResults::fullPath(results.item(0)), expected);
    }

    void extension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("last dot, lower case") << "a.tar.GZ" << "gz";
        QTest::newRow("none") << "Makefile" << QString();
        QTest::newRow("trailing dot") << "a." << QString();
        QTest::newRow("dot file") << ".bashrc" << "bashrc";
    }

    void extension()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(FileSearchResults::extension(name), expected);
    }

    void filter_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<QString>("extensions");
        QTest::addColumn<QStringList>("expected");
        const QStringList all{"docs/", ".config/", "notes.txt", "README", ".profile", "Report.TXT", "image.png",
                              ".secret"};
        QTest::newRow("everything") << QString() << QString() << all;
        QTest::newRow("r: read-only files, no folders")
            << "r" << QString() << QStringList{"README", "Report.TXT", ".secret"};
        QTest::newRow("h: hidden folders and files") << "h" << QString()
                                                     << QStringList{".config/", ".profile", ".secret"};
        QTest::newRow("extension list upper case") << QString() << "PNG;TXT"
                                                   << QStringList{"notes.txt", "Report.TXT", "image.png"};
        QTest::newRow("empty part: no extension") << QString() << "txt;"
                                                  << QStringList{"docs/", "notes.txt", "README", "Report.TXT"};
    }

    void filter()
    {
        QFETCH(QString, attributes);
        QFETCH(QString, extensions);
        QFETCH(QStringList, expected);
        const QString root = makeFilterTree();
        QVERIFY(!root.isEmpty());
        FileSearchResults results;
        QStringList entries{"docs/", "notes.txt", "README", ".config/", ".profile", "Report.TXT", "image.png",
                            ".secret"};
        fill(results, entries.replaceInStrings(QRegularExpression("^"), root + QLatin1Char('/')));
        {
            UnprivilegedUser user;
            if (!user.ok())
                QSKIP("root cannot drop to another user to see read-only files");
            results.setFilter(1, oneCategory(attributes, extensions));
        }
        QCOMPARE(results.filterIndex(), 1);
        QCOMPARE(rows(results), expected);

        results.setFilter(-1, oneCategory(attributes, extensions));
        QCOMPARE(results.count(), 8);
        QCOMPARE(rows(results).first(), QStringLiteral("docs/"));
    }

    void filterTakesItemsAddedLater()
    {
        FileSearchResults results;
        fill(results, {"/p/a", "/p/b/"});
        results.setFilter(1, oneCategory(QStringLiteral("f"), QString()));
        fill(results, {"/p/c", "/p/d/"});
        QCOMPARE(rows(results), (QStringList{"a", "c"}));
    }

    void sort_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("expected");
        // Arrival order: a.MD, C.log, b.txt, Readme (see initTestCase()).
        QTest::newRow("name") << 0 << false << QStringList{"a.MD", "b.txt", "C.log", "Readme"};
        QTest::newRow("name desc") << 0 << true << QStringList{"Readme", "C.log", "b.txt", "a.MD"};
        QTest::newRow("path keeps arrival order within a folder")
            << 1 << false << QStringList{"C.log", "Readme", "a.MD", "b.txt"};
        QTest::newRow("size") << 2 << false << QStringList{"C.log", "Readme", "a.MD", "b.txt"};
        QTest::newRow("created") << 3 << false << QStringList{"b.txt", "Readme", "a.MD", "C.log"};
        QTest::newRow("modified") << 4 << false << QStringList{"C.log", "b.txt", "a.MD", "Readme"};
        QTest::newRow("accessed") << 5 << false << QStringList{"Readme", "a.MD", "b.txt", "C.log"};
        QTest::newRow("extension: none first") << 6 << false << QStringList{"Readme", "C.log", "a.MD", "b.txt"};
        QTest::newRow("matches") << 7 << false << QStringList{"Readme", "C.log", "b.txt", "a.MD"};
        QTest::newRow("unknown column desc") << -1 << true << QStringList{"a.MD", "C.log", "b.txt", "Readme"};
    }

    void sort()
    {
        QFETCH(int, column);
        QFETCH(bool, descending);
        QFETCH(QStringList, expected);
        const QString root = m_dir.filePath(QStringLiteral("sort"));
        FileSearchResults results;
        results.addFolder(QStringLiteral("y"), root);
        results.addFolder(QStringLiteral("x"), root);
        for (const SortFile &f : m_arrival)
            results.addFile(f.name, root + QLatin1Char('/') + f.folder, f.matches);
        results.sort(column, descending);
        // Folders stay above the files in either direction.
        QCOMPARE(rows(results).mid(2), expected);
        QVERIFY(results.isFolder(1));
    }

    void sortUnderFilterSortsTheVisibleRows()
    {
        FileSearchResults results;
        fill(results, {"/p/c.txt", "/p/b.doc", "/p/a.txt"});
        results.setFilter(1, oneCategory(QString(), QStringLiteral("txt")));
        results.sort(FileSearchResults::Name, false);
        QCOMPARE(rows(results), (QStringList{"a.txt", "c.txt"}));
        results.setFilter(-1, {});
        QCOMPARE(rows(results), (QStringList{"c.txt", "b.doc", "a.txt"}));
    }

    void reorder_data()
    {
        QTest::addColumn<std::vector<int>>("order");
        QTest::addColumn<QStringList>("expected");
        const QStringList unchanged{"f/", "g/", "a", "b", "c"};
        QTest::newRow("permutation") << std::vector<int>{1, 0, 4, 2, 3} << QStringList{"g/", "f/", "c", "a", "b"};
        QTest::newRow("folder among files") << std::vector<int>{2, 0, 1, 3, 4} << unchanged;
        QTest::newRow("row twice") << std::vector<int>{0, 1, 2, 2, 3} << unchanged;
    }

    void reorder()
    {
        QFETCH(std::vector<int>, order);
        QFETCH(QStringList, expected);
        FileSearchResults results;
        fill(results, {"/p/f/", "/p/g/", "/p/a", "/p/b", "/p/c"});
        results.reorder(order);
        QCOMPARE(rows(results), expected);
    }

    void remove_data()
    {
        QTest::addColumn<QList<int>>("removed");
        QTest::addColumn<QStringList>("visibleAfter");
        QTest::addColumn<QStringList>("unfilteredAfter");
        // Filter "txt" shows: a.txt/ 1.txt(/p) 3.txt 4.txt 1.txt(/q) 7.txt as rows 0 to 5.
        QTest::newRow("rows unordered and repeated under a filter")
            << QList<int>{5, 0, 5} << QStringList{"1.txt", "3.txt", "4.txt", "1.txt"}
            << QStringList{"b/", "1.txt", "2.doc", "3.txt", "4.txt", "5.doc", "1.txt"};
        QTest::newRow("same name elsewhere: only the matching path goes")
            << QList<int>{4} << QStringList{"a.txt/", "1.txt", "3.txt", "4.txt", "7.txt"}
            << QStringList{"a.txt/", "b/", "1.txt", "2.doc", "3.txt", "4.txt", "5.doc", "7.txt"};
    }

    void remove()
    {
        QFETCH(QList<int>, removed);
        QFETCH(QStringList, visibleAfter);
        QFETCH(QStringList, unfilteredAfter);
        FileSearchResults results;
        fill(results, {"/p/a.txt/", "/p/b/", "/p/1.txt", "/p/2.doc", "/p/3.txt", "/p/4.txt", "/p/5.doc", "/q/1.txt",
                       "/p/7.txt"});
        results.setFilter(1, oneCategory(QString(), QStringLiteral("txt")));
        results.remove(removed);
        QCOMPARE(rows(results), visibleAfter);
        QCOMPARE(results.count(), visibleAfter.size());
        results.setFilter(-1, {});
        QCOMPARE(rows(results), unfilteredAfter);
    }

    void renameUnderFilterSurvivesLiftingIt()
    {
        FileSearchResults results;
        fill(results, {"/p/dir/", "/p/a.doc", "/p/b.txt", "/p/c.txt"});
        const char *oldName = results.item(3).name;
        results.rename(0, QStringLiteral("folder"));
        results.setFilter(1, oneCategory(QString(), QStringLiteral("txt")));
        results.rename(1, QStringLiteral("renamed.txt"));
        QCOMPARE(rows(results), (QStringList{"b.txt", "renamed.txt"}));
        QCOMPARE(results.fullPath(1), QStringLiteral("/p/renamed.txt"));
        // The old string stays in the pool, still readable by whoever holds it.
        QCOMPARE(QByteArray(oldName), QByteArray("c.txt"));
        results.setFilter(-1, {});
        QCOMPARE(rows(results), (QStringList{"folder/", "a.doc", "b.txt", "renamed.txt"}));
        // A later removal under the filter still finds the renamed counterpart.
        results.setFilter(1, oneCategory(QString(), QStringLiteral("txt")));
        results.remove({1});
        results.setFilter(-1, {});
        QCOMPARE(rows(results), (QStringList{"folder/", "a.doc", "b.txt"}));
    }

    // A category that lets everything through shows the rows themselves:
    // removing and renaming there change exactly those rows.
    void allCategoryShowsTheRowsThemselves()
    {
        FileSearchResults results;
        fill(results, {"/r/docs/", "/r/a.txt", "/r/b.txt", "/r/c.doc"});
        results.setFilter(0, oneCategory(QString(), QStringLiteral("txt")));
        QCOMPARE(rows(results), (QStringList{"docs/", "a.txt", "b.txt", "c.doc"}));
        results.remove({2});
        results.rename(1, QStringLiteral("z.txt"));
        fill(results, {"/r/d.txt"});
        results.setFilter(-1, {});
        QCOMPARE(rows(results), (QStringList{"docs/", "z.txt", "c.doc", "d.txt"}));
    }

    // A finished set gives back its spare room and look-up tables: every row
    // keeps its text, and adding, renaming and filtering still work after.
    void compactKeepsRowsAndLaterChanges()
    {
        FileSearchResults results;
        fill(results, {"/r/docs/", "/r/docs/a.txt", "/r/docs/b.txt", "/r/b.txt", "/r/c.doc"});
        results.setFilter(1, oneCategory(QString(), QStringLiteral("txt")));
        results.compact();
        QCOMPARE(rows(results), (QStringList{"a.txt", "b.txt", "b.txt"}));
        QCOMPARE(results.fullPath(2), QStringLiteral("/r/b.txt"));
        fill(results, {"/r/new.txt", "/r/docs/"});
        results.rename(0, QStringLiteral("b.txt"));
        QCOMPARE(rows(results), (QStringList{"b.txt", "b.txt", "b.txt", "new.txt"}));
        results.setFilter(-1, {});
        QCOMPARE(rows(results), (QStringList{"docs/", "docs/", "b.txt", "b.txt", "b.txt", "c.doc", "new.txt"}));
        QCOMPARE(results.fullPath(0), QStringLiteral("/r/docs"));
    }

    void folderList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("includes");
        QTest::addColumn<QStringList>("excludes");
        QTest::addColumn<QString>("formatted");
        QTest::newRow("exclusion quoted for its ;")
            << "/a;!\"/x;y\"" << QStringList{"/a"} << QStringList{"/x;y"} << "/a;!\"/x;y\"";
        QTest::newRow("escaped quote inside quotes")
            << "\"/with;semi\\\";x\"" << QStringList{"/with;semi\";x"} << QStringList() << "\"/with;semi\\\";x\"";
        QTest::newRow("empty text") << QString() << QStringList() << QStringList() << QString();
        QTest::newRow("empty entries are skipped") << ";/a;;/b;" << QStringList{"/a", "/b"} << QStringList() << "/a;/b";
        QTest::newRow("a lone ! or quote is empty") << "!;\"" << QStringList() << QStringList() << QString();
    }

    void folderList()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, includes);
        QFETCH(QStringList, excludes);
        QFETCH(QString, formatted);
        // The parser appends: what the lists held stays in front.
        QStringList includePaths{QStringLiteral("/kept")};
        QStringList excludePaths;
        FileSearchResults::parseFolderList(text, includePaths, excludePaths);
        QCOMPARE(includePaths.takeFirst(), QStringLiteral("/kept"));
        QCOMPARE(includePaths, includes);
        QCOMPARE(excludePaths, excludes);
        QCOMPARE(FileSearchResults::formatFolderList(includePaths, excludePaths), formatted);
        // The formatted text reads back as the same lists.
        QStringList againIn;
        QStringList againEx;
        FileSearchResults::parseFolderList(formatted, againIn, againEx);
        QCOMPARE(againIn, includes);
        QCOMPARE(againEx, excludes);
    }

};

QTEST_GUILESS_MAIN(FileSearchResultsTest)
#include "FileSearchResultsTest.moc"
