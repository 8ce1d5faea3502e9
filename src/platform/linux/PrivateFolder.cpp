#include "platform/linux/PrivateFolder.h"

#include "platform/linux/SysCall.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool PrivateFolder::ensure(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    // Opened without following a link, then checked through the descriptor,
    // so the folder checked is the folder whose mode is set.
    const FileDescriptor fd = sysOpenAt(AT_FDCWD, native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (!fd.isValid())
        return false;
    struct stat st = {};
    if (sysFstat(fd.get(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    if ((st.st_mode & 07777) != 0700 && ::fchmod(fd.get(), 0700) != 0)
        return false;
    return true;
}

QString PrivateFolder::ensureOrCreateUnique(const QString &preferred)
{
    if (ensure(preferred))
        return preferred;
    QByteArray pattern = QFile::encodeName(preferred + QStringLiteral("-XXXXXX"));
    if (::mkdtemp(pattern.data()) == nullptr)
        return QString();
    return QFile::decodeName(pattern);
}

QString PrivateFolder::forCurrentUser(const QString &parent, const QString &name)
{
    return ensureOrCreateUnique(QStringLiteral("%1/%2-%3").arg(parent, name).arg(::geteuid()));
}
