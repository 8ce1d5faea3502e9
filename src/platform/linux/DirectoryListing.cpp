#include "platform/linux/DirectoryListing.h"

#include "platform/linux/SysCall.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>

DirectoryListing::DirectoryListing(const QString &path)
    : m_fd(sysOpenAt(AT_FDCWD, QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY))
{
    if (m_fd.isValid())
        m_stream = std::make_unique<DirectoryStream>(m_fd.get());
    else
        m_openError = errno;
}

int DirectoryListing::error() const
{
    return m_stream ? m_stream->error() : m_openError;
}

bool DirectoryListing::next(QString &name, bool &isDir)
{
    if (!m_stream || !m_stream->next(m_entry))
        return false;
    name = QFile::decodeName(m_entry.name);
    isDir = m_entry.isFolder;
    return true;
}
