#include "platform/linux/MountTable.h"

#include "base/Logger.h"

#include <QFile>

QString MountTable::Entry::superOption(const QString &name) const
{
    const QString prefix = name + QLatin1Char('=');
    for (const QString &option : superOptions.split(QLatin1Char(','))) {
        if (option.startsWith(prefix))
            return option.mid(prefix.size());
    }
    return QString();
}

QString MountTable::unescape(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = true;
            for (char d : digits)
                ok = ok && d >= '0' && d <= '7';
            if (ok) {
                out.append(char(digits.toInt(nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    // Paths are bytes to the kernel; the index works with UTF-8 names.
    return QString::fromUtf8(out);
}

// Fields: id parent major:minor root mountpoint options [optional...] - type source superoptions
bool MountTable::parseLine(const QByteArray &line, Entry *entry)
{
    const QList<QByteArray> fields = line.split(' ');
    const int separator = fields.indexOf("-", 6);
    if (separator < 0 || separator + 2 >= fields.size())
        return false;
    const QList<QByteArray> device = fields.at(2).split(':');
    bool idOk = false;
    bool parentOk = false;
    entry->mountId = fields.at(0).toInt(&idOk);
    entry->parentId = fields.at(1).toInt(&parentOk);
    if (!idOk || !parentOk || device.size() != 2)
        return false;
    entry->major = device.at(0).toUInt();
    entry->minor = device.at(1).toUInt();
    entry->root = unescape(fields.at(3));
    entry->mountPoint = unescape(fields.at(4));
    entry->mountOptions = QString::fromUtf8(fields.at(5));
    entry->fsType = unescape(fields.at(separator + 1));
    entry->source = unescape(fields.at(separator + 2));
    entry->superOptions = separator + 3 < fields.size() ? unescape(fields.at(separator + 3)) : QString();
    return true;
}

QList<MountTable::Entry> MountTable::parse(const QByteArray &text)
{
    QList<Entry> entries;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        Entry entry;
        if (parseLine(line, &entry))
            entries.append(entry);
    }
    return entries;
}

QList<MountTable::Entry> MountTable::read(bool *ok)
{
    // readAll, not size(): proc files report size 0.
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    if (!opened) {
        Logger::instance()->log(ERROR, "NTFSUtils",
                                QStringLiteral("Failed to read the mount table, %1").arg(file.errorString()));
        return {};
    }
    return parse(file.readAll());
}
