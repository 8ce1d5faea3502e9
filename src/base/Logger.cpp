#include "base/Logger.h"

#include "platform/linux/LocalClock.h"
#include "platform/linux/ThreadId.h"

#include <QDir>
#include <QFileInfo>
#include <QTime>
#include <QtEndian>

#include <cstdio>

Logger *Logger::instance(const QString &path, OpenMode mode)
{
    // Deliberately never destroyed: threads may still log while statics are
    // torn down, and the system closes the file at exit.
    static Logger *logger = new Logger(path, mode);
    return logger;
}

Logger::Logger(const QString &path, OpenMode mode)
{
    if (path.isEmpty())
        return;
    // The data folder may not exist yet on a fresh account (nor its parents).
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_file.setFileName(path);
    if (mode == Append) {
        m_good = m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
        return;
    }
    m_good = m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    if (m_good)
        write(QString(QChar(0xFEFF)));
}

QString Logger::levelWord(int level)
{
    switch (level) {
    case INFO:
        return QStringLiteral("INFO");
    case WARNING:
        return QStringLiteral("WARNING");
    case ERROR:
        return QStringLiteral("ERROR");
    case DEBUG:
        return QStringLiteral("DEBUG");
    default:
        return QString();
    }
}

static void appendPadded(QString &out, int value, int width)
{
    out += QString::number(value).rightJustified(width, QLatin1Char('0'));
}

QString Logger::formatLine(const QTime &time, qint64 threadId, int level, const char *component,
                           const QString &message)
{
    QString line;
    line.reserve(48 + message.size());
    appendPadded(line, time.hour(), 2);
    line += QLatin1Char(':');
    appendPadded(line, time.minute(), 2);
    line += QLatin1Char(':');
    appendPadded(line, time.second(), 2);
    line += QLatin1Char(':');
    appendPadded(line, time.msec(), 3);
    line += QLatin1Char(' ');
    line += QString::number(threadId);
    line += QLatin1Char('\t');
    line += levelWord(level);
    line += QLatin1Char('\t');
    line += QLatin1String(component ? component : "");
    line += QLatin1Char('\t');
    line += message;
    line += QLatin1String("\r\n");
    return line;
}

void Logger::log(int level, const char *component, const QString &message)
{
    if (m_echoProblems && (level == WARNING || level == ERROR)) {
        const QByteArray line = (levelWord(level) + QLatin1Char(' ') + QLatin1String(component)
                                 + QLatin1String(": ") + message + QLatin1Char('\n')).toUtf8();
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
        std::fflush(stderr);
    }
    if (!m_good)
        return;
    write(formatLine(currentLocalTime(), currentThreadId(), level, component, message));
}

void Logger::log(int level, const char *component, const std::wstring &message)
{
    log(level, component, QString::fromStdWString(message));
}

void Logger::log(int level, const char *component, const char *message)
{
    log(level, component, QLatin1String(message ? message : ""));
}

void Logger::write(const QString &line)
{
    QByteArray bytes(line.size() * 2, Qt::Uninitialized);
    qToLittleEndian<quint16>(line.utf16(), line.size(), bytes.data());
    QMutexLocker lock(&m_mutex);
    // Unbuffered: each entry reaches the file in one write, which is the flush.
    m_file.write(bytes);
}
