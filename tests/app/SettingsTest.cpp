#include "app/Settings.h"

#include "support/TestFiles.h"

#include <QPoint>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>

// Each test works on its own INI file and checks what really lands in the
// file by reading its text, not through QSettings (which shares a cache per
// file within a process and would hide what was written).
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

    void freshFileHoldsEveryKey_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        const QString dataFolder =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Talvenquist");
        const QStringList texts{"1.1", "true", "true", "true", defaultClsids().join(", "), "true", "false", "", "",
                                "true", "100", "false", "false", "false", "50", "50", "0xEFCB05", "false", "true", "0",
                                dataFolder, "true", "false", "", "", "@Size(930 550)", "@Point(470 270)", "@Invalid()",
                                "200", "true", "@Point(0 0)", "@Size(0 0)", "1", "false", "4", "4", "4", "4", "true"};
        const char *keys[] = {"Version", "AutoDetectEncoding", "SkipBinary", "UseBuiltInPDF",
                              "IFilters/DisabledFilters", "RunInBackground", "RunInBackgroundHintShown",
                              "DefaultDialogDir", "Language", "ShowFilterBar", "ShowMaximumMatches",
                              "ShowAdvancedOptions", "WordWrap", "ShowFullMatchedLine", "PreviewCharsBeforeMatch",
                              "PreviewCharsAfterMatch", "HighlightColor", "SaveAllTabs", "AutoCompletePath",
                              "SortColumn", "DBPath", "AutoAddFixed", "AutoAddRemovable", "IndexDrives",
                              "NoIndexDrives", "MainWindow/Size", "MainWindow/Pos", "MainWindow/Maximized",
                              "MainWindow/LastLeftPaneWidth", "SearchWindow/Visible", "SearchWindow/Pos",
                              "SearchWindow/Size", "SearchWindow/Area", "SearchWindow/Floating",
                              "CommandToolbar/Visible", "CommandToolbar/Area", "InstantToolbar/Visible",
                              "InstantToolbar/Area", "Debug/AssertLogging"};
        QCOMPARE(int(std::size(keys)), texts.size());
        for (int id = 0; id < texts.size(); ++id)
            QTest::newRow(keys[id]) << id << texts.at(id);
    }

    void freshFileHoldsEveryKey()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QVERIFY(open()->isSet(Settings::Key(id)));
        const QString key = QString::fromLatin1(QTest::currentDataTag());
        const QMap<QString, QString> entries = fileEntries();
        QVERIFY2(entries.contains(key), qPrintable(key));
        QCOMPARE(entries.value(key), text);
    }

    // Categories are an array, the filter list one plain value, and no
    // exclude paths exist until first read; a second start reads the types back.
    void defaultsOfAFreshFile()
    {
        QList<FileCategory> categories = open()->fileCategories();
        QMap<QString, QString> entries = fileEntries();
        QCOMPARE(entries.value(QStringLiteral("FileCategories/size")), QStringLiteral("7"));
        const QStringList names{"All", "Directory", "Document", "Executable", "Picture", "Music", "Video"};
        QCOMPARE(categories.size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(categories.at(i).name, names.at(i));
            QCOMPARE(entries.value(QStringLiteral("FileCategories/%1/name").arg(i + 1)), names.at(i));
        }
        QCOMPARE(categories.at(0).attributes, QString());
        QCOMPARE(categories.at(1).attributes, QStringLiteral("d"));
        QCOMPARE(categories.at(4).attributes, QStringLiteral("f"));
        QCOMPARE(categories.at(3).extensions, QStringLiteral("bat;cmd;exe;msi"));
        QVERIFY(categories.at(5).extensions.split(QLatin1Char(';')).contains(QStringLiteral("m4a")));
        QVERIFY(!entries.contains(QStringLiteral("IFilters/DisabledFilters/size")));
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            QVERIFY2(!it.key().startsWith(QLatin1String("ExcludePaths")), qPrintable(it.key()));

        auto settings = open();
        QCOMPARE(settings->fileCategories(), settings->defaultFileCategories());
        QCOMPARE(settings->value(Settings::IFiltersDisabledFilters).toStringList(), defaultClsids());
        QCOMPARE(settings->disabledFilters(), defaultClsids());
        QCOMPARE(settings->value(Settings::MainWindowSize).toSize(), QSize(930, 550));
        QCOMPARE(settings->value(Settings::MainWindowPos).toPoint(), QPoint(470, 270));
        QCOMPARE(settings->value(Settings::ShowMaximumMatches).toInt(), 100);
        QVERIFY(settings->isSet(Settings::MainWindowMaximized));
        QVERIFY(!settings->value(Settings::MainWindowMaximized).toBool());
        QVERIFY(settings->value(Settings::CommandToolbarVisible).toBool());
        QVERIFY(settings->value(Settings::InstantToolbarVisible).toBool());
        QCOMPARE(settings->defaultValue(Settings::HighlightColor).toString(), QStringLiteral("0xEFCB05"));
    }

    void excludePathsAppearOnFirstRead()
    {
        const QList<ExcludePath> paths = open()->excludePaths();
        QCOMPARE(paths, (QList<ExcludePath>{{QStringLiteral("$Recycle.Bin"), true}, {QStringLiteral(".svn"), true}}));
        QCOMPARE(fileEntries().value(QStringLiteral("ExcludePaths/size")), QStringLiteral("2"));
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
        QCOMPARE(fileEntries().value(QStringLiteral("FileCategories/1/extensions")), QStringLiteral("\"cpp;h\""));
    }

    // An empty list leaves only the array's size entry. That reads as an empty
    // list but does not count as set, so the next start writes the default
    // back as a plain value, which then wins.
    void emptyDisabledFiltersRoundTrip()
    {
        {
            auto settings = open();
            settings->setDisabledFilters({});
            QVERIFY(settings->value(Settings::IFiltersDisabledFilters).toStringList().isEmpty());
            QVERIFY(settings->disabledFilters().isEmpty());
            QVERIFY(!settings->isSet(Settings::IFiltersDisabledFilters));
        }
        QVERIFY(!fileEntries().contains(QStringLiteral("IFilters/DisabledFilters")));
        QCOMPARE(fileEntries().value(QStringLiteral("IFilters/DisabledFilters/size")), QStringLiteral("0"));
        QCOMPARE(open()->disabledFilters(), defaultClsids());
        QVERIFY(fileEntries().contains(QStringLiteral("IFilters/DisabledFilters")));
    }

    void nonEmptyDisabledFiltersReplaceThePlainList()
    {
        const QStringList one{QStringLiteral("{aaaaaaaa-0000-0000-0000-000000000001}")};
        open()->setDisabledFilters(one);
        QVERIFY(!fileEntries().contains(QStringLiteral("IFilters/DisabledFilters")));
        QCOMPARE(fileEntries().value(QStringLiteral("IFilters/DisabledFilters/1/value")), one.first());
        auto settings = open();
        QVERIFY(settings->isSet(Settings::IFiltersDisabledFilters));
        QCOMPARE(settings->disabledFilters(), one);
    }

    void plainValueWinsOverArray()
    {
        auto settings = open();
        settings->writeStringList(QStringLiteral("Language"), {QStringLiteral("array")});
        QCOMPARE(settings->value(Settings::Language).toStringList(), QStringList{QStringLiteral("array")});
        settings->setValue(Settings::Language, QStringLiteral("de"));
        QCOMPARE(settings->value(Settings::Language).toString(), QStringLiteral("de"));
        QCOMPARE(settings->readStringList(QStringLiteral("Language")), QStringList{QStringLiteral("array")});
    }

    void unknownIdThrows()
    {
        auto settings = open();
        const auto bad = Settings::Key(39);
        const auto expectMessage = [](auto &&call) {
            try {
                call();
            } catch (const std::out_of_range &e) {
                return QString::fromLatin1(e.what()) == QLatin1String("invalid map<K, T> key");
            }
            return false;
        };
        QVERIFY(expectMessage([&] { settings->value(bad); }));
        QVERIFY(expectMessage([&] { settings->setValue(bad, 1); }));
        QVERIFY(expectMessage([&] { settings->isSet(bad); }));
        QVERIFY(expectMessage([&] { settings->defaultValue(Settings::Key(-1)); }));
    }

    void indexingSettings_data()
    {
        QTest::addColumn<QString>("indexDrives");
        QTest::addColumn<QList<QChar>>("letters");
        QTest::newRow("lower case") << QStringLiteral("cd") << QList<QChar>{'C', 'D'};
        QTest::newRow("mixed, order kept") << QStringLiteral("eC") << QList<QChar>{'E', 'C'};
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
        QVERIFY(record.autoAddFixed);
        QVERIFY(record.autoAddRemovable);
        QCOMPARE(record.dbPath, settings->defaultValue(Settings::DBPath).toString());
        QCOMPARE(record.excludePaths, (QStringList{QStringLiteral("/proc"), QStringLiteral(".git")}));
    }

    void setIndexingSettingsWritesLetters()
    {
        IndexingSettings record;
        record.indexDrives = {'C', 'D'};
        record.noIndexDrives = {'E'};
        record.autoAddFixed = false;
        record.dbPath = QStringLiteral("/srv/tvq");
        record.excludePaths = QStringList{QStringLiteral("ignored")};
        open()->setIndexingSettings(record);
        const QMap<QString, QString> entries = fileEntries();
        QCOMPARE(entries.value(QStringLiteral("IndexDrives")), QStringLiteral("CD"));
        QCOMPARE(entries.value(QStringLiteral("NoIndexDrives")), QStringLiteral("E"));
        QCOMPARE(entries.value(QStringLiteral("AutoAddFixed")), QStringLiteral("false"));
        QCOMPARE(entries.value(QStringLiteral("DBPath")), QStringLiteral("/srv/tvq"));
        // Exclude paths have their own writer.
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
        QCOMPARE(record.filters64.size(), 1);
        QCOMPARE(record.filters64.first().clsid, QStringLiteral("{2}"));
        QCOMPARE(record.disabledFilters, defaultClsids());
        QCOMPARE(record.disabledExtensions, QStringList{QStringLiteral(".doc")});
        QCOMPARE(record.disabledExtensions64, (QStringList{QStringLiteral(".xls"), QStringLiteral(".ppt")}));
        QVERIFY(record.autoDetectEncoding);
        QVERIFY(!record.skipBinary);
        QVERIFY(record.useBuiltInPDF);
    }

    void historiesKeepTwenty_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("stored");
        QTest::newRow("file names, 25") << Settings::kFileNameHistory << 25 << 20;
        QTest::newRow("paths, 25") << Settings::kPathHistory << 25 << 20;
        QTest::newRow("contents, 21") << Settings::kContentHistory << 21 << 20;
        QTest::newRow("instant, 20") << Settings::kInstantFileNameHistory << 20 << 20;
        QTest::newRow("file names, 3") << Settings::kFileNameHistory << 3 << 3;
    }

    void historiesKeepTwenty()
    {
        QFETCH(QString, key);
        QFETCH(int, count);
        QFETCH(int, stored);
        QStringList list;
        for (int i = 1; i <= count; ++i)
            list.append(QStringLiteral("entry %1").arg(i));
        auto settings = open();
        using Setter = void (Settings::*)(const QStringList &);
        using Getter = QStringList (Settings::*)();
        const QMap<QString, QPair<Setter, Getter>> accessors{
            {Settings::kFileNameHistory, {&Settings::setFileNameHistory, &Settings::fileNameHistory}},
            {Settings::kPathHistory, {&Settings::setPathHistory, &Settings::pathHistory}},
            {Settings::kContentHistory, {&Settings::setContentHistory, &Settings::contentHistory}},
            {Settings::kInstantFileNameHistory,
             {&Settings::setInstantFileNameHistory, &Settings::instantFileNameHistory}}};
        (settings.get()->*accessors.value(key).first)(list);
        QCOMPARE((settings.get()->*accessors.value(key).second)(), list.mid(0, stored));
        settings.reset();
        const QMap<QString, QString> entries = fileEntries();
        QCOMPARE(entries.value(key + QStringLiteral("/size")), QString::number(stored));
        QCOMPARE(entries.value(key + QStringLiteral("/%1/value").arg(stored)), list.at(stored - 1));
        QVERIFY(!entries.contains(key + QStringLiteral("/%1/value").arg(stored + 1)));
    }

    void fileColumnsRoundTrip()
    {
        open()->setFileColumns({{0, 250}, {3, 80}, {1, 120}});
        auto settings = open();
        QCOMPARE(settings->fileColumnTypes(), (QList<int>{0, 3, 1}));
        QCOMPARE(settings->fileColumnWidths(), (QList<int>{250, 80, 120}));
        settings->setFileColumns({{2, 60}});
        QCOMPARE(settings->fileColumnTypes(), QList<int>{2});
        QCOMPARE(settings->fileColumnWidths(), QList<int>{60});
    }

    void filterName_data()
    {
        QTest::addColumn<QString>("clsid");
        QTest::addColumn<QString>("name");
        QTest::newRow("32-bit") << "{aa}" << "Office";
        QTest::newRow("case ignored") << "{AA}" << "Office";
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
        QCOMPARE(settings->filterName(QStringLiteral("{aa}")), QString()); // nothing installed yet
        settings->setInstalledFilters({{"{aa}", "Office", {}}, {"{cc}", "first", {}}},
                                      {{"{bb}", "PDF 64", {}}, {"{cc}", "second", {}}, {"{dd}", QString(), {}}});
        QCOMPARE(settings->filterName(clsid), name);
    }

    void highlightColor_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<quint32>("rgb");
        QTest::newRow("default") << "0xEFCB05" << quint32(0xEFCB05);
        QTest::newRow("no prefix") << "12ab34" << quint32(0x12AB34);
        QTest::newRow("garbage falls back") << "yellow" << quint32(0xEFCB05);
        QTest::newRow("empty falls back") << QString() << quint32(0xEFCB05);
    }

    void highlightColor()
    {
        QFETCH(QString, stored);
        QFETCH(quint32, rgb);
        auto settings = open();
        settings->setValue(Settings::HighlightColor, stored);
        QCOMPARE(settings->highlightColor(), rgb);
    }

    void processWideInstance()
    {
        const QString other = m_dir->filePath(QStringLiteral("Other.ini"));
        Settings *first = Settings::instance(m_path);
        QCOMPARE(Settings::instance(other), first);
        QCOMPARE(Settings::instance(), first);
        QCOMPARE(first->fileName(), m_path);
        first->setValue(Settings::Language, QStringLiteral("fi"));
        Settings::destroyInstance();
        // Destroying the store is what writes it.
        QCOMPARE(fileEntries().value(QStringLiteral("Language")), QStringLiteral("fi"));
        QVERIFY(!QFile::exists(other));

        Settings *second = Settings::instance(other);
        QCOMPARE(second->fileName(), other);
        Settings::destroyInstance();
        QVERIFY(QFile::exists(other));

        // Without a file name the store still answers with its defaults.
        QCOMPARE(Settings::instance()->value(Settings::Version).toString(), QStringLiteral("1.1"));
        QCOMPARE(Settings::instance()->fileCategories().size(), 7);
        Settings::destroyInstance();
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
