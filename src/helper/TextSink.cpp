#include "helper/TextSink.h"

#include <QIODevice>
#include <QtEndian>

namespace {

// Characters held before they go to the device in one write.
const int kFlushSize = 32 * 1024;

} // namespace

TextSink::TextSink(QIODevice *output)
    : m_output(output)
{
    m_pending.reserve(kFlushSize + 256);
}

TextSink::~TextSink()
{
    flush();
}

void TextSink::text(QStringView text)
{
    if (text.isEmpty())
        return;
    const int start = m_pending.size();
    m_pending.append(text.data(), int(text.size()));
    for (int i = start; i < m_pending.size(); ++i) {
        if (m_pending.at(i) == QLatin1Char('\r'))
            m_pending[i] = QLatin1Char('\n');
    }
    m_textSinceBreak = true;
    if (m_pending.size() >= kFlushSize)
        flush();
}

void TextSink::lineBreak()
{
    if (!m_textSinceBreak)
        return;
    m_pending += QLatin1String("\r\n");
    m_textSinceBreak = false;
    if (m_pending.size() >= kFlushSize)
        flush();
}

bool TextSink::flush()
{
    if (m_pending.isEmpty() || m_failed)
        return !m_failed;
    QByteArray bytes(m_pending.size() * 2, Qt::Uninitialized);
    qToLittleEndian<quint16>(m_pending.utf16(), m_pending.size(), bytes.data());
    m_failed = m_output->write(bytes) != bytes.size();
    m_pending.clear();
    return !m_failed;
}
