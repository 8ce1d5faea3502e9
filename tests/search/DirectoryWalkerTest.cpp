#include "search/DirectoryWalker.h"
#include "support/TempTree.h"

#include <QFile>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>
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
        if (QByteArray(walker.dirPathBytes()) + '/' + walker.fileNameBytes() != QFile::encodeName(path))
            return {QStringLiteral("bytes mismatch: ") + path};
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

    // A name that is not UTF-8 reaches the search as the file system has
    // it, whatever its text shows.
    void namesKeepTheirBytes()
    {
        TempTree tree({"sub/plain.txt"});
        const QByteArray odd = QFile::encodeName(tree.path("sub")) + "/caf\xE9\xFF.txt";
        const int fd = ::open(odd.constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(fd >= 0);
        ::close(fd);
        DirectoryWalker walker({tree.path()}, {}, true);
        QByteArrayList names;
        while (walker.advance())
            names.append(QByteArray(walker.dirPathBytes()) + '/' + walker.fileNameBytes());
        std::sort(names.begin(), names.end());
        const QByteArray sub = QFile::encodeName(tree.path("sub"));
        QCOMPARE(names, QByteArrayList({sub, odd, sub + "/plain.txt"}));
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
