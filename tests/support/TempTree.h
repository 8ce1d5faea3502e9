#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary folder filled from relative paths: one ending in "/" is a folder,
// any other a file (with its parent folders).
class TempTree
{
public:
    explicit TempTree(const QStringList &entries = {}, const QString &parent = QString())
        : m_dir((parent.isEmpty() ? QDir::tempPath() : parent) + QStringLiteral("/tvq-XXXXXX"))
    {
        for (const QString &entry : entries)
            add(entry);
    }

    QString path() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.path() + QLatin1Char('/') + relative; }

    bool add(const QString &relative, const QByteArray &contents = QByteArray())
    {
        const QString full = path(relative);
        if (relative.endsWith(QLatin1Char('/')))
            return QDir().mkpath(full);
        if (!QDir().mkpath(QFileInfo(full).path()))
            return false;
        QFile file(full);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size();
    }

    bool setModified(const QString &relative, const QDateTime &time)
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
    }

private:
    QTemporaryDir m_dir;
};
