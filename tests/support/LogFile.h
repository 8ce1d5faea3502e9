#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

// The entries of a log file as written by Logger: UTF-16LE after a
// byte-order mark, one entry per CR LF line.
inline QStringList readLogLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll().mid(2);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2)
        .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}
