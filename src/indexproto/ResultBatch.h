#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

// One Results message: the request id, then entries of (folder or file,
// parent path bytes, name bytes). The service appends entries until the
// batch is full() and sends it; the client reads it back entry by entry.
class ResultBatch
{
public:
    struct Entry
    {
        bool isFolder = false;
        const char *parent = nullptr; // views into the message body
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
};
