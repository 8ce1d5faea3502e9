#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Guesses the encoding of a text file from its first 128 bytes: byte-order
// marks, then where the spaces sit between zero bytes (16-bit text without a
// mark), then UTF-8 validity. Answers a Qt codec name, "BINARY" for data that
// is not text, or an empty string when nothing is known (plain ASCII too).
class EncodingDetector
{
public:
    static constexpr int kSampleSize = 128;
    static const char kBinary[];

    // Rewinds 'device' to 0 and looks at the sample from there; the device
    // is left at 0.
    static QString detect(QIODevice *device);
    static QString detectSample(const QByteArray &sample);
    // The same for `size` bytes at `data`: a search judges every file's
    // first block in place, and its common answers take no memory.
    static QString detectSample(const char *data, int size);

    // Valid UTF-8 with at least one multi-byte sequence; a sequence cut by
    // the end of the sample makes it invalid.
    static bool isMultiByteUtf8(const QByteArray &sample);
    static bool isMultiByteUtf8(const char *data, int size);

private:
    static QString byteOrderMark(const char *data, int size);
    // Text or "BINARY" for a sample read as 16-bit units in the given order.
    static QString classify16Bit(const char *data, int size, bool bigEndian);
};
