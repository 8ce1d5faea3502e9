#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

class ExtractionBudget;
class QIODevice;
class QTextCodec;
class TextSink;

// The text of an RTF document, read in one pass over its bytes: groups,
// control words and symbols, "\'hh" bytes in the document's ANSI code page,
// "\uN" characters with their "\ucN" fallbacks skipped, and destinations
// that hold no text (font and colour tables, pictures, field instructions,
// anything marked "\*") left out. Paragraphs, rows, cells and sections end
// lines.
class RtfReader
{
public:
    RtfReader(TextSink *sink, ExtractionBudget *budget);
    ~RtfReader();
    RtfReader(const RtfReader &) = delete;
    RtfReader &operator=(const RtfReader &) = delete;

    // False when the budget stopped the reading or the groups nest deeper
    // than kMaxDepth; the text up to there is in the sink.
    bool read(QIODevice *input);

    static const int kMaxDepth = 1024;

private:
    struct Group
    {
        bool skip = false;
        int fallbackLength = 1; // characters that stand in for one "\uN"
    };

    int nextByte();
    bool readControl();
    void controlWord(const QByteArray &word, bool hasParameter, int parameter);
    void controlSymbol(char symbol);
    void characterByte(char byte);
    void unicodeCharacter(int code);
    void flushBytes();
    bool openGroup();
    void closeGroup();

    TextSink *m_sink;
    ExtractionBudget *m_budget;
    QIODevice *m_input = nullptr;
    QByteArray m_buffer;
    int m_position = 0;
    int m_length = 0;
    int m_pushedBack = -1;
    QTextCodec *m_codec;
    QByteArray m_bytes;        // raw text bytes not yet decoded
    QVector<Group> m_groups;   // the innermost last
    int m_fallbackToSkip = 0;  // characters still to drop after "\uN"
    bool m_pendingIgnorable = false; // "\*" seen, waiting for its word
};
