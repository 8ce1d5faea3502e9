#include "indexproto/SearchQuery.h"

#include "indexproto/MessageReader.h"
#include "indexproto/MessageWriter.h"

namespace {

enum Flags : quint8 { CaseSensitive = 1, IncludeSubfolders = 2, FilesOnly = 4 };

void writePaths(MessageWriter &out, const QList<QByteArray> &paths)
{
    out.u32(quint32(paths.size()));
    for (const QByteArray &path : paths)
        out.bytes(path);
}

QList<QByteArray> readPaths(MessageReader &in)
{
    QList<QByteArray> paths;
    const quint32 n = in.count(/*minElementSize=*/4);
    for (quint32 i = 0; i < n && in.ok(); ++i)
        paths.append(in.bytes());
    return paths;
}

} // namespace

QByteArray SearchQuery::encode() const
{
    MessageWriter out;
    out.u32(requestId);
    out.bytes(name.toUtf8());
    out.u8(nameType);
    out.u8(quint8((caseSensitive ? CaseSensitive : 0) | (includeSubfolders ? IncludeSubfolders : 0)
                  | (filesOnly ? FilesOnly : 0)));
    writePaths(out, includePaths);
    writePaths(out, excludePaths);
    return out.take();
}

std::optional<SearchQuery> SearchQuery::decode(const QByteArray &body)
{
    MessageReader in(body);
    SearchQuery query;
    query.requestId = in.u32();
    query.name = QString::fromUtf8(in.bytes());
    query.nameType = in.u8();
    const quint8 flags = in.u8();
    query.caseSensitive = flags & CaseSensitive;
    query.includeSubfolders = flags & IncludeSubfolders;
    query.filesOnly = flags & FilesOnly;
    query.includePaths = readPaths(in);
    query.excludePaths = readPaths(in);
    if (!in.complete() || query.nameType > 3)
        return std::nullopt;
    return query;
}
