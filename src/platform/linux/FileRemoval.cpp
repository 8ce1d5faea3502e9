#include "platform/linux/FileRemoval.h"

#include "platform/linux/SysCall.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool removeFileSystemEntry(const QString &path, bool folder, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    // Neither call is restartable after a signal: EINTR is not among their
    // results.
    if ((folder ? ::rmdir(name.constData()) : ::unlink(name.constData())) == 0)
        return true;
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool isRealFolder(const QString &path)
{
    struct stat st;
    const QByteArray name = QFile::encodeName(path);
    if (sysFstatAt(AT_FDCWD, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    return S_ISDIR(st.st_mode);
}
