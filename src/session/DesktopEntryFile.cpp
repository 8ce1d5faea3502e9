#include "session/DesktopEntryFile.h"

#include "base/Logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool DesktopEntryFile::writeAtomically(const char *component, const QString &path, const QByteArray &content,
                                       QFile::Permissions mode)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        Logger::instance()->log(ERROR, component, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    QFile::setPermissions(path, mode);
    return true;
}

bool DesktopEntryFile::remove(const char *component, const QString &path)
{
    if (!QFile::exists(path) || QFile::remove(path))
        return true;
    Logger::instance()->log(ERROR, component, QStringLiteral("Cannot remove %1").arg(path));
    return false;
}

QByteArray DesktopEntryFile::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString DesktopEntryFile::value(const QString &path, const QString &key)
{
    const QString text = QString::fromUtf8(read(path));
    bool inMainGroup = false;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line.trimmed() == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.section(QLatin1Char('='), 0, 0).trimmed() == key)
            return line.section(QLatin1Char('='), 1).trimmed();
    }
    return QString();
}

// Characters after which the Desktop Entry rules want an argument quoted.
static bool needsQuoting(const QString &word)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QChar c : word) {
        if (reserved.contains(c))
            return true;
    }
    return word.isEmpty();
}

QString DesktopEntryFile::execWord(const QString &word)
{
    QString quoted = word;
    if (needsQuoting(word)) {
        quoted.clear();
        for (const QChar c : word) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // The string-value escapes apply before the quoting rules are read, so
    // every backslash is written twice; "%" starts a field code.
    return quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('%'), QStringLiteral("%%"));
}

QString DesktopEntryFile::programFile()
{
    return QCoreApplication::applicationFilePath();
}
