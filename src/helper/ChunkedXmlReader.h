#pragma once

#include <QByteArray>
#include <QXmlStreamReader>

#include <functional>

class ExtractionBudget;

// A QXmlStreamReader fed piece by piece, so a member of any size is parsed
// in constant memory and the budget is asked between pieces.
class ChunkedXmlReader
{
public:
    // Fills 'data' with up to 'size' bytes: the count, 0 at the end, or -1
    // when the source failed (a damaged member, a cap reached).
    using ChunkSource = std::function<qint64(char *data, qint64 size)>;

    ChunkedXmlReader(ChunkSource source, ExtractionBudget *budget);

    // The next token; Invalid ends the walk, either at a premature end, on
    // malformed XML or because the source or the budget said stop (then
    // failed() is true).
    QXmlStreamReader::TokenType next();
    bool failed() const { return m_failed; }
    QXmlStreamReader &xml() { return m_xml; }

private:
    ChunkSource m_source;
    ExtractionBudget *m_budget;
    QXmlStreamReader m_xml;
    QByteArray m_chunk;
    bool m_sourceDone = false;
    bool m_failed = false;
    int m_tokensSincePoll = 0;
};
