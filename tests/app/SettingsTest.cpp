#include "app/Settings.h"

#include "support/TestFiles.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>

// Each test works on its own INI file and checks what lands in the file by
// reading its text: QSettings shares a cache per file within a process.
class SettingsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;

    std::unique_ptr<Settings> open() { return std::make_unique<Settings>(m_path); }

    // The file as "Section/key" -> raw text; "[General]" keys have no section
    // and the "\" of array elements becomes "/".
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

    static QStringList defaultClsids()
    {
        return {"{c3278e90-bea7-11cd-b579-08002b30bfeb}", "{c1243ca0-bf96-11cd-b579-08002b30bfeb}",
                "{e0ca5340-4534-11cf-b952-00aa0051fe20}", "{41b9be05-b3af-460c-bf0b-2cdd44a093b1}"};
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("Settings.ini"));
    }

    // One row per kind of value; the last row is the table's last key.
    void freshFileHoldsEveryKey_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QTest::newRow("Version") << int(Settings::Version) << "1.1";
        QTest::newRow("IFilters/DisabledFilters") << int(Settings::IFiltersDisabledFilters)
                                                  << defaultClsids().join(", ");
        QTest::newRow("DefaultDialogDir") << int(Settings::DefaultDialogDir) << "";
        QTest::newRow("HighlightColor") << int(Settings::HighlightColor) << "0xEFCB05";
        QTest::newRow("DBPath") << int(Settings::DBPath) << dataFolder + "/Talvenquist";
        QTest::newRow("MainWindow/Size") << int(Settings::MainWindowSize) << "@Size(930 550)";
        QTest::newRow("MainWindow/Pos") << int(Settings::MainWindowPos) << "@Point(470 270)";
        QTest::newRow("MainWindow/Maximized") << int(Settings::MainWindowMaximized) << "@Invalid()";
        QTest::newRow("SearchWindow/Area") << int(Settings::SearchWindowArea) << "1";
        QTest::newRow("Debug/AssertLogging") << int(Settings::DebugAssertLogging) << "true";
    }

    void freshFileHoldsEveryKey()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QVERIFY(open()->isSet(Settings::Key(id)));
        const QString key = QString::fromLatin1(QTest::currentDataTag());
        QVERIFY2(fileEntries().contains(key), qPrintable(key));
        QCOMPARE(fileEntries().value(key), text);
    }

    // Categories are an array, the filter list one plain value read back as a
    // list, and no exclude paths exist until first read.
    void defaultsOfAFreshFile()
    {
        const QList<FileCategory> categories = open()->fileCategories();
        const QMap<QString, QString> entries = fileEntries();
        const QStringList names{"All", "Directory", "Document", "Executable", "Picture", "Music", "Video"};
        QCOMPARE(entries.value(QStringLiteral("FileCategories/size")), QString::number(names.size()));
        QCOMPARE(categories.size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(categories.at(i).name, names.at(i));
            QCOMPARE(entries.value(QStringLiteral("FileCategories/%1/name").arg(i + 1)), names.at(i));
        }
        QCOMPARE(categories.at(1).attributes, QStringLiteral("d"));
        QCOMPARE(categories.at(3).extensions, QStringLiteral("bat;cmd;exe;msi"));
        QVERIFY(!entries.contains(QStringLiteral("IFilters/DisabledFilters/size")));
        QVERIFY(entries.keys().filter(QStringLiteral("ExcludePaths")).isEmpty());
        auto settings = open();
        QCOMPARE(settings->fileCategories(), settings->defaultFileCategories());
        QCOMPARE(settings->disabledFilters(), defaultClsids());
    }

    void excludePathsAppearOnFirstRead()
    {
        const QList<ExcludePath> paths = open()->excludePaths();
        QCOMPARE(paths, (QList<ExcludePath>{{QStringLiteral("$Recycle.Bin"), true}, {QStringLiteral(".svn"), true}}));
        QCOMPARE(fileEntries().value(QStringLiteral("ExcludePaths/2/path")), QStringLiteral(".svn"));
        // Once stored, even an emptied list is not refilled with the defaults.
        open()->setExcludePaths({});
        QVERIFY(open()->excludePaths().isEmpty());
        QCOMPARE(fileEntries().value(QStringLiteral("ExcludePaths/size")), QStringLiteral("0"));
    }

    // Below version 1.1 (or without one) the categories are replaced at every
    // start; user values stay, and the store never raises a version it finds.
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

    void unknownIdThrows()
    {
        auto settings = open();
        QVERIFY_EXCEPTION_THROWN(settings->value(Settings::Key(39)), std::out_of_range);
        QVERIFY_EXCEPTION_THROWN(settings->setValue(Settings::Key(-1), 1), std::out_of_range);
    }

    void indexingSettings_data()
    {
        QTest::addColumn<QString>("indexDrives");
        QTest::addColumn<QList<QChar>>("letters");
        QTest::newRow("mixed case, order kept") << QStringLiteral("eC") << QList<QChar>{'E', 'C'};
        QTest::newRow("empty") << QString() << QList<QChar>{};
    }

    void indexingSettings()
    {
        QFETCH(QString, indexDrives);
        QFETCH(QList<QChar>, letters);
        auto settings = open();
        settings->setValue(Settings::IndexDrives, indexDrives);
        settings->setValue(Settings::NoIndexDrives, QStringLiteral("z"));
        settings->setValue(Settings::AutoAddRemovable, true);
        settings->setExcludePaths({{"/proc", true}, {"node_modules", false}, {".git", true}});
        const IndexingSettings record = settings->indexingSettings();
        QCOMPARE(record.indexDrives, letters);
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
        QCOMPARE(record.filters32.size(), 1);
        QCOMPARE(record.filters32.first().name, QStringLiteral("One"));
        QCOMPARE(record.filters64.first().clsid, QStringLiteral("{2}"));
        QCOMPARE(record.disabledFilters, defaultClsids());
        QCOMPARE(record.disabledExtensions, QStringList{QStringLiteral(".doc")});
        QCOMPARE(record.disabledExtensions64, (QStringList{QStringLiteral(".xls"), QStringLiteral(".ppt")}));
        QVERIFY(record.autoDetectEncoding && !record.skipBinary && record.useBuiltInPDF);
    }

    void historiesKeepTwenty_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("stored");
        QTest::newRow("file names, 25") << Settings::kFileNameHistory << 25 << 20;
        QTest::newRow("paths, 21") << Settings::kPathHistory << 21 << 20;
        QTest::newRow("contents, 20") << Settings::kContentHistory << 20 << 20;
        QTest::newRow("instant, 3") << Settings::kInstantFileNameHistory << 3 << 3;
    }

    void historiesKeepTwenty()
    {
        QFETCH(QString, key);
        QFETCH(int, count);
        QFETCH(int, stored);
        QStringList list;
        for (int i = 1; i <= count; ++i)
            list.append(QStringLiteral("entry %1").arg(i));
        using Setter = void (Settings::*)(const QStringList &);
        using Getter = QStringList (Settings::*)();
        const QMap<QString, QPair<Setter, Getter>> accessors{
            {Settings::kFileNameHistory, {&Settings::setFileNameHistory, &Settings::fileNameHistory}},
            {Settings::kPathHistory, {&Settings::setPathHistory, &Settings::pathHistory}},
            {Settings::kContentHistory, {&Settings::setContentHistory, &Settings::contentHistory}},
            {Settings::kInstantFileNameHistory,
             {&Settings::setInstantFileNameHistory, &Settings::instantFileNameHistory}}};
        auto settings = open();
        (settings.get()->*accessors.value(key).first)(list);
        QCOMPARE((settings.get()->*accessors.value(key).second)(), list.mid(0, stored));
        settings.reset();
        QCOMPARE(fileEntries().value(key + QStringLiteral("/size")), QString::number(stored));
        QVERIFY(!fileEntries().contains(key + QStringLiteral("/%1/value").arg(stored + 1)));
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
        QTest::newRow("32-bit found first") << "{cc}" << "first";
        QTest::newRow("no name gives the argument") << "{DD}" << "{DD}";
        QTest::newRow("unknown") << "{ee}" << QString();
    }

    void filterName()
    {
        QFETCH(QString, clsid);
        QFETCH(QString, name);
        auto settings = open();
        settings->setInstalledFilters({{"{aa}", "Office", {}}, {"{cc}", "first", {}}},
                                      {{"{bb}", "PDF 64", {}}, {"{cc}", "second", {}}, {"{dd}", QString(), {}}});
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

    // The first name wins; destroying the store is what writes it.
    void processWideInstance()
    {
        const QString other = m_dir->filePath(QStringLiteral("Other.ini"));
        Settings *first = Settings::instance(m_path);
        QCOMPARE(Settings::instance(other), first);
        QCOMPARE(Settings::instance(), first);
        first->setValue(Settings::Language, QStringLiteral("fi"));
        Settings::destroyInstance();
        QCOMPARE(fileEntries().value(QStringLiteral("Language")), QStringLiteral("fi"));
        QVERIFY(!QFile::exists(other));
        // Without a file name the store still answers with its defaults.
        QCOMPARE(Settings::instance()->value(Settings::Version).toString(), QStringLiteral("1.1"));
        Settings::destroyInstance();
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
