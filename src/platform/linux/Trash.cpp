#include "platform/linux/Trash.h"

#include "platform/linux/FileRename.h"
#include "platform/linux/SessionUser.h"
#include "platform/linux/SysCall.h"
#include "platform/linux/ThreadCredentials.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

// Names tried in one trash before giving up: "a", "a.1", "a.2", ...
const int kMaxNameAttempts = 10000;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool lstatPath(const QString &path, struct stat *st)
{
    return sysFstatAt(AT_FDCWD, QFile::encodeName(path).constData(), st, AT_SYMLINK_NOFOLLOW) == 0;
}

// Whose trash: the user, and where that user's data folder is.
struct TrashOwner
{
    uid_t uid;
    QString dataHome;
};

// A folder of the owner's to keep trash in: made when missing, never a link.
bool isPrivateFolder(const QString &path, bool make, uid_t owner)
{
    if (make)
        ::mkdir(QFile::encodeName(path).constData(), 0700);
    struct stat st;
    return lstatPath(path, &st) && S_ISDIR(st.st_mode) && st.st_uid == owner;
}

// The top of the file system that holds `path` (on device `device`).
QString mountTop(const QString &path, dev_t device)
{
    QString top = QFileInfo(path).absolutePath();
    while (top != QLatin1String("/")) {
        const QString parent = QFileInfo(top).absolutePath();
        struct stat st;
        if (!lstatPath(parent, &st) || st.st_dev != device)
            break;
        top = parent;
    }
    return top;
}

struct TrashPlace
{
    QString folder;
    QString top; // empty for the home trash, whose entries keep absolute paths
};

TrashPlace trashFor(const QString &path, dev_t device, const TrashOwner &owner)
{
    const QString dataHome = owner.dataHome;
    QDir().mkpath(dataHome);
    struct stat st;
    if (lstatPath(dataHome, &st) && st.st_dev == device) {
        const QString home = dataHome + QStringLiteral("/Trash");
        if (isPrivateFolder(home, /*make=*/true, owner.uid))
            return {home, QString()};
        return {};
    }
    const QString top = mountTop(path, device);
    const QString uid = QString::number(owner.uid);
    // The administrator's shared ".Trash" counts only when it is a real
    // folder with the sticky bit, so other users cannot take entries.
    const QString shared = top + QStringLiteral("/.Trash");
    if (lstatPath(shared, &st) && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)
        && isPrivateFolder(shared + QLatin1Char('/') + uid, /*make=*/true, owner.uid)) {
        return {shared + QLatin1Char('/') + uid, top};
    }
    const QString own = top + QStringLiteral("/.Trash-") + uid;
    if (isPrivateFolder(own, /*make=*/true, owner.uid))
        return {own, top};
    return {};
}

QByteArray trashInfo(const QString &path, const QString &top)
{
    const QString recorded = top.isEmpty() ? path : QDir(top).relativeFilePath(path);
    return "[Trash Info]\nPath=" + QUrl::toPercentEncoding(recorded, "/") + "\nDeletionDate="
        + QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toUtf8() + '\n';
}

// Creates "<trash>/info/<name>.trashinfo" under the first free name; the
// name, or empty with errno set.
QString reserveName(const QString &trash, const QString &baseName, const QByteArray &info)
{
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        const QString name = attempt ? QStringLiteral("%1.%2").arg(baseName).arg(attempt) : baseName;
        const QByteArray infoPath = QFile::encodeName(trash + QStringLiteral("/info/") + name + ".trashinfo");
        FileDescriptor fd = sysOpenAt(AT_FDCWD, infoPath.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (!fd.isValid()) {
            if (errno == EEXIST)
                continue;
            return QString();
        }
        if (sysWrite(fd.get(), info.constData(), std::size_t(info.size())) != info.size()) {
            const int saved = errno;
            ::unlink(infoPath.constData());
            errno = saved;
            return QString();
        }
        return name;
    }
    errno = EEXIST;
    return QString();
}

bool moveToTrashOf(const QString &source, const struct stat &st, const TrashOwner &owner, QString *error)
{
    const TrashPlace place = trashFor(source, st.st_dev, owner);
    if (place.folder.isEmpty() || !isPrivateFolder(place.folder + QStringLiteral("/files"), /*make=*/true, owner.uid)
        || !isPrivateFolder(place.folder + QStringLiteral("/info"), /*make=*/true, owner.uid)) {
        if (error)
            *error = QCoreApplication::translate("Trash", "There is no trash for it on its file system.");
        return false;
    }
    const QString name = reserveName(place.folder, QFileInfo(source).fileName(), trashInfo(source, place.top));
    if (name.isEmpty()) {
        if (error)
            *error = systemError();
        return false;
    }
    if (renameWithoutReplacing(source, place.folder + QStringLiteral("/files/") + name, error))
        return true;
    QFile::remove(place.folder + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
    return false;
}

} // namespace

bool moveToTrash(const QString &path, QString *error)
{
    const QString source = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    struct stat st;
    if (!lstatPath(source, &st)) {
        if (error)
            *error = systemError();
        return false;
    }
    const TrashOwner self{::geteuid(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)};
    return moveToTrashOf(source, st, self, error);
}

// The groups a login of `name` would hold (its primary group `gid` first).
static std::vector<gid_t> groupsOf(const QString &name, gid_t gid)
{
    std::vector<gid_t> groups{gid};
    if (name.isEmpty())
        return groups;
    const QByteArray encoded = QFile::encodeName(name);
    int count = 32;
    groups.resize(std::size_t(count));
    while (::getgrouplist(encoded.constData(), gid, groups.data(), &count) < 0)
        groups.resize(std::size_t(count));
    groups.resize(std::size_t(count));
    return groups;
}

bool moveToOwnersTrash(const QString &path, QString *error)
{
    const QString source = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    struct stat st;
    if (!lstatPath(source, &st)) {
        if (error)
            *error = systemError();
        return false;
    }
    if (st.st_uid == ::geteuid())
        return moveToTrash(source, error);
    const SessionUser owner = SessionUser::fromUid(st.st_uid);
    if (owner.home.isEmpty() || !QFileInfo(owner.home).isDir()) {
        if (error)
            *error = QCoreApplication::translate("Trash", "Its owner (user %1) has no home folder to keep a trash in.")
                         .arg(owner.name.isEmpty() ? QString::number(owner.uid) : owner.name);
        return false;
    }
    // Everything from here is done with the owner's rights, so the trash
    // folders are the owner's and nothing is moved that the owner could not.
    const ThreadCredentials as(owner.uid, owner.gid, groupsOf(owner.name, owner.gid));
    if (!as.isValid()) {
        if (error)
            *error = QCoreApplication::translate("Trash", "Only an administrator may use another user's trash.");
        return false;
    }
    return moveToTrashOf(source, st, {owner.uid, owner.home + QStringLiteral("/.local/share")}, error);
}
