#pragma once

#include <QByteArray>

// Cuts a byte stream into frames (see IndexProtocol.h). Bytes are appended
// as they arrive, in pieces of any size; next() hands out each complete
// frame's payload (type byte and body). A length of 0 or over the frame cap
// makes the stream invalid for good: the peer is lying or speaks something
// else, and nothing after it can be trusted. The buffer never holds more
// than one frame plus the last piece appended.
class FrameReader
{
public:
    enum Status { Frame, NeedMore, Invalid };

    void append(const char *data, int size);
    Status next(QByteArray *payload);
    int buffered() const { return m_buffer.size() - m_start; }

private:
    QByteArray m_buffer;
    int m_start = 0;
    bool m_invalid = false;
};
