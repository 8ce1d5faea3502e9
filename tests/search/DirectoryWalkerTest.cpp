#include "search/DirectoryWalker.h"
#include "support/TempTree.h"

#include <QFile>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(DirectoryWalkerTest)
#include "DirectoryWalkerTest.moc"
