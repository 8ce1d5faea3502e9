#include "platform/linux/FileRename.h"

#include "platform/linux/SysCall.h"

#include <QFile>

#include <cerrno>
#include <cstring>

bool renameWithoutReplacing(const QString &from, const QString &to, QString *error)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (sysRenameNoReplace(source.constData(), target.constData()) == 0)
        return true;
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}
