#include "base/Settings.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Each test has its own INI file: QSettings shares a cache per file within a process.
class SettingsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;

    std::unique_ptr<Settings> open() { return std::make_unique<Settings>(m_path); }

    // The file as "Section/key" -> raw text; "[General]" keys have no section, array elements "/" for "\".
    QMap<QString, QString> fileEntries() const
    {
        QMap<QString, QString> entries;
        QString section;
        for (const QString &line : QString::fromUtf8(TestFiles::read(m_path)).split(QLatin1Char('\n'))) {
            const int eq = line.indexOf(QLatin1Char('='));
            if (line.startsWith(QLatin1Char('[')))
                section = line.mid(1, line.indexOf(QLatin1Char(']')) - 1);
            if (line.startsWith(QLatin1Char('[')) || eq < 0)
                continue;
            QString key = line.left(eq).replace(QLatin1Char('\\'), QLatin1Char('/'));
            if (section != QLatin1String("General"))
                key = section + QLatin1Char('/') + key;
            entries.insert(key, line.mid(eq + 1));
        }
        return entries;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("Settings.ini"));
    }

    void excludePathsAppearOnFirstRead()
    {
        const QList<ExcludePath> paths = open()->excludePaths();
        QCOMPARE(paths, (QList<ExcludePath>{{QStringLiteral("$Recycle.Bin"), true}, {QStringLiteral(".svn"), true}}));
        // Once stored, even an emptied list is not refilled with the defaults.
        open()->setExcludePaths({});
        QVERIFY(open()->excludePaths().isEmpty());
        QCOMPARE(fileEntries().value(QStringLiteral("ExcludePaths/size")), QStringLiteral("0"));
    }

    // Below version 1.1 (or without one) categories are replaced at every start; a version found is never raised.
    void oldVersionsReplaceCategories_data()
    {
        QTest::addColumn<QByteArray>("general");
        QTest::addColumn<QString>("versionAfter");
        QTest::addColumn<int>("starts");
        QTest::newRow("1.0") << QByteArray("Version=1.0\nWordWrap=true\n") << "1.0" << 2;
        QTest::newRow("no version") << QByteArray("WordWrap=true\n") << "1.1" << 1;
    }

    void oldVersionsReplaceCategories()
    {
        QFETCH(QByteArray, general);
        QFETCH(QString, versionAfter);
        QFETCH(int, starts);
        QVERIFY(TestFiles::write(m_path, "[General]\n" + general + "\n[FileCategories]\n1\\name=Mine\nsize=1\n"));
        const QList<FileCategory> mine{{QString(), QStringLiteral("abc"), QStringLiteral("Mine")}};
        for (int start = 0; start < starts; ++start) {
            auto settings = open();
            QCOMPARE(settings->fileCategories(), settings->defaultFileCategories());
            QVERIFY(settings->value(Settings::WordWrap).toBool());
            settings->setFileCategories(mine);
            QCOMPARE(settings->fileCategories(), mine);
            settings.reset();
            QCOMPARE(fileEntries().value(QStringLiteral("Version")), versionAfter);
        }
    }

    void currentVersionKeepsUserCategories()
    {
        const QList<FileCategory> mine{{QStringLiteral("f"), QStringLiteral("cpp;h"), QStringLiteral("Code")}};
        open()->setFileCategories(mine);
        QCOMPARE(open()->fileCategories(), mine);
    }

    void nonEmptyDisabledFiltersReplaceThePlainList()
    {
        const QStringList one{QStringLiteral("{aaaaaaaa-0000-0000-0000-000000000001}")};
        open()->setDisabledFilters(one);
        QVERIFY(!fileEntries().contains(QStringLiteral("IFilters/DisabledFilters")));
        auto settings = open();
        QVERIFY(settings->isSet(Settings::IFiltersDisabledFilters));
        QCOMPARE(settings->disabledFilters(), one);
    }

    void indexingSettings()
    {
        auto settings = open();
        settings->setValue(Settings::IndexDrives, QStringLiteral("eC"));
        settings->setValue(Settings::NoIndexDrives, QStringLiteral("z"));
        settings->setValue(Settings::AutoAddRemovable, true);
        settings->setExcludePaths({{"/proc", true}, {"node_modules", false}, {".git", true}});
        const IndexingSettings record = settings->indexingSettings();
        QCOMPARE(record.indexDrives, (QList<QChar>{'E', 'C'}));
        QCOMPARE(record.noIndexDrives, QList<QChar>{'Z'});
        QVERIFY(record.autoAddFixed && record.autoAddRemovable);
        QCOMPARE(record.dbPath, settings->defaultValue(Settings::DBPath).toString());
        QCOMPARE(record.excludePaths, (QStringList{QStringLiteral("/proc"), QStringLiteral(".git")}));
    }

    void setIndexingSettingsWritesLetters()
    {
        IndexingSettings record;
        record.indexDrives = {'C', 'D'};
        record.autoAddFixed = false;
        record.dbPath = QStringLiteral("/srv/tvq");
        record.excludePaths = QStringList{QStringLiteral("ignored")}; // exclude paths have their own writer
        open()->setIndexingSettings(record);
        const QMap<QString, QString> entries = fileEntries();
        QCOMPARE(entries.value(QStringLiteral("IndexDrives")), QStringLiteral("CD"));
        QCOMPARE(entries.value(QStringLiteral("AutoAddFixed")), QStringLiteral("false"));
        QCOMPARE(entries.value(QStringLiteral("DBPath")), QStringLiteral("/srv/tvq"));
        QVERIFY(!entries.contains(QStringLiteral("ExcludePaths/size")));
    }

    void contentSearchSettings()
    {
        auto settings = open();
        settings->setInstalledFilters({{"{1}", "One", {".one"}}}, {{"{2}", QString(), {}}});
        settings->setDisabledExtensions({QStringLiteral(".doc")});
        settings->setDisabledExtensions64({QStringLiteral(".xls"), QStringLiteral(".ppt")});
        settings->setValue(Settings::SkipBinary, false);
        const ContentSearchSettings record = settings->contentSearchSettings();
        QCOMPARE(record.filters32.first().name, QStringLiteral("One"));
        QCOMPARE(record.filters64.first().clsid, QStringLiteral("{2}"));
        QCOMPARE(record.disabledExtensions, QStringList{QStringLiteral(".doc")});
        QCOMPARE(record.disabledExtensions64, (QStringList{QStringLiteral(".xls"), QStringLiteral(".ppt")}));
        QVERIFY(record.autoDetectEncoding && !record.skipBinary && record.useBuiltInPDF);
    }

    // Every history goes through one writer; one past the limit shows the cut.
    void historiesKeepTwenty()
    {
        QStringList list;
        for (int i = 1; i <= Settings::kMaxHistoryEntries + 1; ++i)
            list.append(QStringLiteral("entry %1").arg(i));
        open()->setPathHistory(list);
        QCOMPARE(open()->pathHistory(), list.mid(0, 20));
        QCOMPARE(fileEntries().value(Settings::kPathHistory + QStringLiteral("/size")), QStringLiteral("20"));
    }

    void fileColumnsRoundTrip()
    {
        open()->setFileColumns({{0, 250}, {3, 80}, {1, 120}});
        auto settings = open();
        QCOMPARE(settings->fileColumnTypes(), (QList<int>{0, 3, 1}));
        QCOMPARE(settings->fileColumnWidths(), (QList<int>{250, 80, 120}));
        settings->setFileColumns({{2, 60}});
        QCOMPARE(settings->fileColumnTypes(), QList<int>{2});
    }

    void filterName_data()
    {
        QTest::addColumn<QString>("clsid");
        QTest::addColumn<QString>("name");
        QTest::newRow("32-bit, case ignored") << "{AA}" << "Office";
        QTest::newRow("64-bit") << "{bb}" << "PDF 64";
        QTest::newRow("no name gives the argument") << "{DD}" << "{DD}";
        QTest::newRow("unknown") << "{ee}" << QString();
    }

    void filterName()
    {
        QFETCH(QString, clsid);
        QFETCH(QString, name);
        auto settings = open();
        settings->setInstalledFilters({{"{aa}", "Office", {}}}, {{"{bb}", "PDF 64", {}}, {"{dd}", QString(), {}}});
        QCOMPARE(settings->filterName(clsid), name);
    }

    void highlightColor_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<quint32>("rgb");
        QTest::newRow("0x prefix") << "0x12AB34" << quint32(0x12AB34);
        QTest::newRow("no prefix") << "12ab34" << quint32(0x12AB34);
        QTest::newRow("garbage falls back") << "yellow" << quint32(0xEFCB05);
    }

    void highlightColor()
    {
        QFETCH(QString, stored);
        QFETCH(quint32, rgb);
        auto settings = open();
        settings->setValue(Settings::HighlightColor, stored);
        QCOMPARE(settings->highlightColor(), rgb);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
