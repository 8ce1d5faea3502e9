#pragma once

#include <QString>

#include <sys/types.h>

// The person at the desktop, which is not always the process's user: under
// pkexec or sudo the process runs as root with root's HOME, yet its files
// (settings, log, tabs) and its messages belong to the user who asked for
// the elevation.
struct SessionUser
{
    uid_t uid = 0;
    gid_t gid = 0;
    QString name;
    QString home;

    // PKEXEC_UID, else SUDO_UID when running as root; else the real user.
    static SessionUser current();
    // The user's entry in the password database; uid only when it has none.
    static SessionUser fromUid(uid_t uid);
    // The user the process runs as, even as root acting for another.
    static SessionUser ofProcess();

    // The process is root acting for another user.
    bool isOtherThanProcess() const;

    // The user's runtime folder: $XDG_RUNTIME_DIR when it is ours, else
    // /run/user/<uid> when it exists and belongs to the user, else a folder
    // "talvenquist-<uid>" of mode 0700 in the temporary location, made and
    // handed to the user here. Empty when none can be had safely (the
    // temporary one exists but belongs to someone else).
    QString runtimeDirectory() const;
    // The last resort of runtimeDirectory(), also for names too long for a
    // socket address under the runtime folder.
    QString privateTemporaryDirectory() const;

    // Gives `path` to this user (owner and primary group) when the process
    // acts for another user; does nothing otherwise. False on failure.
    bool adopt(const QString &path) const;
};
