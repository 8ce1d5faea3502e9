#include "index/DriveDBSearch.h"

#include "base/FileSearchCancelException.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"

#include <QFile>

#include <algorithm>

static const QString kModule = QStringLiteral("NTFSDriveDB");

DriveDBSearch::DriveDBSearch(const NTFSDriveDB &db, FileSearchRequest &request, FileSearchResults &results)
    : m_db(db)
    , m_request(request)
    , m_results(results)
    , m_matcher(request.name, request.nameMatchOptions())
{
}

bool DriveDBSearch::prepare()
{
    if (!m_request.includePaths.isEmpty()) {
        NTFSDriveDB::ResolvedPaths include = m_db.resolve(m_request.includePaths);
        if (include.coversRoot) {
            if (!m_request.includeSubfolders)
                m_include.push_back(m_db.rootFrn());
        } else if (include.folders.empty()) {
            return false;
        } else {
            m_include = std::move(include.folders);
        }
    }
    QStringList excludes;
    for (const QString &path : m_request.excludePaths) {
        if (path.contains(QLatin1Char('/')))
            excludes << path;
    }
    NTFSDriveDB::ResolvedPaths exclude = m_db.resolve(excludes);
    if (exclude.coversRoot)
        return false;
    m_excludeFolders = std::move(exclude.folders);
    std::sort(exclude.files.begin(), exclude.files.end());
    m_excludeFiles = std::move(exclude.files);
    return true;
}

void DriveDBSearch::run()
{
    const bool sizeBound = m_request.minSize != -1 || m_request.maxSize != -1;
    if (!sizeBound)
        visit(m_db.m_folders, /*folders=*/true);
    visit(m_db.m_files, /*folders=*/false);
}

void DriveDBSearch::visit(const RecordMap &records, bool folders)
{
    for (std::size_t leaf = 0; leaf < records.leafCount(); ++leaf) {
        for (const RecordMap::Entry &entry : records.leaf(leaf)) {
            if (m_request.canceled)
                throw FileSearchCancelException(kModule, __LINE__,
                                                QStringLiteral("Request %1 canceled").arg(m_request.id));
            if (entry.second.name && matchName(entry.second.name) == ExpressionMatcher::Match)
                report(entry, folders);
        }
    }
}

void DriveDBSearch::report(const RecordMap::Entry &entry, bool folder)
{
    const FileRecord &record = entry.second;
    if (!accepts(entry.first, record, folder))
        return;
    if (!m_decoded)
        decodeName(record.name, m_name);
    const QString path = m_db.folderPath(record);
    if (path.isEmpty())
        return;
    if (folder)
        m_results.addFolder(m_name, path);
    else
        m_results.addFile(m_name, path, 0);
}

int DriveDBSearch::matchName(const char *name)
{
    m_decoded = false;
    if (m_matcher.hasAsciiPath()) {
        const int verdict = m_matcher.matchBytes(name);
        if (verdict != ExpressionMatcher::NotAscii)
            return verdict;
    }
    decodeName(name, m_name);
    m_decoded = true;
    return m_matcher.match(m_name);
}

bool DriveDBSearch::accepts(FRN frn, const FileRecord &record, bool folder) const
{
    const bool subfolders = m_request.includeSubfolders;
    if (!m_include.empty()) {
        const bool inside = subfolders ? m_db.descendsFromAny(record, frn, m_include)
                                       : contains(m_include, record.parent);
        if (!inside)
            return false;
    }
    if (!m_excludeFolders.empty()) {
        if (folder && contains(m_excludeFolders, frn))
            return false;
        const bool excluded = subfolders ? m_db.descendsFromAny(record, frn, m_excludeFolders)
                                         : contains(m_excludeFolders, record.parent);
        if (excluded)
            return false;
    }
    return folder || !std::binary_search(m_excludeFiles.begin(), m_excludeFiles.end(), frn);
}

bool DriveDBSearch::contains(const std::vector<FRN> &list, FRN frn)
{
    return std::find(list.begin(), list.end(), frn) != list.end();
}

void DriveDBSearch::decodeName(const char *utf8, QString &out)
{
    constexpr int kMaxAscii = 1024;
    if (out.capacity() < kMaxAscii)
        out.reserve(kMaxAscii);
    out.resize(kMaxAscii);
    ushort *dst = reinterpret_cast<ushort *>(out.data());
    int i = 0;
    for (; i < kMaxAscii; ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c == 0) {
            out.resize(i);
            return;
        }
        if (c >= 0x80)
            break;
        dst[i] = c;
    }
    out = QFile::decodeName(utf8);
}
