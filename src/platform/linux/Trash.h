#pragma once

#include <QString>

// Moves a file or folder into the freedesktop.org trash of this process's
// user: the home trash in the data folder when the file lives on that
// file system, else the trash at the top of the file's own file system
// (".Trash/<uid>" where the administrator provides ".Trash", otherwise
// ".Trash-<uid>"). Never copies and never deletes: a file that cannot be
// renamed into a trash stays where it is, and `error` (when given) says why.
bool moveToTrash(const QString &path, QString *error = nullptr);

// For a root process acting for users: moves into the trash of the file's
// owner, acting on this thread with the owner's file-system rights (the
// owner's home trash, or the top-of-file-system trash named after the
// owner). A file of this process's own user goes to its own trash. False,
// with the reason, when the owner has no home or may not move the file.
bool moveToOwnersTrash(const QString &path, QString *error = nullptr);
