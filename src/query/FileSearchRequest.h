#pragma once

#include "query/MatchOptions.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <atomic>

// The record of one search: what the user asked for. The tab page creates it
// on the heap and owns it; the engine keeps a pointer until it reports the
// request finished. Search threads read it; only 'canceled' is written while
// a search runs (by the UI thread), which is why it is atomic.
class FileSearchRequest
{
public:
    // Travels in queued signals; registered as "FileSearchRequest::Id".
    using Id = int;

    // Takes the next id of the request counter (0, 1, 2, ... per process).
    FileSearchRequest();
    // Copies every field, the id and the cancel state included.
    FileSearchRequest(const FileSearchRequest &other);
    FileSearchRequest &operator=(const FileSearchRequest &other);

    // A copy for a match search: the next id of the copy counter (1000, 1001,
    // ...) and not canceled; every other field copied.
    FileSearchRequest copyWithNewId() const;

    // True when nothing but the name and the folders is asked: such a request
    // is answered from the index and the folder walk without per-file checks.
    bool isNameOnly() const;
    MatchOptions nameMatchOptions() const;
    MatchOptions textMatchOptions() const;
    // One line for the log.
    QString describe() const;

    Id id;
    std::atomic<bool> canceled{false};
    QString name;                // empty: every name matches
    int nameExpressionType = 0;  // 0 Substring, 1 Whole word, 2 Regex, 3 Boolean
    bool nameCaseSensitive = false;
    QStringList includePaths;    // empty: everything indexed
    bool includeSubfolders = true;
    QStringList excludePaths;
    QString text;                // empty: no content search
    int textExpressionType = 0;  // as nameExpressionType
    bool textCaseSensitive = false;
    bool lineScope = false;      // a Boolean content expression must hold within one line
    qint64 minSize = -1;         // bytes; -1: no bound
    qint64 maxSize = -1;
    QDate modifiedFrom;          // invalid: no bound
    QDate modifiedTo;
    bool countMatches = false;   // count every content match instead of stopping at the first

private:
    struct NewCopyTag
    {
    };
    FileSearchRequest(const FileSearchRequest &other, NewCopyTag);
    void copyFieldsFrom(const FileSearchRequest &other);
};
