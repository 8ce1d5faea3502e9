#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

// What the index-backed part of a search needs of a request: the name
// expression and how to read it, and the folder lists. Folders travel as
// the file system's bytes. `filesOnly` is set when the request bounds the
// size, which no folder can pass.
struct SearchQuery
{
    quint32 requestId = 0;
    QString name;
    quint8 nameType = 0; // 0 substring, 1 whole word, 2 regex, 3 Boolean
    bool caseSensitive = false;
    bool includeSubfolders = true;
    bool filesOnly = false;
    QList<QByteArray> includePaths;
    QList<QByteArray> excludePaths;

    QByteArray encode() const;
    // Nothing when the body is not a whole, well-formed query.
    static std::optional<SearchQuery> decode(const QByteArray &body);
};
