#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "app/Logger.h"

// Small file helpers shared by the suites: writing test documents and
// reading back UTF-16 text and the log.
class TestFiles
{
public:
    static bool write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString fromUtf16LE(const QByteArray &bytes)
    {
        QString text;
        for (int i = 0; i + 1 < bytes.size(); i += 2)
            text += QChar(ushort(quint8(bytes.at(i)) | quint8(bytes.at(i + 1)) << 8));
        return text;
    }

    static QByteArray toUtf16LE(const QString &text)
    {
        QByteArray bytes;
        for (QChar c : text) {
            bytes.append(char(c.unicode() & 0xFF));
            bytes.append(char(c.unicode() >> 8));
        }
        return bytes;
    }

    static QByteArray toUtf16BE(const QString &text)
    {
        QByteArray bytes;
        for (QChar c : text) {
            bytes.append(char(c.unicode() >> 8));
            bytes.append(char(c.unicode() & 0xFF));
        }
        return bytes;
    }

    // Starts the process-wide log in 'dir' and returns its path; the first
    // call of a process decides where the log goes.
    static QString startLog(const QTemporaryDir &dir)
    {
        const QString path = dir.filePath(QStringLiteral("Talvenquist.log"));
        Logger::instance(path);
        return path;
    }

    // The entries of a log written by Logger (UTF-16LE with a byte-order
    // mark, CR LF after each line).
    static QStringList logLines(const QString &logPath)
    {
        const QByteArray bytes = read(logPath);
        return fromUtf16LE(bytes.mid(2)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    // True when one of 'lines' is the entry LEVEL, component, message.
    static bool hasLogEntry(const QStringList &lines, const QString &level, const QString &component,
                            const QString &message)
    {
        const QString tail = QLatin1Char('\t') + level + QLatin1Char('\t') + component + QLatin1Char('\t') + message;
        for (const QString &line : lines) {
            if (line.endsWith(tail))
                return true;
        }
        return false;
    }
};

// The entries a log gained since the mark was taken.
class LogMark
{
public:
    explicit LogMark(const QString &logPath)
        : m_path(logPath)
        , m_size(TestFiles::logLines(logPath).size())
    {
    }

    QStringList lines() const { return TestFiles::logLines(m_path).mid(m_size); }
    bool has(const QString &level, const QString &component, const QString &message) const
    {
        return TestFiles::hasLogEntry(lines(), level, component, message);
    }

private:
    QString m_path;
    int m_size;
};
