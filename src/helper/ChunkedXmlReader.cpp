#include "helper/ChunkedXmlReader.h"

#include "helper/ExtractionBudget.h"

namespace {

const int kChunkSize = 64 * 1024;
// Tokens between two looks at the cancel flag.
const int kPollInterval = 1024;

} // namespace

ChunkedXmlReader::ChunkedXmlReader(ChunkSource source, ExtractionBudget *budget)
    : m_source(std::move(source))
    , m_budget(budget)
    , m_chunk(kChunkSize, Qt::Uninitialized)
{
}

QXmlStreamReader::TokenType ChunkedXmlReader::next()
{
    while (!m_failed) {
        if (++m_tokensSincePoll >= kPollInterval) {
            m_tokensSincePoll = 0;
            if (m_budget->canceled()) {
                m_failed = true;
                break;
            }
        }
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token != QXmlStreamReader::Invalid || m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError ||
            m_sourceDone)
            return token;
        const qint64 read = m_source(m_chunk.data(), m_chunk.size());
        if (read < 0 || m_budget->canceled()) {
            m_failed = true;
        } else if (read == 0) {
            m_sourceDone = true;
        } else {
            m_xml.addData(QByteArray(m_chunk.constData(), int(read)));
        }
    }
    return QXmlStreamReader::Invalid;
}
