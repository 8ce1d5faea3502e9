#pragma once

#include "base/ContentSearchSettings.h"
#include "base/ExcludePath.h"
#include "base/FileCategory.h"
#include "base/IFilterInfo.h"
#include "base/IndexingSettings.h"
#include "base/SettingsBase.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>
#include <utility>

// The user's options, kept in one INI file ("Settings.ini" in the data
// folder). Every key of the table below has a default that is written into
// the file when it is missing, so the file always shows every option a user
// can edit by hand. List-valued options have typed helpers.
//
// GUI thread only: instance() creates the object lazily without a lock.
// Worker threads receive IndexingSettings and ContentSearchSettings by value.
class Settings : public SettingsBase
{
public:
    // Stable identifiers: the numbers are part of the design (callers and
    // tests name keys by them), the names follow the key strings.
    enum Key : int {
        Version = 0,
        AutoDetectEncoding = 1,
        SkipBinary = 2,
        UseBuiltInPDF = 3,
        IFiltersDisabledFilters = 4,
        RunInBackground = 5,
        RunInBackgroundHintShown = 6,
        DefaultDialogDir = 7,
        Language = 8,
        ShowFilterBar = 9,
        ShowMaximumMatches = 10,
        ShowAdvancedOptions = 11,
        WordWrap = 12,
        ShowFullMatchedLine = 13,
        PreviewCharsBeforeMatch = 14,
        PreviewCharsAfterMatch = 15,
        HighlightColor = 16,
        SaveAllTabs = 17,
        AutoCompletePath = 18,
        SortColumn = 19,
        DBPath = 20,
        AutoAddFixed = 21,
        AutoAddRemovable = 22,
        IndexDrives = 23,
        NoIndexDrives = 24,
        MainWindowSize = 25,
        MainWindowPos = 26,
        MainWindowMaximized = 27,
        MainWindowLastLeftPaneWidth = 28,
        SearchWindowVisible = 29,
        SearchWindowPos = 30,
        SearchWindowSize = 31,
        SearchWindowArea = 32,
        SearchWindowFloating = 33,
        CommandToolbarVisible = 34,
        CommandToolbarArea = 35,
        InstantToolbarVisible = 36,
        InstantToolbarArea = 37,
        DebugAssertLogging = 38,
        // Name-only searches on the index start as the instant field's text
        // changes.
        SearchAsYouType = 39,
    };

    static constexpr int kMaxHistoryEntries = 20;

    // The process-wide store, created on the first call with 'fileName';
    // later calls ignore the name. Start-up calls this form first.
    static Settings *instance(const QString &fileName);
    // The process-wide store; created on an empty file name (nothing is
    // persisted) if start-up did not create it.
    static Settings *instance();
    // Deletes the store, which writes pending changes to the file.
    static void destroyInstance();
    // Whether instance() has made the settings object (and not destroyed it).
    static bool hasInstance();

    explicit Settings(const QString &fileName);
    ~Settings() override;

    // Keys outside the table stay reachable through QSettings.
    using QSettings::setValue;
    using QSettings::value;

    // The stored value, an array stored under the key read as a string list,
    // or else the default. An id outside the table throws std::out_of_range.
    QVariant value(Key id);
    void setValue(Key id, const QVariant &value);
    // True when the key itself or the first element of an array under it is
    // stored; an empty array alone does not count.
    bool isSet(Key id) const;
    QVariant defaultValue(Key id) const;

    QStringList readStringList(const QString &key);
    void writeStringList(const QString &key, const QStringList &list);

    QStringList disabledFilters();
    void setDisabledFilters(const QStringList &clsids);
    QStringList disabledExtensions();
    void setDisabledExtensions(const QStringList &extensions);
    QStringList disabledExtensions64();
    void setDisabledExtensions64(const QStringList &extensions);

    QList<FileCategory> fileCategories();
    void setFileCategories(const QList<FileCategory> &categories);
    QList<FileCategory> defaultFileCategories() const { return m_defaultCategories; }

    // Writes the built-in exclude paths first if none were ever stored.
    QList<ExcludePath> excludePaths();
    void setExcludePaths(const QList<ExcludePath> &paths);

    QList<int> fileColumnTypes();
    QList<int> fileColumnWidths();
    // {type, width} of each column, in display order.
    void setFileColumns(const QList<QPair<int, int>> &columns);

    // Histories keep their newest entries first; only the first
    // kMaxHistoryEntries are stored.
    QStringList fileNameHistory() { return readStringList(kFileNameHistory); }
    void setFileNameHistory(const QStringList &list) { writeHistory(kFileNameHistory, list); }
    QStringList pathHistory() { return readStringList(kPathHistory); }
    void setPathHistory(const QStringList &list) { writeHistory(kPathHistory, list); }
    QStringList contentHistory() { return readStringList(kContentHistory); }
    void setContentHistory(const QStringList &list) { writeHistory(kContentHistory, list); }
    QStringList instantFileNameHistory() { return readStringList(kInstantFileNameHistory); }
    void setInstantFileNameHistory(const QStringList &list) { writeHistory(kInstantFileNameHistory, list); }

    // "HighlightColor" as 0xRRGGBB; a text that does not parse gives the default.
    quint32 highlightColor();

    IndexingSettings indexingSettings();
    void setIndexingSettings(const IndexingSettings &settings);

    // Call before contentSearchSettings() is first built.
    void setInstalledFilters(QList<IFilterInfo> filters32, QList<IFilterInfo> filters64);
    ContentSearchSettings contentSearchSettings();

    // The name of the installed filter with this CLSID (ignoring case), the
    // CLSID itself when that filter has no name, or empty when none has it.
    QString filterName(const QString &clsid) const;

    static const QString kFileNameHistory;
    static const QString kPathHistory;
    static const QString kContentHistory;
    static const QString kInstantFileNameHistory;

private:
    using Entry = std::pair<QString, QVariant>;

    const Entry &entry(Key id) const;
    void registerKey(Key id, const QString &key, const QVariant &defaultValue);
    void registerMainKeys();
    void registerLayoutKeys();
    int storedVersion() const;
    void writeHistory(const QString &key, const QStringList &list);
    template<typename ReadElement>
    auto readArray(const QString &key, ReadElement readElement) -> QList<decltype(readElement())>;
    template<typename T, typename WriteElement>
    void writeArray(const QString &key, const QList<T> &list, WriteElement writeElement);

    QList<IFilterInfo> m_filters32;
    QList<IFilterInfo> m_filters64;
    std::map<int, Entry> m_keys;
    QList<FileCategory> m_defaultCategories;
    QList<ExcludePath> m_defaultExcludePaths;
};
