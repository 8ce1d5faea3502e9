#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The mounts of this process, as /proc/self/mountinfo lists them. Parsing is
// separate from reading so that it can be checked on any text.
class MountTable
{
public:
    struct Entry
    {
        int mountId = 0;
        int parentId = 0;
        quint32 major = 0;
        quint32 minor = 0;
        QString root;          // the folder of the file system that is mounted, "/" for all of it
        QString mountPoint;
        QString mountOptions;
        QString fsType;
        QString source;
        QString superOptions;

        // The value of "name=value" in the super options, empty when absent.
        QString superOption(const QString &name) const;
    };

    // Lines that do not have the mountinfo shape are skipped.
    static QList<Entry> parse(const QByteArray &text);
    // *ok, when given, is false when the table cannot be read.
    static QList<Entry> read(bool *ok = nullptr);
    // Undoes the kernel's octal escapes of space, tab, newline and backslash.
    static QString unescape(const QByteArray &field);

private:
    static bool parseLine(const QByteArray &line, Entry *entry);
};
