#pragma once

#include <QByteArray>
#include <QtGlobal>

// Reads the fields of a message body written by MessageWriter. Every read
// is checked against the bytes left: the first one that does not fit (a
// lying length, a cut body) makes the reader fail, and every later read
// gives 0 or empty, so a decoder reads its fields and asks ok() once.
class MessageReader
{
public:
    MessageReader(const char *data, int size) : m_data(data), m_size(size) {}
    explicit MessageReader(const QByteArray &body) : MessageReader(body.constData(), body.size()) {}
    // The reader keeps a view, not a copy: a temporary body would be gone
    // before the first read.
    explicit MessageReader(QByteArray &&) = delete;

    quint8 u8();
    quint16 u16();
    quint32 u32();
    quint64 u64();
    // A view into the body (valid while the body lives); null when it fails.
    const char *bytes(int *size);
    QByteArray bytes();
    // A count of elements that each take at least `minElementSize` bytes:
    // fails at once when the rest of the body cannot hold that many.
    quint32 count(int minElementSize);

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos == m_size; }
    // Read everything, and nothing failed.
    bool complete() const { return m_ok && atEnd(); }

private:
    quint64 little(int size);
    bool take(int size);

    const char *m_data;
    int m_size;
    int m_pos = 0;
    bool m_ok = true;
};
