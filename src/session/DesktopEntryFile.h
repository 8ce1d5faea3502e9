#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The small file chores shared by the system-integration entries: files that
// other programs read (polkit, the desktop, file managers) are replaced whole
// through a temporary file, so a crash never leaves half an entry behind.
// Failures are logged under `component` and reported by the result.
class DesktopEntryFile
{
public:
    static bool writeAtomically(const char *component, const QString &path, const QByteArray &content,
                                QFile::Permissions mode);
    // True when the file is gone afterwards (or never was).
    static bool remove(const char *component, const QString &path);
    // Empty when the file cannot be read.
    static QByteArray read(const QString &path);
    // The value of `key` in the "[Desktop Entry]" group, empty when absent.
    static QString value(const QString &path, const QString &key);
    // A command line word quoted as the Desktop Entry rules require, ready to
    // be written into an Exec key (string escapes applied, "%" doubled).
    static QString execWord(const QString &word);
    // This program's own file, the one every entry starts.
    static QString programFile();
};
