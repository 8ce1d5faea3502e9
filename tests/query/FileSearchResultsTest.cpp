#include "query/FileSearchResults.h"
#include "support/TempTree.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QThread>

#include <memory>

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
        int matches;
    };

    TempTree m_sortTree;
    QList<SortFile> m_arrival;

private slots:
    void initTestCase()
    {
        // Created in this order, so birth and status-change times have the same order.
        const QList<SortFile> files{{"b.txt", "y", 300, 2021, 5},
                                    {"Readme", "x", 100, 2023, 1},
                                    {"a.MD", "y", 200, 2022, 9},
                                    {"C.log", "x", 0, 2020, 3}};
        for (const SortFile &f : files) {
            QVERIFY(m_sortTree.add(f.folder + QLatin1Char('/') + f.name, QByteArray(f.size, 'x')));
            QFile file(m_sortTree.path(f.folder + QLatin1Char('/') + f.name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime(QDate(f.modifiedYear, 6, 1), QTime(12, 0)),
                                     QFileDevice::FileModificationTime));
            file.close();
            QThread::msleep(15);
        }
        m_arrival = {files[2], files[3], files[0], files[1]};

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

    // Two search threads add batches while the window removes rows and sets filters: a list grown by one thread
    // outside the write lock takes the rows the other added meanwhile, a removal meanwhile is not undone by the
    // grown copy, and no row is lost or doubled.
    void rowsAddedByTwoThreadsAreKeptOnceEach()
    {
        FileSearchResults results;
        const int kBatches = 300;
        const int kPerBatch = 100;
        auto add = [&results](char tag) {
            std::vector<QByteArray> names(kPerBatch);
            std::vector<const char *> namePointers(kPerBatch);
            const std::vector<const char *> paths(kPerBatch, "/x");
            std::vector<unsigned char> folders(kPerBatch);
            for (int batch = 0; batch < kBatches; ++batch) {
                for (int i = 0; i < kPerBatch; ++i) {
                    names[std::size_t(i)] = tag + QByteArray::number(batch * kPerBatch + i);
                    namePointers[std::size_t(i)] = names[std::size_t(i)].constData();
                    folders[std::size_t(i)] = i % 10 == 0;
                }
                results.addBatch(namePointers.data(), paths.data(), folders.data(), std::size_t(kPerBatch));
            }
        };
        std::unique_ptr<QThread> first(QThread::create(add, 'a'));
        std::unique_ptr<QThread> second(QThread::create(add, 'b'));
        first->start();
        second->start();
        QSet<QByteArray> removed;
        while (!first->isFinished() || !second->isFinished()) {
            // The first file, which additions never move.
            const std::vector<FileSearchResults::FileItem> first = results.itemsBetween(/*folders=*/false, 0, 1);
            if (!first.empty()) {
                removed.insert(first.front().name);
                results.remove(QList<int>{}, QList<int>{0});
            }
            results.setFilter(-1, {});
        }
        first->wait();
        second->wait();
        QVERIFY(!removed.isEmpty());
        QCOMPARE(results.count(), 2 * kBatches * kPerBatch - removed.size());
        QSet<QByteArray> seen;
        for (int row = 0; row < results.count(); ++row) {
            const QByteArray name = results.item(row).name;
            QVERIFY2(!removed.contains(name), name.constData());
            seen.insert(name);
        }
        QCOMPARE(seen.size(), results.count());
    }

    void filter_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<QString>("extensions");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("d: folders") << "d" << QString() << QStringList{"docs/", ".config/"};
        QTest::newRow("h: hidden folders and files") << "h" << QString()
                                                     << QStringList{".config/", ".profile", ".secret"};
        QTest::newRow("f, extension list upper case") << "f" << "PNG;TXT"
                                                      << QStringList{"notes.txt", "Report.TXT", "image.png"};
        QTest::newRow("empty part: no extension") << QString() << "txt;"
                                                  << QStringList{"docs/", "notes.txt", "README", "Report.TXT"};
    }

    void filter()
    {
        QFETCH(QString, attributes);
        QFETCH(QString, extensions);
        QFETCH(QStringList, expected);
        FileSearchResults results;
        fill(results, {"/p/docs/", "/p/notes.txt", "/p/README", "/p/.config/", "/p/.profile", "/p/Report.TXT",
                       "/p/image.png", "/p/.secret"});
        results.setFilter(1, oneCategory(attributes, extensions));
        QCOMPARE(results.filterIndex(), 1);
        QCOMPARE(rows(results), expected);
        results.setFilter(-1, oneCategory(attributes, extensions));
        QCOMPARE(results.count(), 8);
        QCOMPARE(rows(results).first(), QStringLiteral("docs/"));
    }

    // What the index service sends comes a message at a time: a batch gives the rows that adding its entries one
    // by one gives, also under a filter set before, and equal names and folders are still stored once.
    void aBatchAddsAsOneByOne()
    {
        const std::vector<const char *> names{"docs", "notes.txt", "notes.txt", "image.png", "sub", "notes.txt"};
        const std::vector<const char *> paths{"/p", "/p", "/p/docs", "/p", "/p/docs", "/p/docs/sub"};
        const std::vector<unsigned char> folders{1, 0, 0, 0, 1, 0};
        FileSearchResults single;
        FileSearchResults batch;
        for (FileSearchResults *results : {&single, &batch})
            results->setFilter(1, oneCategory(QString(), QStringLiteral("txt")));
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (folders[i])
                single.addFolder(names[i], paths[i]);
            else
                single.addFile(names[i], paths[i]);
        }
        batch.addBatch(names.data(), paths.data(), folders.data(), names.size());
        QCOMPARE(rows(batch), rows(single));
        QCOMPARE(rows(batch), (QStringList{"notes.txt", "notes.txt", "notes.txt"}));
        batch.setFilter(-1, {});
        single.setFilter(-1, {});
        QCOMPARE(batch.count(), 6);
        for (int row = 0; row < batch.count(); ++row)
            QCOMPARE(batch.fullPath(row), single.fullPath(row));
        // Rows 2 to 5 are the files "notes.txt" in /p, "notes.txt" in /p/docs and "image.png" in /p.
        QVERIFY(batch.item(2).name == batch.item(3).name);
        QVERIFY(batch.item(2).path == batch.item(4).path);
    }

    // Rows put in order off the UI thread take the place of those the sorter read; rows a search added meanwhile
    // follow them. Given more rows than there are, nothing changes.
    void sortedRowsTakeTheirPlace()
    {
        FileSearchResults results;
        fill(results, {"/p/b/", "/p/a/", "/p/3", "/p/1", "/p/2"});
        const QVector<FileSearchResults::FileItem> folders{results.item(1), results.item(0)};
        const QVector<FileSearchResults::FileItem> files{results.item(3), results.item(4), results.item(2)};
        fill(results, {"/p/c/", "/p/0"});
        results.placeSorted(folders, files);
        QCOMPARE(rows(results), (QStringList{"a/", "b/", "c/", "1", "2", "3", "0"}));
        results.placeSorted(folders, files + files);
        QCOMPARE(rows(results), (QStringList{"a/", "b/", "c/", "1", "2", "3", "0"}));
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
        QTest::newRow("extension: none first") << 6 << false << QStringList{"Readme", "C.log", "a.MD", "b.txt"};
        QTest::newRow("matches") << 7 << false << QStringList{"Readme", "C.log", "b.txt", "a.MD"};
    }

    void sort()
    {
        QFETCH(int, column);
        QFETCH(bool, descending);
        QFETCH(QStringList, expected);
        FileSearchResults results;
        results.addFolder(QStringLiteral("y"), m_sortTree.path());
        results.addFolder(QStringLiteral("x"), m_sortTree.path());
        for (const SortFile &f : qAsConst(m_arrival))
            results.addFile(f.name, m_sortTree.path(f.folder), f.matches);
        results.sort(column, descending);
        // Folders stay above the files in either direction.
        QCOMPARE(rows(results).mid(2), expected);
        QVERIFY(results.isFolder(1));
    }

    // Names are ordered by their case-folded characters, beyond ASCII too; equal ones keep their order.
    void sortFoldsCaseBeyondAscii()
    {
        FileSearchResults results;
        for (const char *name : {"über", "Zebra", "Äpfel", "apfel", "ÜBER", "_x", "Apfel"})
            results.addFile(QString::fromUtf8(name), QStringLiteral("/p"), 0);
        results.sort(FileSearchResults::Name, /*descending=*/false);
        QStringList names;
        for (int row = 0; row < results.count(); ++row)
            names << QString::fromUtf8(results.item(row).name);
        QCOMPARE(names, (QStringList{"_x", "apfel", "Apfel", "Zebra", "Äpfel", "über", "ÜBER"}));
    }

    // Rows unordered and repeated under a filter; "1.txt" also lies in another folder.
    void removeUnderFilter()
    {
        FileSearchResults results;
        fill(results, {"/p/a.txt/", "/p/b/", "/p/1.txt", "/p/2.doc", "/p/3.txt", "/p/4.txt", "/p/5.doc", "/q/1.txt",
                       "/p/7.txt"});
        results.setFilter(1, oneCategory(QString(), QStringLiteral("txt")));
        results.remove({5, 0, 5, 4});
        QCOMPARE(rows(results), (QStringList{"1.txt", "3.txt", "4.txt"}));
        QCOMPARE(results.fullPath(0), QStringLiteral("/p/1.txt"));
        results.setFilter(-1, {});
        QCOMPARE(rows(results), (QStringList{"b/", "1.txt", "2.doc", "3.txt", "4.txt", "5.doc"}));
    }

    // Every finished search is compacted; the monitor still adds and renames after it.
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

    // A sort on another thread reads names after a new search has deleted
    // the set it sorts: the holder keeps them. Names of several megabytes
    // lie in blocks that go back to the system with the set, so a read of
    // a freed one fails at once, not only under the sanitizers.
    void textOwnerKeepsNamesAfterTheSetIsGone()
    {
        auto results = std::make_unique<FileSearchResults>();
        const QByteArray tail(200, 'n');
        std::vector<QByteArray> names;
        for (int i = 0; i < 30000; ++i)
            names.push_back(QByteArray::number(i) + tail);
        for (const QByteArray &name : names)
            results->addFile(name.constData(), "/some/folder");
        const FileSearchResults::FileItem first = results->fileItem(0);
        const FileSearchResults::FileItem last = results->fileItem(int(names.size()) - 1);
        std::shared_ptr<const void> owner = results->textOwner();
        results.reset();
        QCOMPARE(QByteArray(first.name), names.front());
        QCOMPARE(QByteArray(last.name), names.back());
        QCOMPARE(QByteArray(last.path), QByteArray("/some/folder"));
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
        QTest::newRow("a lone ! or quote is empty") << "!;\"" << QStringList() << QStringList() << QString();
    }

    void folderList()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, includes);
        QFETCH(QStringList, excludes);
        QFETCH(QString, formatted);
        QStringList includePaths;
        QStringList excludePaths;
        FileSearchResults::parseFolderList(text, includePaths, excludePaths);
        QCOMPARE(includePaths, includes);
        QCOMPARE(excludePaths, excludes);
        QCOMPARE(FileSearchResults::formatFolderList(includePaths, excludePaths), formatted);
    }
};

QTEST_GUILESS_MAIN(FileSearchResultsTest)
#include "FileSearchResultsTest.moc"
