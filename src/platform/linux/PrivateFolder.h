#pragma once

#include <QString>

// A folder only its owner can enter, for files other users must not read or
// replace (converted copies of the user's documents).
class PrivateFolder
{
public:
    // Makes `path` (mode 0700) or accepts an existing one if it is a real
    // folder, not a symbolic link, owned by this user; its mode is then
    // narrowed to 0700. Returns false for anything else, leaving it alone.
    static bool ensure(const QString &path);
    // `preferred` when ensure() accepts it, else a new unique folder made
    // beside it ("<preferred>-XXXXXX", mode 0700). Empty when both fail.
    static QString ensureOrCreateUnique(const QString &preferred);
    // ensureOrCreateUnique() of "<parent>/<name>-<user id>": one per user
    // under a folder that all users share, such as /tmp.
    static QString forCurrentUser(const QString &parent, const QString &name);
};
