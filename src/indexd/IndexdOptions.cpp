#include "indexd/IndexdOptions.h"

#include <QCommandLineParser>
#include <QDir>

bool IndexdOptions::parse(const QStringList &arguments, QString *error, bool *help)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Holds the file index of every local volume and answers each local user's name searches "
        "with what that user may list."));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    const QCommandLineOption socket(QStringLiteral("socket"), QStringLiteral("Listen at PATH."),
                                    QStringLiteral("PATH"), socketPath);
    const QCommandLineOption state(QStringLiteral("state-dir"),
                                   QStringLiteral("Keep the databases and the log in DIR."), QStringLiteral("DIR"),
                                   stateDir);
    const QCommandLineOption config(QStringLiteral("config"), QStringLiteral("Read the indexing settings from FILE."),
                                    QStringLiteral("FILE"), configFile);
    parser.addOptions({helpOption, socket, state, config});
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return false;
    }
    *help = parser.isSet(helpOption);
    if (*help)
        *error = parser.helpText();
    socketPath = QDir::cleanPath(QDir::current().absoluteFilePath(parser.value(socket)));
    stateDir = QDir::cleanPath(QDir::current().absoluteFilePath(parser.value(state)));
    configFile = QDir::cleanPath(QDir::current().absoluteFilePath(parser.value(config)));
    return !*help;
}
