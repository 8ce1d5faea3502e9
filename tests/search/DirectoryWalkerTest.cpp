#include "search/DirectoryWalker.h"
#include "support/TempTree.h"

#include <QFile>
#include <QSet>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Everything a walk returns, as paths relative to `base`, in walk order.
static QStringList walk(DirectoryWalker &walker, const QString &base, QStringList *dirs = nullptr)
{
    QStringList paths;
    for (QString path = walker.next(); !path.isEmpty(); path = walker.next()) {
        const QString relative = path.mid(base.size() + 1);
        // What the accessors report must add up to the returned path.
        if (walker.dirPath() + QLatin1Char('/') + walker.fileName() != path)
            return {QStringLiteral("accessor mismatch: ") + path};
        if (dirs && walker.isDir())
            dirs->append(relative);
        paths.append(relative);
    }
    return paths;
}

class DirectoryWalkerTest : public QObject
{
    Q_OBJECT
private slots:
    void recursiveWalkIsBreadthFirst()
    {
        TempTree tree({"a/b/deep.txt", "a/one.txt", "c/", "top.txt"});
        DirectoryWalker walker({tree.path()}, {}, /*recurse=*/true);
        QStringList dirs;
        const QStringList paths = walk(walker, tree.path(), &dirs);
        QCOMPARE(paths.size(), 6);
        QCOMPARE(QSet<QString>(paths.begin(), paths.end()),
                 QSet<QString>({"a", "c", "top.txt", "a/b", "a/one.txt", "a/b/deep.txt"}));
        // Every entry of a folder comes before anything of its subfolders.
        QVERIFY(paths.indexOf("top.txt") < paths.indexOf("a/one.txt"));
        QVERIFY(paths.indexOf("a/one.txt") < paths.indexOf("a/b/deep.txt"));
        QCOMPARE(QSet<QString>(dirs.begin(), dirs.end()), QSet<QString>({"a", "a/b", "c"}));
    }

    void withoutRecursionOnlyTheRootsEntries()
    {
        TempTree tree({"a/b/deep.txt", "a/one.txt", "top.txt"});
        TempTree other({"x.txt"});
        DirectoryWalker walker({tree.path(), other.path()}, {}, /*recurse=*/false);
        QStringList all;
        for (QString path = walker.next(); !path.isEmpty(); path = walker.next())
            all.append(path);
        QCOMPARE(QSet<QString>(all.begin(), all.end()),
                 QSet<QString>({tree.path("a"), tree.path("top.txt"), other.path("x.txt")}));
    }

    void excludesBySubstringInAnyCase_data()
    {
        QTest::addColumn<QString>("exclude");
        QTest::addColumn<QStringList>("expected");
        const QStringList all{"keep", "keep/My TeMp stuff", "keep/My TeMp stuff/x.txt", "keep/y.txt", "temp",
                              "temp/z.txt"};
        QTest::newRow("empty entry excludes nothing") << QString() << all;
        QTest::newRow("upper case") << "TEMP" << QStringList{"keep", "keep/y.txt"};
        QTest::newRow("part of a deeper name") << "y tem" << QStringList{"keep", "keep/y.txt", "temp", "temp/z.txt"};
    }

    void excludesBySubstringInAnyCase()
    {
        QFETCH(QString, exclude);
        QFETCH(QStringList, expected);
        TempTree tree({"keep/My TeMp stuff/x.txt", "keep/y.txt", "temp/z.txt"});
        DirectoryWalker walker({tree.path()}, {exclude}, true);
        QStringList paths = walk(walker, tree.path());
        paths.sort();
        expected.sort();
        QCOMPARE(paths, expected);
    }

    void excludedAndMissingRootsAreSkipped()
    {
        TempTree tree({"skipme/a.txt", "other/b.txt"});
        DirectoryWalker walker({tree.path("skipme"), tree.path("missing"), tree.path("other")}, {"SKIPME"}, true);
        QCOMPARE(walk(walker, tree.path()), QStringList{"other/b.txt"});
    }

    void symbolicLinksAreFilesAndNotFollowed()
    {
        TempTree tree({"real/inside.txt"});
        QVERIFY(QFile::link(tree.path(), tree.path("real/loop")));
        DirectoryWalker walker({tree.path()}, {}, true);
        QStringList dirs;
        QStringList paths = walk(walker, tree.path(), &dirs);
        paths.sort();
        QCOMPARE(paths, QStringList({"real", "real/inside.txt", "real/loop"}));
        QCOMPARE(dirs, QStringList{"real"});
    }

    void trailingSlashOfRootGivesSingleSlashes()
    {
        TempTree tree({"sub/f.txt"});
        DirectoryWalker walker({tree.path() + "/"}, {}, true);
        QCOMPARE(walker.next(), tree.path("sub"));
        QCOMPARE(walker.dirPath(), tree.path());
        QCOMPARE(walker.next(), tree.path("sub/f.txt"));
        QCOMPARE(walker.dirPath(), tree.path("sub"));
        QCOMPARE(walker.fileName(), QStringLiteral("f.txt"));
        QVERIFY(walker.next().isEmpty());
    }

    // 40 folders of 120-byte names: the deepest entries lie beyond PATH_MAX.
    void pathsLongerThanTheKernelTakes()
    {
        TempTree tree;
        const QByteArray name(120, 'd');
        int fd = ::open(QFile::encodeName(tree.path()).constData(), O_RDONLY | O_DIRECTORY);
        for (int depth = 0; depth < 40 && fd >= 0; ++depth) {
            QCOMPARE(::mkdirat(fd, name.constData(), 0700), 0);
            const int child = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = child;
        }
        QVERIFY(fd >= 0);
        QVERIFY(::close(::openat(fd, "leaf.txt", O_CREAT | O_WRONLY, 0600)) == 0);
        ::close(fd);
        // QTemporaryDir cannot remove what lies beyond PATH_MAX.
        const auto removeTree = qScopeGuard([&] { QProcess::execute("rm", {"-rf", tree.path() + "/" + name}); });

        DirectoryWalker walker({tree.path()}, {}, true);
        QStringList found;
        for (QString path = walker.next(); !path.isEmpty(); path = walker.next())
            found << path;
        QCOMPARE(found.size(), 41);
        QVERIFY(found.last().endsWith(QStringLiteral("/leaf.txt")));
        QVERIFY(found.last().size() > 4096);
    }
};

QTEST_GUILESS_MAIN(DirectoryWalkerTest)
#include "DirectoryWalkerTest.moc"
