#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempTree::TempTree(const QStringList &entries, const QString &parent)
    : m_dir((parent.isEmpty() ? QDir::tempPath() : parent) + QStringLiteral("/tvq-XXXXXX"))
{
    for (const QString &entry : entries)
        add(entry);
}

bool TempTree::add(const QString &relative, const QByteArray &contents)
{
    const QString full = path(relative);
    if (relative.endsWith(QLatin1Char('/')))
        return QDir().mkpath(full);
    if (!QDir().mkpath(QFileInfo(full).path()))
        return false;
    QFile file(full);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size();
}

bool TempTree::setModified(const QString &relative, const QDateTime &time)
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
}
