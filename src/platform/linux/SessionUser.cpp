#include "platform/linux/SessionUser.h"

#include "platform/linux/SysCall.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

SessionUser SessionUser::fromUid(uid_t uid)
{
    SessionUser user;
    user.uid = uid;
    user.gid = uid;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 4096);
    struct passwd entry;
    struct passwd *found = nullptr;
    int rc;
    while ((rc = ::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found)) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (rc == 0 && found) {
        user.gid = found->pw_gid;
        user.name = QFile::decodeName(found->pw_name);
        user.home = QFile::decodeName(found->pw_dir);
    }
    return user;
}

// A user id from the environment, or false when unset or not a number.
static bool uidFromEnvironment(const char *name, uid_t *uid)
{
    const char *text = std::getenv(name);
    if (!text || !*text)
        return false;
    char *end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (*end != '\0')
        return false;
    *uid = uid_t(value);
    return true;
}

SessionUser SessionUser::current()
{
    uid_t uid = ::getuid();
    if (::geteuid() == 0) {
        uid_t invoking;
        if (uidFromEnvironment("PKEXEC_UID", &invoking) || uidFromEnvironment("SUDO_UID", &invoking))
            uid = invoking;
    }
    return fromUid(uid);
}

SessionUser SessionUser::ofProcess()
{
    return fromUid(::geteuid());
}

bool SessionUser::isOtherThanProcess() const
{
    return ::geteuid() == 0 && uid != 0;
}

// `path` is a folder that belongs to `uid` and admits nobody else.
static bool isPrivateFolderOf(const QString &path, uid_t uid)
{
    struct stat st;
    if (sysStat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == uid && (st.st_mode & 077) == 0;
}

QString SessionUser::runtimeDirectory() const
{
    if (!isOtherThanProcess()) {
        const QString own = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
        if (!own.isEmpty() && isPrivateFolderOf(own, uid))
            return own;
    }
    const QString system = QStringLiteral("/run/user/%1").arg(uid);
    if (isPrivateFolderOf(system, uid))
        return system;
    return privateTemporaryDirectory();
}

QString SessionUser::privateTemporaryDirectory() const
{
    const QString fallback = QDir::tempPath() + QStringLiteral("/talvenquist-%1").arg(uid);
    const QByteArray encoded = QFile::encodeName(fallback);
    if (::mkdir(encoded.constData(), 0700) == 0)
        adopt(fallback);
    // A folder of that name made by someone else is never used: whoever
    // owns it could read or replace our socket.
    return isPrivateFolderOf(fallback, uid) ? fallback : QString();
}

bool SessionUser::adopt(const QString &path) const
{
    if (!isOtherThanProcess())
        return true;
    return ::lchown(QFile::encodeName(path).constData(), uid, gid) == 0;
}
