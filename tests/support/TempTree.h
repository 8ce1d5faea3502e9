#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary folder filled from a list of relative paths: an entry ending
// in "/" is a folder, any other a file (with its parent folders). Removed
// with everything in it when the object goes.
class TempTree
{
public:
    explicit TempTree(const QStringList &entries = {}, const QString &parent = QString());

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.path() + QLatin1Char('/') + relative; }

    bool add(const QString &relative, const QByteArray &contents = QByteArray());
    bool setModified(const QString &relative, const QDateTime &time);

private:
    QTemporaryDir m_dir;
};
