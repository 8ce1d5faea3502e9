#include "ui/ResultsCsvExport.h"

#include "support/TempTree.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

class ResultsCsvExportTest : public QObject
{
    Q_OBJECT

    const QLocale m_locale{QLocale::English, QLocale::UnitedStates};

    // The created, accessed and modified fields of `path`, as the locale writes them.
    QString times(const QString &path) const
    {
        const QFileInfo info(path);
        return m_locale.toString(info.birthTime(), QLocale::ShortFormat) + ','
            + m_locale.toString(info.lastRead(), QLocale::ShortFormat) + ','
            + m_locale.toString(info.lastModified(), QLocale::ShortFormat);
    }

private slots:
    void initTestCase() { QLocale::setDefault(m_locale); }

    void escapesFields_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("quote doubled, not enclosed") << "a\"b" << "a\"\"b";
        QTest::newRow("comma enclosed") << "a,b" << "\"a,b\"";
        QTest::newRow("line feed enclosed") << "a\nb" << "\"a\nb\"";
        QTest::newRow("lone carriage return not enclosed") << "a\rb" << "a\rb";
    }

    void escapesFields()
    {
        QFETCH(QString, value);
        QTEST(ResultsCsvExport::escapeField(value), "expected");
    }

    // Sizes in whole kilobytes rounded down (a folder and a vanished file as 0 KB), no times for what has vanished.
    void exportWritesHeaderAndRowsInOrder()
    {
        TempTree tree({"folder/"});
        QVERIFY(tree.add(QStringLiteral("small"), QByteArray(1023, 'x')));
        QVERIFY(tree.add(QStringLiteral("two"), QByteArray(2047, 'x')));
        QVERIFY(tree.add(QStringLiteral("a,b"), QByteArray(4096, 'x')));
        const QString out = tree.path(QStringLiteral("out.csv"));
        ResultsCsvExport exporter;
        QSignalSpy finished(&exporter, &ResultsCsvExport::finished);
        exporter.start({tree.path("two"), tree.path("small"), tree.path("folder"), tree.path("a,b"),
                        tree.path("gone.txt")},
                       out);
        QVERIFY(finished.wait());
        QCOMPARE(finished.first().first().toBool(), true);
        QCOMPARE(finished.first().at(1).toString(), out);
        QVERIFY(!m_locale.toString(QFileInfo(tree.path("two")).lastModified(), QLocale::ShortFormat).isEmpty());
        const QString folder = tree.path();
        const QStringList expected = {"Name,Path,File Size,Created,Accessed,Modified",
                                      "two," + folder + ",1 KB," + times(tree.path("two")),
                                      "small," + folder + ",0 KB," + times(tree.path("small")),
                                      "folder," + folder + ",0 KB," + times(tree.path("folder")),
                                      "\"a,b\"," + folder + ",4 KB," + times(tree.path("a,b")),
                                      "gone.txt," + folder + ",0 KB,,,"};
        QCOMPARE(QString::fromUtf8(TestFiles::read(out)), expected.join(QStringLiteral("\r\n")) + "\r\n");
    }

    // A long export reports every kProgressRows rows; one that cannot open its file says why.
    void progressAndFailure()
    {
        TempTree tree;
        const int rows = 2 * ResultsCsvExport::kProgressRows + 1;
        const QStringList paths = QVector<QString>(rows, tree.path(QStringLiteral("gone.txt"))).toList();
        ResultsCsvExport exporter;
        QSignalSpy progress(&exporter, &ResultsCsvExport::progress);
        QSignalSpy finished(&exporter, &ResultsCsvExport::finished);
        exporter.start(paths, tree.path(QStringLiteral("out.csv")));
        QVERIFY(finished.wait());
        QCOMPARE(progress.size(), 2);
        QCOMPARE(progress.at(1), (QVariantList{2 * ResultsCsvExport::kProgressRows, rows}));
        QCOMPARE(finished.first().at(2).toString(), QString());

        exporter.start(paths, tree.path(QStringLiteral("no/such/folder.csv")));
        QVERIFY(finished.wait());
        QCOMPARE(finished.last().first().toBool(), false);
        QVERIFY(!finished.last().at(2).toString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(ResultsCsvExportTest)
#include "ResultsCsvExportTest.moc"
