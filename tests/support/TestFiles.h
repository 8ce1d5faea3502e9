#pragma once

#include "base/Logger.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>

#include "base/Logger.h"

#include <algorithm>

// File helpers: writing test documents, reading back UTF-16 text and the log.
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
        QString text(bytes.size() / 2, Qt::Uninitialized);
        qFromLittleEndian<ushort>(bytes.constData(), text.size(), text.data());
        return text;
    }

    static QByteArray toUtf16LE(const QString &text)
    {
        QByteArray bytes(text.size() * 2, Qt::Uninitialized);
        qToLittleEndian<ushort>(text.constData(), text.size(), bytes.data());
        return bytes;
    }

    static QByteArray toUtf16BE(const QString &text)
    {
        QByteArray bytes(text.size() * 2, Qt::Uninitialized);
        qToBigEndian<ushort>(text.constData(), text.size(), bytes.data());
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
    // This process's entries are written out first: the log gathers them
    // before it writes.
    static QStringList logLines(const QString &logPath)
    {
        Logger::flushProcessLog();
        const QByteArray bytes = read(logPath);
        return fromUtf16LE(bytes.mid(2)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    // True when one of 'lines' is the entry LEVEL, component, message.
    static bool hasLogEntry(const QStringList &lines, const QString &level, const QString &component,
                            const QString &message)
    {
        const QString tail = QLatin1Char('\t') + level + QLatin1Char('\t') + component + QLatin1Char('\t') + message;
        return std::any_of(lines.begin(), lines.end(), [&tail](const QString &line) { return line.endsWith(tail); });
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
