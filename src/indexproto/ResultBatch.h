#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

// One Results message: the request id, then entries of (flags, parent path
// bytes, name bytes). The flags say folder or file, and whether the parent
// is the entry before's, which then is not sent again: a folder's matches
// come one after another, and their paths were most of the bytes. The
// service appends entries until the batch is full() and sends it; the
// client reads it back entry by entry.
class ResultBatch
{
public:
    struct Entry
    {
        bool isFolder = false;
        // Views into the message body; entries with the same parent as the
        // entry before have the same view.
        const char *parent = nullptr;
        int parentSize = 0;
        const char *name = nullptr;
        int nameSize = 0;
    };

    explicit ResultBatch(quint32 requestId);

    void add(bool isFolder, const char *parent, int parentSize, const char *name, int nameSize);
    int count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    bool full() const;
    // The whole frame; the batch starts empty again.
    QByteArray takeFrame();

    // Calls `entry` for every entry of a Results body; false (after the
    // entries before the fault) when the body is not well formed.
    static bool decode(const QByteArray &body, quint32 *requestId, const std::function<void(const Entry &)> &entry);

private:
    void restart();

    quint32 m_requestId;
    QByteArray m_body;
    int m_count = 0;
    // Where the last parent sent whole lies in the body.
    int m_lastParentAt = 0;
    int m_lastParentSize = -1;
};
