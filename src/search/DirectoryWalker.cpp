#include "search/DirectoryWalker.h"

#include "base/Logger.h"
#include "platform/linux/DirectoryListing.h"

#include <QDir>
#include <QFile>

namespace {

const char kComponent[] = "DirectoryWalker";

} // namespace

DirectoryWalker::DirectoryWalker(const QStringList &roots, const QStringList &excludes, bool recurse)
    : m_recurse(recurse)
{
    // "/usr/" and "/usr" name one folder; cleaning keeps entry paths single-slashed.
    for (const QString &root : roots)
        m_roots.append(QDir::cleanPath(root));
    // An empty entry is a substring of every path and would hide everything.
    for (const QString &exclude : excludes) {
        if (!exclude.isEmpty())
            m_excludes.append(exclude);
    }
}

DirectoryWalker::~DirectoryWalker() = default;

QString DirectoryWalker::next()
{
    return advance() ? entryPath() : QString();
}

bool DirectoryWalker::advance()
{
    for (;;) {
        if (readEntry())
            return true;
        if (!openNextRoot())
            return false;
    }
}

// Reads entries of the folder being listed until one is to be returned.
bool DirectoryWalker::readEntry()
{
    if (!m_listing)
        return false;
    while (m_listing->next(m_isDir)) {
        m_nameDecoded = false;
        if (!m_isDir || !m_recurse)
            return true;
        const QString path = entryPath();
        if (isExcluded(path))
            continue;
        m_roots.append(path);
        return true;
    }
    if (m_listing->error() != 0) {
        Logger::instance()->log(WARNING, kComponent,
                                QStringLiteral("Failed to list %1, error = %2").arg(m_directory).arg(m_listing->error()));
    }
    m_listing.reset();
    return false;
}

bool DirectoryWalker::openNextRoot()
{
    while (++m_current < m_roots.size()) {
        const QString &root = m_roots.at(m_current);
        if (isExcluded(root))
            continue;
        m_directory = root;
        m_directoryBytes = QFile::encodeName(root);
        m_listing = std::make_unique<DirectoryListing>(root);
        return true;
    }
    return false;
}

QString DirectoryWalker::fileName() const
{
    if (!m_nameDecoded && m_listing) {
        m_name = QFile::decodeName(m_listing->name());
        m_nameDecoded = true;
    }
    return m_name;
}

const char *DirectoryWalker::fileNameBytes() const
{
    return m_listing ? m_listing->name().constData() : "";
}

QString DirectoryWalker::entryPath() const
{
    const QString name = fileName();
    return m_directory.endsWith(QLatin1Char('/')) ? m_directory + name : m_directory + QLatin1Char('/') + name;
}

bool DirectoryWalker::isExcluded(const QString &path) const
{
    for (const QString &exclude : m_excludes) {
        if (path.contains(exclude, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
