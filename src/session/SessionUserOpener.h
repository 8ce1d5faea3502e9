#pragma once

#include <QString>

// Opens files in the session user's desktop with that user's rights when
// this process runs as root for another user (pkexec, sudo): a root process
// must not open the user's files with root's rights.
class SessionUserOpener
{
public:
    static bool isActingForSessionUser();
    // Opens `path` (with `parameters` for a program): through the companion
    // when one runs (parameters are not handed over: the companion opens files
    // only), else by xdg-open, or the program itself, started as that user.
    // True when handed over or started.
    static bool open(const QString &path, const QString &parameters);
};
