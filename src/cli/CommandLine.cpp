#include "cli/CommandLine.h"

#include "query/ExpressionValidator.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"

#include <QDir>
#include <QRegularExpression>

#include <limits>

namespace {

const QStringList kExpressionTypes{QStringLiteral("substring"), QStringLiteral("word"), QStringLiteral("regex"),
                                   QStringLiteral("boolean")};
const QStringList kSizeUnits{QStringLiteral("B"), QStringLiteral("KB"), QStringLiteral("MB"), QStringLiteral("GB")};

QCommandLineOption option(const QStringList &names, const QString &description, const QString &valueName = QString())
{
    return QCommandLineOption(names, description, valueName);
}

} // namespace

CommandLine::CommandLine()
{
    m_parser.setApplicationDescription(QStringLiteral(
        "Finds files and folders by name, from the index of the local volumes (as root) and by walking folders.\n"
        "NAME is the file-name expression; without it every name matches.\n"
        "Exit status: 0 something was found, 1 nothing was, 2 usage or expression error."));
    addOptions();
    m_parser.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("The file-name expression."),
                                   QStringLiteral("[NAME]"));
}

void CommandLine::addOptions()
{
    const QString types = QStringLiteral("substring (default), word, regex or boolean");
    m_parser.addOptions({
        option({"h", "help"}, "Shows this help."),
        option({"version"}, "Shows the version."),
        option({"t", "type"}, "How NAME is matched: " + types + ".", "TYPE"),
        option({"case"}, "Names are matched case-sensitively."),
        option({"d", "in"}, "Folders to search, separated by \";\"; \"!\" before a folder excludes it.", "FOLDERS"),
        option({"no-subfolders"}, "Only the direct entries of the folders."),
        option({"c", "contents"}, "Only files whose contents match TEXT.", "TEXT"),
        option({"contents-type"}, "How TEXT is matched: " + types + ".", "TYPE"),
        option({"contents-case"}, "Contents are matched case-sensitively."),
        option({"line-scope"}, "A Boolean contents expression must hold within one line."),
        option({"min-size"}, "Files of at least N bytes; units B, KB, MB, GB (1024 based).", "N"),
        option({"max-size"}, "Files of at most N bytes; units as for --min-size.", "N"),
        option({"modified-from"}, "Last modified on this day (local time) or later.", "YYYY-MM-DD"),
        option({"modified-to"}, "Last modified on this day (local time) or earlier.", "YYYY-MM-DD"),
        option({"count-matches"}, "Counts every contents match instead of stopping at the first."),
        option({"0", "print0"}, "Ends each path with a NUL character instead of a line feed."),
        option({"csv"}, "Writes the results as CSV: Name,Path,File Size,Created,Accessed,Modified."),
        option({"matches"}, "Prints the lines of FILE that match the --contents expression.", "FILE"),
        option({"index"}, "Indexes exactly these volumes for this run (mount points separated by \";\").",
               "MOUNTPOINTS"),
        option({"no-index"}, "Uses no index: only walks the --in folders."),
        option({"no-service"}, "Does not ask the index service: root loads the index itself, others walk."),
        option({"volumes"}, "Lists the volumes: key, mount point, file-system type, classification."),
        option({"settings"}, "Uses this settings file; its folder is the data folder.", "FILE"),
        option({"interactive"}, "Keeps the index live and answers one NAME per line of standard input."),
    });
}

bool CommandLine::parse(const QStringList &arguments)
{
    if (!m_parser.parse(arguments))
        return fail(m_parser.errorText());
    m_help = m_parser.isSet(QStringLiteral("help"));
    m_version = m_parser.isSet(QStringLiteral("version"));
    if (m_help || m_version)
        return true;
    return readSearchOptions() && readContentOptions() && readBounds() && readOtherOptions();
}

bool CommandLine::fail(const QString &message)
{
    m_error = message;
    return false;
}

bool CommandLine::readSearchOptions()
{
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() > 1)
        return fail(QStringLiteral("only one NAME may be given (quote a NAME with blanks): %1")
                        .arg(positional.join(QLatin1Char(' '))));
    m_name = positional.value(0);
    if (m_parser.isSet(QStringLiteral("type"))) {
        m_nameType = expressionType(m_parser.value(QStringLiteral("type")));
        if (m_nameType < 0)
            return fail(QStringLiteral("unknown expression type \"%1\"").arg(m_parser.value(QStringLiteral("type"))));
    }
    m_nameCase = m_parser.isSet(QStringLiteral("case"));
    const QString nameError = expressionError(m_name, m_nameType);
    if (!nameError.isEmpty())
        return fail(QStringLiteral("NAME: %1").arg(nameError));
    QStringList includes;
    FileSearchResults::parseFolderList(m_parser.value(QStringLiteral("in")), includes, m_excludePaths);
    // Folders are found by the volume they lie on and reported as full
    // paths, so relative ones are taken from the current folder.
    for (const QString &path : qAsConst(includes)) {
        if (!path.isEmpty())
            m_includePaths.append(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    }
    m_subfolders = !m_parser.isSet(QStringLiteral("no-subfolders"));
    return true;
}

bool CommandLine::readContentOptions()
{
    m_text = m_parser.value(QStringLiteral("contents"));
    if (m_parser.isSet(QStringLiteral("contents-type"))) {
        const QString type = m_parser.value(QStringLiteral("contents-type"));
        m_textType = expressionType(type);
        if (m_textType < 0)
            return fail(QStringLiteral("unknown expression type \"%1\"").arg(type));
    }
    m_textCase = m_parser.isSet(QStringLiteral("contents-case"));
    m_lineScope = m_parser.isSet(QStringLiteral("line-scope"));
    m_countMatches = m_parser.isSet(QStringLiteral("count-matches"));
    const QString textError = expressionError(m_text, m_textType);
    if (!textError.isEmpty())
        return fail(QStringLiteral("--contents: %1").arg(textError));
    return true;
}

bool CommandLine::readBounds()
{
    if (!readSize(QStringLiteral("min-size"), &m_minSize) || !readSize(QStringLiteral("max-size"), &m_maxSize))
        return false;
    if (!readDate(QStringLiteral("modified-from"), &m_modifiedFrom)
        || !readDate(QStringLiteral("modified-to"), &m_modifiedTo))
        return false;
    return true;
}

bool CommandLine::readSize(const QString &option, qint64 *bytes)
{
    if (!m_parser.isSet(option))
        return true;
    if (!parseSize(m_parser.value(option), bytes))
        return fail(QStringLiteral("--%1: \"%2\" is not a size (a whole number, optionally with B, KB, MB or GB)")
                        .arg(option, m_parser.value(option)));
    return true;
}

bool CommandLine::readDate(const QString &option, QDate *date)
{
    if (!m_parser.isSet(option))
        return true;
    // Exactly YYYY-MM-DD: the ISO parser would take "2023-01-01garbage".
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QString text = m_parser.value(option);
    *date = pattern.match(text).hasMatch() ? QDate::fromString(text, QStringLiteral("yyyy-MM-dd")) : QDate();
    if (!date->isValid())
        return fail(QStringLiteral("--%1: \"%2\" is not a date YYYY-MM-DD").arg(option, m_parser.value(option)));
    return true;
}

bool CommandLine::readOtherOptions()
{
    const bool nul = m_parser.isSet(QStringLiteral("print0"));
    const bool csv = m_parser.isSet(QStringLiteral("csv"));
    if (nul && csv)
        return fail(QStringLiteral("--print0 and --csv exclude each other"));
    m_format = csv ? Csv : nul ? NulSeparated : Lines;
    m_matchesFile = m_parser.value(QStringLiteral("matches"));
    if (m_parser.isSet(QStringLiteral("matches")) && (m_matchesFile.isEmpty() || m_text.isEmpty()))
        return fail(QStringLiteral("--matches needs a FILE and a --contents expression"));
    m_noIndex = m_parser.isSet(QStringLiteral("no-index"));
    m_noService = m_parser.isSet(QStringLiteral("no-service"));
    for (const QString &mountPoint : m_parser.value(QStringLiteral("index")).split(QLatin1Char(';'))) {
        if (!mountPoint.isEmpty())
            m_indexMountPoints.append(QDir::cleanPath(QDir::current().absoluteFilePath(mountPoint)));
    }
    // An empty list would mean every volume, "/" included.
    if (m_parser.isSet(QStringLiteral("index")) && m_indexMountPoints.isEmpty())
        return fail(QStringLiteral("--index needs at least one mount point"));
    if (m_noIndex && !m_indexMountPoints.isEmpty())
        return fail(QStringLiteral("--index and --no-index exclude each other"));
    m_listVolumes = m_parser.isSet(QStringLiteral("volumes"));
    m_interactive = m_parser.isSet(QStringLiteral("interactive"));
    m_settingsFile = m_parser.value(QStringLiteral("settings"));
    if (m_interactive && !m_matchesFile.isEmpty())
        return fail(QStringLiteral("--interactive and --matches exclude each other"));
    return true;
}

void CommandLine::fillRequest(FileSearchRequest &request) const
{
    request.name = m_name;
    request.nameExpressionType = m_nameType;
    request.nameCaseSensitive = m_nameCase;
    request.includePaths = m_includePaths;
    request.excludePaths = m_excludePaths;
    request.includeSubfolders = m_subfolders;
    request.text = m_text;
    request.textExpressionType = m_textType;
    request.textCaseSensitive = m_textCase;
    request.lineScope = m_lineScope;
    request.minSize = m_minSize;
    request.maxSize = m_maxSize;
    request.modifiedFrom = m_modifiedFrom;
    request.modifiedTo = m_modifiedTo;
    request.countMatches = m_countMatches;
}

int CommandLine::expressionType(const QString &text)
{
    return int(kExpressionTypes.indexOf(text.toLower()));
}

bool CommandLine::parseSize(const QString &text, qint64 *bytes)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d+)\\s*([A-Za-z]*)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const QString unitText = match.captured(2).toUpper();
    const int unit = unitText.isEmpty() ? 0 : int(kSizeUnits.indexOf(unitText));
    if (unit < 0)
        return false;
    bool ok = false;
    const qint64 number = match.captured(1).toLongLong(&ok);
    const int shift = 10 * unit;
    if (!ok || number > (std::numeric_limits<qint64>::max() >> shift))
        return false;
    *bytes = number << shift;
    return true;
}

QString CommandLine::expressionError(const QString &text, int type)
{
    return ExpressionValidator::errorFor(text, type);
}
