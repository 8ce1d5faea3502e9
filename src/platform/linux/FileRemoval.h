#pragma once

#include <QString>

// Removes one entry: a folder (which must be empty) when `folder` is true,
// else a file, a symbolic link (never what it points to) or any other kind
// of entry. On failure `error` (when given) receives the system's reason,
// in the user's language where the C library has it.
bool removeFileSystemEntry(const QString &path, bool folder, QString *error = nullptr);

// The entry is a folder itself, not a symbolic link to one; false when it
// cannot be examined.
bool isRealFolder(const QString &path);
