#include "platform/linux/FolderAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

bool FolderAccess::readableAndSearchable(const QByteArray &folder)
{
    ++m_checks;
    // faccessat2 itself: with AT_EACCESS it judges by the file-system ids
    // and groups of this thread, and the C library's fallback for kernels
    // without it would read mode bits alone (no ACLs). Missing means denied.
    long result;
    do {
        result = ::syscall(SYS_faccessat2, AT_FDCWD, folder.constData(), R_OK | X_OK, AT_EACCESS);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool FolderAccess::canList(const QByteArray &folder)
{
    if (!folder.startsWith('/'))
        return false;
    const auto known = m_known.constFind(folder);
    if (known != m_known.constEnd())
        return known.value();
    bool allowed;
    if (folder == "/") {
        allowed = readableAndSearchable(folder);
    } else {
        const int slash = folder.lastIndexOf('/');
        const QByteArray parent = slash == 0 ? QByteArrayLiteral("/") : folder.left(slash);
        allowed = canList(parent) && readableAndSearchable(folder);
    }
    m_known.insert(folder, allowed);
    return allowed;
}
