#pragma once

#include <QCommandLineParser>
#include <QDate>
#include <QString>
#include <QStringList>

class FileSearchRequest;

// The options of tvq and what they ask for. Search options map one to one
// to the fields of a FileSearchRequest; the others choose the output, the
// index and the settings file.
class CommandLine
{
public:
    enum OutputFormat { Lines, NulSeparated, Csv };

    CommandLine();

    // `arguments` starts with the program name. False on a usage error or
    // an invalid expression; errorText() then says why.
    bool parse(const QStringList &arguments);
    QString errorText() const { return m_error; }
    QString helpText() const { return m_parser.helpText(); }
    bool helpRequested() const { return m_help; }
    bool versionRequested() const { return m_version; }

    // Writes the search options into `request`, leaving its id alone.
    void fillRequest(FileSearchRequest &request) const;

    OutputFormat outputFormat() const { return m_format; }
    QString matchesFile() const { return m_matchesFile; }
    // Mount points named by --index; empty without it.
    QStringList indexMountPoints() const { return m_indexMountPoints; }
    bool noIndex() const { return m_noIndex; }
    bool noService() const { return m_noService; }
    bool listVolumes() const { return m_listVolumes; }
    bool interactive() const { return m_interactive; }
    QString settingsFile() const { return m_settingsFile; }
    bool hasFolders() const { return !m_includePaths.isEmpty(); }

    // "substring", "word", "regex" or "boolean" as 0 to 3; -1 for another text.
    static int expressionType(const QString &text);
    // A whole number of bytes, or with a unit B, KB, MB or GB (powers of
    // 1024, any case, a blank allowed before the unit). False when the text
    // is not such a size or does not fit in 63 bits.
    static bool parseSize(const QString &text, qint64 *bytes);
    // Why `text` cannot be used as an expression of `type`; empty when it can.
    static QString expressionError(const QString &text, int type);

private:
    void addOptions();
    bool readSearchOptions();
    bool readContentOptions();
    bool readBounds();
    bool readOtherOptions();
    bool readDate(const QString &option, QDate *date);
    bool readSize(const QString &option, qint64 *bytes);
    bool fail(const QString &message);

    QCommandLineParser m_parser;
    QString m_error;
    bool m_help = false;
    bool m_version = false;

    QString m_name;
    int m_nameType = 0;
    bool m_nameCase = false;
    QStringList m_includePaths;
    QStringList m_excludePaths;
    bool m_subfolders = true;
    QString m_text;
    int m_textType = 0;
    bool m_textCase = false;
    bool m_lineScope = false;
    qint64 m_minSize = -1;
    qint64 m_maxSize = -1;
    QDate m_modifiedFrom;
    QDate m_modifiedTo;
    bool m_countMatches = false;

    OutputFormat m_format = Lines;
    QString m_matchesFile;
    QStringList m_indexMountPoints;
    bool m_noIndex = false;
    bool m_noService = false;
    bool m_listVolumes = false;
    bool m_interactive = false;
    QString m_settingsFile;
};
