#include "base/Settings.h"

#include "base/DataPaths.h"

#include <QPoint>
#include <QSize>

#include <stdexcept>

const QString Settings::kFileNameHistory = QStringLiteral("FileNameHistory");
const QString Settings::kPathHistory = QStringLiteral("PathHistory");
const QString Settings::kContentHistory = QStringLiteral("ContentHistory");
const QString Settings::kInstantFileNameHistory = QStringLiteral("InstantFileNameHistory");

namespace {

Settings *s_instance = nullptr;

const QString kValueField = QStringLiteral("value");
const QString kFileCategories = QStringLiteral("FileCategories");
const QString kExcludePaths = QStringLiteral("ExcludePaths");
const QString kFileColumns = QStringLiteral("FileColumns");
const QString kDisabledExtensions = QStringLiteral("IFilters/DisabledExtensions");
const QString kDisabledExtensions64 = QStringLiteral("IFilters/DisabledExtensions64");

// The version a file without "Version" is taken to have: older than the
// first one that stored it, so its categories are brought up to date.
constexpr int kUnversioned = 10;
constexpr int kCategoriesVersion = 11;
constexpr quint32 kDefaultHighlightColor = 0xEFCB05;

// The Windows kinds and their Linux counterparts (OpenDocument, shell
// scripts and AppImages, the newer picture, sound and video formats).
QList<FileCategory> builtInCategories()
{
    return {
        {QString(), QString(), QStringLiteral("All")},
        {QStringLiteral("d"), QString(), QStringLiteral("Directory")},
        {QStringLiteral("f"),
         QStringLiteral("doc;docx;epub;fb2;htm;html;ini;md;mth;odp;ods;odt;pdf;ppt;pptx;rtf;txt;wri;xls;xlsx;xls"),
         QStringLiteral("Document")},
        {QStringLiteral("f"), QStringLiteral("AppImage;bat;bin;cmd;exe;msi;run;sh"), QStringLiteral("Executable")},
        {QStringLiteral("f"), QStringLiteral("avif;bmp;gif;heic;ico;jpeg;jpg;png;psd;svg;tiff;webp"),
         QStringLiteral("Picture")},
        // Extensions are split at ";" only: "m3u" and "m4a" are two entries.
        {QStringLiteral("f"), QStringLiteral("flac;m3u;m4a;mid;mp3;ogg;opus;wav;wma"), QStringLiteral("Music")},
        {QStringLiteral("f"), QStringLiteral("3gp;avi;flv;mp4;mkv;mpg;mov;swf;webm;wmv"), QStringLiteral("Video")},
    };
}

QList<QChar> upperCaseLetters(const QString &text)
{
    QList<QChar> letters;
    for (const QChar c : text)
        letters.append(c.toUpper());
    return letters;
}

QString joinLetters(const QList<QChar> &letters)
{
    QString text;
    for (const QChar c : letters)
        text.append(c);
    return text;
}

} // namespace

Settings *Settings::instance(const QString &fileName)
{
    if (!s_instance)
        s_instance = new Settings(fileName);
    return s_instance;
}

Settings *Settings::instance()
{
    return instance(QString());
}

bool Settings::hasInstance()
{
    return s_instance != nullptr;
}

void Settings::destroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

// The order of the steps matters: the version must be read before "Version"
// is registered (which writes the current one into a new file), and the
// categories are rewritten only after every other default is in place.
Settings::Settings(const QString &fileName)
    : SettingsBase(fileName)
{
    const int version = storedVersion();
    registerMainKeys();
    registerLayoutKeys();
    m_defaultCategories = builtInCategories();
    if (version < kCategoriesVersion)
        setFileCategories(m_defaultCategories);
    m_defaultExcludePaths = {{QStringLiteral("$Recycle.Bin"), true}, {QStringLiteral(".svn"), true}};
    registerKey(DebugAssertLogging, QStringLiteral("Debug/AssertLogging"), true);
    registerKey(SearchAsYouType, QStringLiteral("SearchAsYouType"), true);
}

Settings::~Settings() = default;

int Settings::storedVersion() const
{
    if (!contains(QStringLiteral("Version")))
        return kUnversioned;
    // "1.1" -> 11; truncation keeps "1.19" below 12.
    return static_cast<int>(QSettings::value(QStringLiteral("Version")).toDouble() * 10);
}

void Settings::registerMainKeys()
{
    registerKey(Version, QStringLiteral("Version"), QStringLiteral("1.1"));
    registerKey(AutoDetectEncoding, QStringLiteral("AutoDetectEncoding"), true);
    registerKey(SkipBinary, QStringLiteral("SkipBinary"), true);
    registerKey(UseBuiltInPDF, QStringLiteral("UseBuiltInPDF"), true);
    registerKey(AutoAddFixed, QStringLiteral("AutoAddFixed"), true);
    registerKey(AutoAddRemovable, QStringLiteral("AutoAddRemovable"), false);
    registerKey(RunInBackground, QStringLiteral("RunInBackground"), true);
    registerKey(RunInBackgroundHintShown, QStringLiteral("RunInBackgroundHintShown"), false);
    registerKey(DefaultDialogDir, QStringLiteral("DefaultDialogDir"), QString());
    registerKey(Language, QStringLiteral("Language"), QString());
    registerKey(DBPath, QStringLiteral("DBPath"), DataPaths::dataDirectory());
    registerKey(ShowFilterBar, QStringLiteral("ShowFilterBar"), true);
    registerKey(ShowAdvancedOptions, QStringLiteral("ShowAdvancedOptions"), false);
    registerKey(ShowMaximumMatches, QStringLiteral("ShowMaximumMatches"), 100);
    registerKey(WordWrap, QStringLiteral("WordWrap"), false);
    registerKey(PreviewCharsBeforeMatch, QStringLiteral("PreviewCharsBeforeMatch"), 50);
    registerKey(PreviewCharsAfterMatch, QStringLiteral("PreviewCharsAfterMatch"), 50);
    registerKey(ShowFullMatchedLine, QStringLiteral("ShowFullMatchedLine"), false);
    registerKey(HighlightColor, QStringLiteral("HighlightColor"), QStringLiteral("0xEFCB05"));
    registerKey(SaveAllTabs, QStringLiteral("SaveAllTabs"), false);
    registerKey(AutoCompletePath, QStringLiteral("AutoCompletePath"), true);
    registerKey(SortColumn, QStringLiteral("SortColumn"), 0);
    // Stored as one plain list value: isSet() and value() rely on that form
    // being told apart from the array that setDisabledFilters() writes.
    registerKey(IFiltersDisabledFilters, QStringLiteral("IFilters/DisabledFilters"),
                QStringList{QStringLiteral("{c3278e90-bea7-11cd-b579-08002b30bfeb}"),
                            QStringLiteral("{c1243ca0-bf96-11cd-b579-08002b30bfeb}"),
                            QStringLiteral("{e0ca5340-4534-11cf-b952-00aa0051fe20}"),
                            QStringLiteral("{41b9be05-b3af-460c-bf0b-2cdd44a093b1}")});
    registerKey(IndexDrives, QStringLiteral("IndexDrives"), QString());
    registerKey(NoIndexDrives, QStringLiteral("NoIndexDrives"), QString());
}

void Settings::registerLayoutKeys()
{
    registerKey(MainWindowSize, QStringLiteral("MainWindow/Size"), QSize(930, 550));
    registerKey(MainWindowPos, QStringLiteral("MainWindow/Pos"), QPoint(470, 270));
    registerKey(MainWindowMaximized, QStringLiteral("MainWindow/Maximized"), QVariant());
    registerKey(MainWindowLastLeftPaneWidth, QStringLiteral("MainWindow/LastLeftPaneWidth"), 200);
    registerKey(SearchWindowVisible, QStringLiteral("SearchWindow/Visible"), true);
    registerKey(SearchWindowPos, QStringLiteral("SearchWindow/Pos"), QPoint(0, 0));
    registerKey(SearchWindowSize, QStringLiteral("SearchWindow/Size"), QSize(0, 0));
    registerKey(SearchWindowArea, QStringLiteral("SearchWindow/Area"), 1); // Qt::LeftDockWidgetArea
    registerKey(SearchWindowFloating, QStringLiteral("SearchWindow/Floating"), false);
    // The toolbar visibility defaults are the int 4, which reads as true.
    registerKey(CommandToolbarVisible, QStringLiteral("CommandToolbar/Visible"), 4);
    registerKey(CommandToolbarArea, QStringLiteral("CommandToolbar/Area"), 4); // Qt::TopToolBarArea
    registerKey(InstantToolbarVisible, QStringLiteral("InstantToolbar/Visible"), 4);
    registerKey(InstantToolbarArea, QStringLiteral("InstantToolbar/Area"), 4);
}

void Settings::registerKey(Key id, const QString &key, const QVariant &defaultValue)
{
    m_keys[id] = Entry(key, defaultValue);
    if (!isSet(id))
        QSettings::setValue(key, defaultValue);
}

const Settings::Entry &Settings::entry(Key id) const
{
    const auto it = m_keys.find(id);
    if (it == m_keys.end())
        throw std::out_of_range("invalid map<K, T> key");
    return it->second;
}

QVariant Settings::value(Key id)
{
    const Entry &e = entry(id);
    if (contains(e.first))
        return QSettings::value(e.first);
    if (contains(e.first + QStringLiteral("/1/value")) || contains(e.first + QStringLiteral("/size")))
        return readStringList(e.first);
    return e.second;
}

// Storing a value always schedules a write of the whole file: the same value
// again (the sort column at the end of every search) writes nothing.
void Settings::setValue(Key id, const QVariant &value)
{
    const QString &key = entry(id).first;
    if (contains(key) && QSettings::value(key) == value)
        return;
    QSettings::setValue(key, value);
}

bool Settings::isSet(Key id) const
{
    const QString &key = entry(id).first;
    return contains(key) || contains(key + QStringLiteral("/1/value"));
}

QVariant Settings::defaultValue(Key id) const
{
    return entry(id).second;
}

// Reads every element of the array 'key' with 'readElement', which reads
// the fields of the current element.
template<typename ReadElement>
auto Settings::readArray(const QString &key, ReadElement readElement) -> QList<decltype(readElement())>
{
    QList<decltype(readElement())> list;
    const int size = beginReadArray(key);
    for (int i = 0; i < size; ++i) {
        setArrayIndex(i);
        list.append(readElement());
    }
    endArray();
    return list;
}

// Replaces the array 'key' (plain value and every old element) with the
// elements of 'list'. The size is left to Qt, which writes "size" from the
// highest index used: 0 for an empty list.
template<typename T, typename WriteElement>
void Settings::writeArray(const QString &key, const QList<T> &list, WriteElement writeElement)
{
    remove(key);
    beginWriteArray(key);
    for (int i = 0; i < list.size(); ++i) {
        setArrayIndex(i);
        writeElement(list.at(i));
    }
    endArray();
}

QStringList Settings::readStringList(const QString &key)
{
    return readArray(key, [this] { return QSettings::value(kValueField).toString(); });
}

void Settings::writeStringList(const QString &key, const QStringList &list)
{
    writeArray(key, list, [this](const QString &text) { QSettings::setValue(kValueField, text); });
}

QStringList Settings::disabledFilters()
{
    return value(IFiltersDisabledFilters).toStringList();
}

void Settings::setDisabledFilters(const QStringList &clsids)
{
    writeStringList(entry(IFiltersDisabledFilters).first, clsids);
}

QStringList Settings::disabledExtensions()
{
    return readStringList(kDisabledExtensions);
}

void Settings::setDisabledExtensions(const QStringList &extensions)
{
    writeStringList(kDisabledExtensions, extensions);
}

QStringList Settings::disabledExtensions64()
{
    return readStringList(kDisabledExtensions64);
}

void Settings::setDisabledExtensions64(const QStringList &extensions)
{
    writeStringList(kDisabledExtensions64, extensions);
}

QList<FileCategory> Settings::fileCategories()
{
    return readArray(kFileCategories, [this] {
        return FileCategory{QSettings::value(QStringLiteral("attributes")).toString(),
                            QSettings::value(QStringLiteral("extensions")).toString(),
                            QSettings::value(QStringLiteral("name")).toString()};
    });
}

void Settings::setFileCategories(const QList<FileCategory> &categories)
{
    writeArray(kFileCategories, categories, [this](const FileCategory &category) {
        QSettings::setValue(QStringLiteral("name"), category.name);
        QSettings::setValue(QStringLiteral("extensions"), category.extensions);
        QSettings::setValue(QStringLiteral("attributes"), category.attributes);
    });
}

QList<ExcludePath> Settings::excludePaths()
{
    if (!contains(kExcludePaths + QStringLiteral("/size")))
        setExcludePaths(m_defaultExcludePaths);
    return readArray(kExcludePaths, [this] {
        return ExcludePath{QSettings::value(QStringLiteral("path")).toString(),
                           QSettings::value(QStringLiteral("active")).toBool()};
    });
}

void Settings::setExcludePaths(const QList<ExcludePath> &paths)
{
    writeArray(kExcludePaths, paths, [this](const ExcludePath &path) {
        QSettings::setValue(QStringLiteral("path"), path.path);
        QSettings::setValue(QStringLiteral("active"), path.active);
    });
}

QList<int> Settings::fileColumnTypes()
{
    return readArray(kFileColumns, [this] { return QSettings::value(QStringLiteral("type")).toInt(); });
}

QList<int> Settings::fileColumnWidths()
{
    return readArray(kFileColumns, [this] { return QSettings::value(QStringLiteral("width")).toInt(); });
}

void Settings::setFileColumns(const QList<QPair<int, int>> &columns)
{
    writeArray(kFileColumns, columns, [this](const QPair<int, int> &column) {
        QSettings::setValue(QStringLiteral("type"), column.first);
        QSettings::setValue(QStringLiteral("width"), column.second);
    });
}

void Settings::writeHistory(const QString &key, const QStringList &list)
{
    writeStringList(key, list.mid(0, kMaxHistoryEntries));
}

quint32 Settings::highlightColor()
{
    bool ok = false;
    // Base 16 accepts the "0x" prefix the default is written with.
    const quint32 rgb = value(HighlightColor).toString().toUInt(&ok, 16);
    return ok ? rgb : kDefaultHighlightColor;
}

IndexingSettings Settings::indexingSettings()
{
    IndexingSettings settings;
    settings.indexDrives = upperCaseLetters(value(IndexDrives).toString());
    settings.noIndexDrives = upperCaseLetters(value(NoIndexDrives).toString());
    settings.autoAddFixed = value(AutoAddFixed).toBool();
    settings.autoAddRemovable = value(AutoAddRemovable).toBool();
    settings.dbPath = value(DBPath).toString();
    for (const ExcludePath &path : excludePaths()) {
        if (path.active)
            settings.excludePaths.append(path.path);
    }
    return settings;
}

void Settings::setIndexingSettings(const IndexingSettings &settings)
{
    setValue(IndexDrives, joinLetters(settings.indexDrives));
    setValue(NoIndexDrives, joinLetters(settings.noIndexDrives));
    setValue(AutoAddFixed, settings.autoAddFixed);
    setValue(AutoAddRemovable, settings.autoAddRemovable);
    setValue(DBPath, settings.dbPath);
}

void Settings::setInstalledFilters(QList<IFilterInfo> filters32, QList<IFilterInfo> filters64)
{
    m_filters32 = std::move(filters32);
    m_filters64 = std::move(filters64);
}

ContentSearchSettings Settings::contentSearchSettings()
{
    ContentSearchSettings settings;
    settings.filters32 = m_filters32;
    settings.filters64 = m_filters64;
    settings.disabledFilters = disabledFilters();
    settings.disabledExtensions = disabledExtensions();
    settings.disabledExtensions64 = disabledExtensions64();
    settings.autoDetectEncoding = value(AutoDetectEncoding).toBool();
    settings.skipBinary = value(SkipBinary).toBool();
    settings.useBuiltInPDF = value(UseBuiltInPDF).toBool();
    return settings;
}

QString Settings::filterName(const QString &clsid) const
{
    for (const QList<IFilterInfo> *filters : {&m_filters32, &m_filters64}) {
        for (const IFilterInfo &filter : *filters) {
            if (filter.clsid.compare(clsid, Qt::CaseInsensitive) == 0)
                return filter.name.isEmpty() ? clsid : filter.name;
        }
    }
    return QString();
}
