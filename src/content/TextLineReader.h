#pragma once

#include <QString>
#include <QStringView>

#include <memory>

class QIODevice;
class QTextCodec;
class QTextDecoder;

// Reads the text of a device line by line with the results of QTextStream's
// readLine(), but hands out each line as a view instead of a new string: the
// content search reads every line of every candidate file, and QTextStream's
// per-character scan and copy were most of its cost.
//
// As QTextStream does: a byte-order mark at the start selects its own codec,
// an empty or unknown codec name means the locale's codec, lines end at "\n"
// or "\r\n" (a lone "\r" stays in the line, except at the very end of the
// text), a sequence left incomplete at the end yields nothing, and bytes that
// decode to nothing still count as one empty line.
//
// Unlike QTextStream it never holds a whole line of any length: a line longer
// than the window is handed out in windows of that many characters, each
// starting `overlap` characters before the end of the one before, so that
// memory stays bounded and a match no longer than the overlap lies whole in
// one window.
class TextLineReader
{
public:
    // QTextStream's own: Qt's decoders replace an invalid sequence that
    // straddles two chunks differently from one inside a chunk, so the same
    // chunks give the same characters.
    static constexpr int kDefaultChunkSize = 16384;
    static constexpr int kDefaultWindow = 4 << 20;
    static constexpr int kDefaultOverlap = 65536;

    // Reads 'device' from its start. 'chunkSize' is the number of bytes read
    // at a time; `window` and `overlap` (less than the window) in characters
    // (other values only serve tests).
    TextLineReader(QIODevice *device, const QString &codecName, int chunkSize = kDefaultChunkSize,
                   int window = kDefaultWindow, int overlap = kDefaultOverlap);
    ~TextLineReader();
    TextLineReader(const TextLineReader &) = delete;
    TextLineReader &operator=(const TextLineReader &) = delete;

    // The next line, valid until the next call; false at the end of the text.
    bool readLine(QStringView *line);
    // Whether the piece last read is a window that does not end its line:
    // the next piece continues the same line, its first overlap()
    // characters repeating the last ones of this piece.
    bool continues() const { return m_continues; }
    int overlap() const { return m_overlap; }

private:
    bool fill();

    QIODevice *m_device;
    QTextCodec *m_codec;
    std::unique_ptr<QTextDecoder> m_decoder;
    QString m_text;    // decoded text not yet handed out, from m_pos on
    int m_pos = 0;
    int m_scanned = 0; // m_text before this index holds no line feed after m_pos
    int m_chunkSize;
    int m_window;
    int m_overlap;
    bool m_continues = false;
};
