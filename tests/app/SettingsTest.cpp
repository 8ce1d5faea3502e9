#include "app/Settings.h"

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

    void writeFile(const QByteArray &text)
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QByteArray fileText() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The file as "Section/key" -> raw text; "[General]" keys have no section
    // and the "\" of array elements becomes "/".
    QMap<QString, QString> fileEntries() const
    {
        QMap<QString, QString> entries;
        QString section;
        for (const QString &line : QString::fromUtf8(fileText()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1Char('['))) {
                section = line.mid(1, line.indexOf(QLatin1Char(']')) - 1);
                continue;
            }
            const int eq = line.indexOf(QLatin1Char('='));
            if (eq < 0)
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
        return {QStringLiteral("{c3278e90-bea7-11cd-b579-08002b30bfeb}"),
                QStringLiteral("{c1243ca0-bf96-11cd-b579-08002b30bfeb}"),
                QStringLiteral("{e0ca5340-4534-11cf-b952-00aa0051fe20}"),
                QStringLiteral("{41b9be05-b3af-460c-bf0b-2cdd44a093b1}")};
    }

    static QStringList numbered(int count)
    {
        QStringList list;
        for (int i = 1; i <= count; ++i)
            list.append(QStringLiteral("entry %1").arg(i));
        return list;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("Settings.ini"));
    }

    void freshFileHoldsEveryKey_data();
    void freshFileHoldsEveryKey();
    void freshFileStoresCategoriesAsArray();
    void defaultsReadBackWithTheirTypes();
    void excludePathsAppearOnFirstRead();
    void versionBelow11ReplacesCategoriesAtEveryStart();
    void missingVersionIsTreatedAsOld();
    void currentVersionKeepsUserCategories();
    void emptyDisabledFiltersRoundTrip();
    void nonEmptyDisabledFiltersReplaceThePlainList();
    void plainValueWinsOverArray();
    void unknownIdThrows();
    void indexingSettings_data();
    void indexingSettings();
    void setIndexingSettingsWritesLetters();
    void contentSearchSettings();
    void historiesKeepTwenty_data();
    void historiesKeepTwenty();
    void fileColumnsRoundTrip();
    void filterName_data();
    void filterName();
    void highlightColor_data();
    void highlightColor();
    void processWideInstance();
};

void SettingsTest::freshFileHoldsEveryKey_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Talvenquist");
    const struct {
        int id;
        const char *key;
        QString text;
    } rows[] = {
        {0, "Version", QStringLiteral("1.1")},
        {1, "AutoDetectEncoding", QStringLiteral("true")},
        {2, "SkipBinary", QStringLiteral("true")},
        {3, "UseBuiltInPDF", QStringLiteral("true")},
        {4, "IFilters/DisabledFilters", defaultClsids().join(QStringLiteral(", "))},
        {5, "RunInBackground", QStringLiteral("true")},
        {6, "RunInBackgroundHintShown", QStringLiteral("false")},
        {7, "DefaultDialogDir", QString()},
        {8, "Language", QString()},
        {9, "ShowFilterBar", QStringLiteral("true")},
        {10, "ShowMaximumMatches", QStringLiteral("100")},
        {11, "ShowAdvancedOptions", QStringLiteral("false")},
        {12, "WordWrap", QStringLiteral("false")},
        {13, "ShowFullMatchedLine", QStringLiteral("false")},
        {14, "PreviewCharsBeforeMatch", QStringLiteral("50")},
        {15, "PreviewCharsAfterMatch", QStringLiteral("50")},
        {16, "HighlightColor", QStringLiteral("0xEFCB05")},
        {17, "SaveAllTabs", QStringLiteral("false")},
        {18, "AutoCompletePath", QStringLiteral("true")},
        {19, "SortColumn", QStringLiteral("0")},
        {20, "DBPath", dataFolder},
        {21, "AutoAddFixed", QStringLiteral("true")},
        {22, "AutoAddRemovable", QStringLiteral("false")},
        {23, "IndexDrives", QString()},
        {24, "NoIndexDrives", QString()},
        {25, "MainWindow/Size", QStringLiteral("@Size(930 550)")},
        {26, "MainWindow/Pos", QStringLiteral("@Point(470 270)")},
        {27, "MainWindow/Maximized", QStringLiteral("@Invalid()")},
        {28, "MainWindow/LastLeftPaneWidth", QStringLiteral("200")},
        {29, "SearchWindow/Visible", QStringLiteral("true")},
        {30, "SearchWindow/Pos", QStringLiteral("@Point(0 0)")},
        {31, "SearchWindow/Size", QStringLiteral("@Size(0 0)")},
        {32, "SearchWindow/Area", QStringLiteral("1")},
        {33, "SearchWindow/Floating", QStringLiteral("false")},
        {34, "CommandToolbar/Visible", QStringLiteral("4")},
        {35, "CommandToolbar/Area", QStringLiteral("4")},
        {36, "InstantToolbar/Visible", QStringLiteral("4")},
        {37, "InstantToolbar/Area", QStringLiteral("4")},
        {38, "Debug/AssertLogging", QStringLiteral("true")},
    };
    for (const auto &row : rows)
        QTest::newRow(row.key) << row.id << QString::fromLatin1(row.key) << row.text;
}

void SettingsTest::freshFileHoldsEveryKey()
{
    QFETCH(int, id);
    QFETCH(QString, key);
    QFETCH(QString, text);
    {
        auto settings = open();
        QVERIFY(settings->isSet(Settings::Key(id)));
    }
    const QMap<QString, QString> entries = fileEntries();
    QVERIFY2(entries.contains(key), qPrintable(key));
    QCOMPARE(entries.value(key), text);
}

void SettingsTest::freshFileStoresCategoriesAsArray()
{
    QList<FileCategory> categories;
    {
        auto settings = open();
        categories = settings->fileCategories();
        QCOMPARE(categories, settings->defaultFileCategories());
    }
    const QMap<QString, QString> entries = fileEntries();
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
    // The filter list is one plain value, and no exclude paths exist yet.
    QVERIFY(!entries.contains(QStringLiteral("IFilters/DisabledFilters/size")));
    QVERIFY(!entries.contains(QStringLiteral("IFilters/DisabledFilters/1/value")));
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        QVERIFY2(!it.key().startsWith(QLatin1String("ExcludePaths")), qPrintable(it.key()));
}

void SettingsTest::defaultsReadBackWithTheirTypes()
{
    open().reset();
    auto settings = open(); // a second start reads what the first wrote
    QCOMPARE(settings->value(Settings::IFiltersDisabledFilters).toStringList(), defaultClsids());
    QCOMPARE(settings->disabledFilters(), defaultClsids());
    QCOMPARE(settings->value(Settings::MainWindowSize).toSize(), QSize(930, 550));
    QCOMPARE(settings->value(Settings::MainWindowPos).toPoint(), QPoint(470, 270));
    QCOMPARE(settings->value(Settings::ShowMaximumMatches).toInt(), 100);
    QVERIFY(settings->isSet(Settings::MainWindowMaximized));
    QVERIFY(!settings->value(Settings::MainWindowMaximized).toBool());
    QVERIFY(settings->value(Settings::CommandToolbarVisible).toBool());
    QVERIFY(settings->value(Settings::InstantToolbarVisible).toBool());
    QCOMPARE(settings->value(Settings::Version).toString(), QStringLiteral("1.1"));
    QCOMPARE(settings->defaultValue(Settings::HighlightColor).toString(), QStringLiteral("0xEFCB05"));
}

void SettingsTest::excludePathsAppearOnFirstRead()
{
    {
        auto settings = open();
        const QList<ExcludePath> paths = settings->excludePaths();
        QCOMPARE(paths.size(), 2);
        QCOMPARE(paths.at(0), (ExcludePath{QStringLiteral("$Recycle.Bin"), true}));
        QCOMPARE(paths.at(1), (ExcludePath{QStringLiteral(".svn"), true}));
    }
    QMap<QString, QString> entries = fileEntries();
    QCOMPARE(entries.value(QStringLiteral("ExcludePaths/size")), QStringLiteral("2"));
    QCOMPARE(entries.value(QStringLiteral("ExcludePaths/2/path")), QStringLiteral(".svn"));

    // Once stored, even an emptied list is not refilled with the defaults.
    open()->setExcludePaths({});
    QVERIFY(open()->excludePaths().isEmpty());
    QCOMPARE(fileEntries().value(QStringLiteral("ExcludePaths/size")), QStringLiteral("0"));
}

void SettingsTest::versionBelow11ReplacesCategoriesAtEveryStart()
{
    writeFile("[General]\nVersion=1.0\n\n[FileCategories]\n1\\name=Mine\n1\\extensions=abc\nsize=1\n");
    const QList<FileCategory> mine{{QString(), QStringLiteral("abc"), QStringLiteral("Mine")}};
    for (int start = 0; start < 2; ++start) {
        {
            auto settings = open();
            QCOMPARE(settings->fileCategories(), settings->defaultFileCategories());
            settings->setFileCategories(mine);
            QCOMPARE(settings->fileCategories(), mine);
        }
        // The store never raises a version it finds in the file.
        QCOMPARE(fileEntries().value(QStringLiteral("Version")), QStringLiteral("1.0"));
    }
}

void SettingsTest::missingVersionIsTreatedAsOld()
{
    writeFile("[General]\nWordWrap=true\n\n[FileCategories]\n1\\name=Mine\nsize=1\n");
    {
        auto settings = open();
        QCOMPARE(settings->fileCategories(), settings->defaultFileCategories());
        QVERIFY(settings->value(Settings::WordWrap).toBool()); // user values are kept
    }
    QCOMPARE(fileEntries().value(QStringLiteral("Version")), QStringLiteral("1.1"));
}

void SettingsTest::currentVersionKeepsUserCategories()
{
    const QList<FileCategory> mine{{QStringLiteral("f"), QStringLiteral("cpp;h"), QStringLiteral("Code")}};
    open()->setFileCategories(mine);
    QCOMPARE(open()->fileCategories(), mine);
    QCOMPARE(fileEntries().value(QStringLiteral("FileCategories/1/extensions")), QStringLiteral("\"cpp;h\""));
}

// An empty list leaves only the array's size entry. That reads as an empty
// list but does not count as set, so the next start writes the default
// back as a plain value, which then wins.
void SettingsTest::emptyDisabledFiltersRoundTrip()
{
    {
        auto settings = open();
        settings->setDisabledFilters({});
        QVERIFY(settings->value(Settings::IFiltersDisabledFilters).toStringList().isEmpty());
        QVERIFY(settings->disabledFilters().isEmpty());
        QVERIFY(!settings->isSet(Settings::IFiltersDisabledFilters));
    }
    QMap<QString, QString> entries = fileEntries();
    QVERIFY(!entries.contains(QStringLiteral("IFilters/DisabledFilters")));
    QCOMPARE(entries.value(QStringLiteral("IFilters/DisabledFilters/size")), QStringLiteral("0"));

    QCOMPARE(open()->disabledFilters(), defaultClsids());
    entries = fileEntries();
    QVERIFY(entries.contains(QStringLiteral("IFilters/DisabledFilters")));
    QCOMPARE(entries.value(QStringLiteral("IFilters/DisabledFilters/size")), QStringLiteral("0"));
}

void SettingsTest::nonEmptyDisabledFiltersReplaceThePlainList()
{
    const QStringList one{QStringLiteral("{aaaaaaaa-0000-0000-0000-000000000001}")};
    open()->setDisabledFilters(one);
    const QMap<QString, QString> entries = fileEntries();
    QVERIFY(!entries.contains(QStringLiteral("IFilters/DisabledFilters")));
    QCOMPARE(entries.value(QStringLiteral("IFilters/DisabledFilters/1/value")), one.first());
    auto settings = open();
    QVERIFY(settings->isSet(Settings::IFiltersDisabledFilters));
    QCOMPARE(settings->disabledFilters(), one);
}

void SettingsTest::plainValueWinsOverArray()
{
    auto settings = open();
    settings->writeStringList(QStringLiteral("Language"), {QStringLiteral("array")});
    QCOMPARE(settings->value(Settings::Language).toStringList(), QStringList{QStringLiteral("array")});
    settings->setValue(Settings::Language, QStringLiteral("de"));
    QCOMPARE(settings->value(Settings::Language).toString(), QStringLiteral("de"));
    QCOMPARE(settings->readStringList(QStringLiteral("Language")), QStringList{QStringLiteral("array")});
}

void SettingsTest::unknownIdThrows()
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

void SettingsTest::indexingSettings_data()
{
    QTest::addColumn<QString>("indexDrives");
    QTest::addColumn<QList<QChar>>("letters");
    QTest::newRow("lower case") << QStringLiteral("cd") << QList<QChar>{'C', 'D'};
    QTest::newRow("mixed, order kept") << QStringLiteral("eC") << QList<QChar>{'E', 'C'};
    QTest::newRow("empty") << QString() << QList<QChar>{};
}

void SettingsTest::indexingSettings()
{
    QFETCH(QString, indexDrives);
    QFETCH(QList<QChar>, letters);
    auto settings = open();
    settings->setValue(Settings::IndexDrives, indexDrives);
    settings->setValue(Settings::NoIndexDrives, QStringLiteral("z"));
    settings->setValue(Settings::AutoAddRemovable, true);
    settings->setExcludePaths({{QStringLiteral("/proc"), true},
                               {QStringLiteral("node_modules"), false},
                               {QStringLiteral(".git"), true}});
    const IndexingSettings record = settings->indexingSettings();
    QCOMPARE(record.indexDrives, letters);
    QCOMPARE(record.noIndexDrives, QList<QChar>{'Z'});
    QVERIFY(record.autoAddFixed);
    QVERIFY(record.autoAddRemovable);
    QCOMPARE(record.dbPath, settings->defaultValue(Settings::DBPath).toString());
    QCOMPARE(record.excludePaths, (QStringList{QStringLiteral("/proc"), QStringLiteral(".git")}));
}

void SettingsTest::setIndexingSettingsWritesLetters()
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

void SettingsTest::contentSearchSettings()
{
    auto settings = open();
    const QList<IFilterInfo> f32{{QStringLiteral("{1}"), QStringLiteral("One"), {QStringLiteral(".one")}}};
    const QList<IFilterInfo> f64{{QStringLiteral("{2}"), QString(), {}}};
    settings->setInstalledFilters(f32, f64);
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

    const ContentSearchSettings empty;
    QVERIFY(!empty.autoDetectEncoding && !empty.skipBinary && !empty.useBuiltInPDF);
}

void SettingsTest::historiesKeepTwenty_data()
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

void SettingsTest::historiesKeepTwenty()
{
    QFETCH(QString, key);
    QFETCH(int, count);
    QFETCH(int, stored);
    const QStringList list = numbered(count);
    QStringList readBack;
    {
        auto settings = open();
        if (key == Settings::kFileNameHistory)
            settings->setFileNameHistory(list);
        else if (key == Settings::kPathHistory)
            settings->setPathHistory(list);
        else if (key == Settings::kContentHistory)
            settings->setContentHistory(list);
        else
            settings->setInstantFileNameHistory(list);
        readBack = key == Settings::kFileNameHistory  ? settings->fileNameHistory()
                   : key == Settings::kPathHistory    ? settings->pathHistory()
                   : key == Settings::kContentHistory ? settings->contentHistory()
                                                      : settings->instantFileNameHistory();
    }
    QCOMPARE(readBack, list.mid(0, stored));
    const QMap<QString, QString> entries = fileEntries();
    QCOMPARE(entries.value(key + QStringLiteral("/size")), QString::number(stored));
    QCOMPARE(entries.value(key + QStringLiteral("/%1/value").arg(stored)), list.at(stored - 1));
    QVERIFY(!entries.contains(key + QStringLiteral("/%1/value").arg(stored + 1)));
}

void SettingsTest::fileColumnsRoundTrip()
{
    open()->setFileColumns({{0, 250}, {3, 80}, {1, 120}});
    auto settings = open();
    QCOMPARE(settings->fileColumnTypes(), (QList<int>{0, 3, 1}));
    QCOMPARE(settings->fileColumnWidths(), (QList<int>{250, 80, 120}));
    settings->setFileColumns({{2, 60}});
    QCOMPARE(settings->fileColumnTypes(), QList<int>{2});
    QCOMPARE(settings->fileColumnWidths(), QList<int>{60});
}

void SettingsTest::filterName_data()
{
    QTest::addColumn<QString>("clsid");
    QTest::addColumn<QString>("name");
    QTest::newRow("32-bit") << QStringLiteral("{aa}") << QStringLiteral("Office");
    QTest::newRow("case ignored") << QStringLiteral("{AA}") << QStringLiteral("Office");
    QTest::newRow("64-bit") << QStringLiteral("{bb}") << QStringLiteral("PDF 64");
    QTest::newRow("32-bit found first") << QStringLiteral("{cc}") << QStringLiteral("first");
    QTest::newRow("no name gives the argument") << QStringLiteral("{DD}") << QStringLiteral("{DD}");
    QTest::newRow("unknown") << QStringLiteral("{ee}") << QString();
}

void SettingsTest::filterName()
{
    QFETCH(QString, clsid);
    QFETCH(QString, name);
    auto settings = open();
    QCOMPARE(settings->filterName(QStringLiteral("{aa}")), QString()); // nothing installed yet
    settings->setInstalledFilters(
        {{QStringLiteral("{aa}"), QStringLiteral("Office"), {}}, {QStringLiteral("{cc}"), QStringLiteral("first"), {}}},
        {{QStringLiteral("{bb}"), QStringLiteral("PDF 64"), {}},
         {QStringLiteral("{cc}"), QStringLiteral("second"), {}},
         {QStringLiteral("{dd}"), QString(), {}}});
    QCOMPARE(settings->filterName(clsid), name);
}

void SettingsTest::highlightColor_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<quint32>("rgb");
    QTest::newRow("default") << QStringLiteral("0xEFCB05") << quint32(0xEFCB05);
    QTest::newRow("no prefix") << QStringLiteral("12ab34") << quint32(0x12AB34);
    QTest::newRow("garbage falls back") << QStringLiteral("yellow") << quint32(0xEFCB05);
    QTest::newRow("empty falls back") << QString() << quint32(0xEFCB05);
}

void SettingsTest::highlightColor()
{
    QFETCH(QString, stored);
    QFETCH(quint32, rgb);
    auto settings = open();
    settings->setValue(Settings::HighlightColor, stored);
    QCOMPARE(settings->highlightColor(), rgb);
}

void SettingsTest::processWideInstance()
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

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
