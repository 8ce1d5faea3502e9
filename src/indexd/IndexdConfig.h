#pragma once

#include "base/IndexingSettings.h"

#include <QString>

// The service's indexing settings file: the settings store's indexing keys
// ("IndexDrives", "NoIndexDrives", "AutoAddFixed", "AutoAddRemovable" and
// the "ExcludePaths" array of "path" and "active"), nothing else. A missing
// file or key means the store's default. Read only: unlike the window's
// settings file, defaults are never written into it.
class IndexdConfig
{
public:
    static IndexingSettings read(const QString &file);
    // False when the file cannot be written (a read-only /etc).
    static bool write(const QString &file, const IndexingSettings &settings);
};
