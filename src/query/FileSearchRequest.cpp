#include "query/FileSearchRequest.h"

namespace {

std::atomic<FileSearchRequest::Id> requestCounter{0};
std::atomic<FileSearchRequest::Id> copyCounter{1000};

MatchOptions matchOptions(int expressionType, bool caseSensitive)
{
    MatchOptions options;
    switch (expressionType) {
    case 1:
        options.mode = MatchOptions::WholeWord;
        break;
    case 2:
        options.mode = MatchOptions::Regex;
        break;
    default:
        options.mode = MatchOptions::Substring;
        break;
    }
    options.caseSensitive = caseSensitive;
    options.boolean = expressionType == 3;
    return options;
}

} // namespace

FileSearchRequest::FileSearchRequest()
    : id(requestCounter.fetch_add(1))
{
}

FileSearchRequest::FileSearchRequest(const FileSearchRequest &other)
    : id(other.id)
    , canceled(other.canceled.load())
{
    copyFieldsFrom(other);
}

FileSearchRequest::FileSearchRequest(const FileSearchRequest &other, NewCopyTag)
    : id(copyCounter.fetch_add(1))
{
    copyFieldsFrom(other);
}

FileSearchRequest &FileSearchRequest::operator=(const FileSearchRequest &other)
{
    if (this != &other) {
        id = other.id;
        canceled = other.canceled.load();
        copyFieldsFrom(other);
    }
    return *this;
}

FileSearchRequest FileSearchRequest::copyWithNewId() const
{
    return FileSearchRequest(*this, NewCopyTag());
}

void FileSearchRequest::copyFieldsFrom(const FileSearchRequest &other)
{
    name = other.name;
    nameExpressionType = other.nameExpressionType;
    nameCaseSensitive = other.nameCaseSensitive;
    includePaths = other.includePaths;
    includeSubfolders = other.includeSubfolders;
    excludePaths = other.excludePaths;
    text = other.text;
    textExpressionType = other.textExpressionType;
    textCaseSensitive = other.textCaseSensitive;
    lineScope = other.lineScope;
    minSize = other.minSize;
    maxSize = other.maxSize;
    modifiedFrom = other.modifiedFrom;
    modifiedTo = other.modifiedTo;
    countMatches = other.countMatches;
}

bool FileSearchRequest::isNameOnly() const
{
    return text.isEmpty() && !modifiedFrom.isValid() && !modifiedTo.isValid() && minSize == -1
        && maxSize == -1;
}

MatchOptions FileSearchRequest::nameMatchOptions() const
{
    MatchOptions options = matchOptions(nameExpressionType, nameCaseSensitive);
    options.fileName = true;
    options.wholeFile = false;
    return options;
}

MatchOptions FileSearchRequest::textMatchOptions() const
{
    MatchOptions options = matchOptions(textExpressionType, textCaseSensitive);
    options.fileName = false;
    options.wholeFile = !lineScope;
    return options;
}

QString FileSearchRequest::describe() const
{
    return QStringLiteral("id=%1, name=\"%2\", includePaths=[%3], excludePaths=[%4], text=\"%5\"")
        .arg(id)
        .arg(name, includePaths.join(QStringLiteral(", ")), excludePaths.join(QStringLiteral(", ")), text);
}
