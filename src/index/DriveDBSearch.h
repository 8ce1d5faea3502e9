#pragma once

#include "base/IndexTypes.h"
#include "index/NTFSDriveDB.h"
#include "index/RecordMap.h"
#include "query/ExpressionMatcher.h"

#include <QString>

#include <vector>

class FileSearchRequest;
class FileSearchResults;

// One search over one drive database: the matcher, the resolved folder
// lists and the visit of the folder and file maps. The caller holds the
// database's read lock for the object's whole life.
class DriveDBSearch
{
public:
    DriveDBSearch(const NTFSDriveDB &db, FileSearchRequest &request, FileSearchResults &results);

    // False when the request cannot match anything on this drive.
    bool prepare();
    // Adds every match to the results; raises FileSearchCancelException when
    // the request is canceled.
    void run();

private:
    // Decodes a pooled UTF-8 name into `out`, reusing its buffer: the search
    // loop calls this for every record, so the common ASCII case widens the
    // bytes in one pass with no allocation, and only other names go through
    // the decoder.
    static void decodeName(const char *utf8, QString &out);
    void visit(const RecordMap &records, bool folders);
    void report(const RecordMap::Entry &entry, bool folder);
    // An ASCII name is matched on its bytes and decoded only if it matches,
    // which few do; m_decoded tells whether m_name holds it already.
    int matchName(const char *name);
    bool accepts(FRN frn, const FileRecord &record, bool folder) const;
    static bool contains(const std::vector<FRN> &list, FRN frn);

    const NTFSDriveDB &m_db;
    FileSearchRequest &m_request;
    FileSearchResults &m_results;
    ExpressionMatcher m_matcher;
    std::vector<FRN> m_include;
    std::vector<FRN> m_excludeFolders;
    std::vector<FRN> m_excludeFiles;
    QString m_name;
    bool m_decoded = false;
};
