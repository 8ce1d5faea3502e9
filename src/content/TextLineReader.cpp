#include "content/TextLineReader.h"

#include <QIODevice>
#include <QTextCodec>

#include <algorithm>

TextLineReader::TextLineReader(QIODevice *device, const QString &codecName, int chunkSize, int window, int overlap)
    : m_device(device)
    , m_codec(codecName.isEmpty() ? nullptr : QTextCodec::codecForName(codecName.toLatin1()))
    , m_chunkSize(std::max(chunkSize, 4))
    , m_window(std::max(window, 2))
    , m_overlap(std::clamp(overlap, 0, m_window - 1))
{
    if (!m_codec)
        m_codec = QTextCodec::codecForLocale();
    if (m_device->pos() != 0)
        m_device->seek(0);
}

TextLineReader::~TextLineReader() = default;

bool TextLineReader::readLine(QStringView *line)
{
    // QTextStream is at its end only when no text is left and the device has
    // no more bytes: bytes that decode to nothing still give one empty line.
    if (m_pos >= m_text.size() && m_device->atEnd())
        return false;
    m_continues = false;
    for (;;) {
        const int feed = m_text.indexOf(QLatin1Char('\n'), m_scanned);
        if (feed >= 0 && feed - m_pos <= m_window) {
            int end = feed;
            if (end > m_pos && m_text.at(end - 1) == QLatin1Char('\r'))
                --end;
            *line = QStringView(m_text).mid(m_pos, end - m_pos);
            m_pos = m_scanned = feed + 1;
            return true;
        }
        if (feed >= 0 || m_text.size() - m_pos > m_window) {
            *line = QStringView(m_text).mid(m_pos, m_window);
            m_pos += m_window - m_overlap;
            m_scanned = std::max(m_scanned, m_pos);
            m_continues = true;
            return true;
        }
        m_scanned = m_text.size();
        if (!fill())
            break;
    }
    int end = m_text.size();
    if (end > m_pos && m_text.at(end - 1) == QLatin1Char('\r'))
        --end;
    *line = QStringView(m_text).mid(m_pos, end - m_pos);
    m_pos = m_scanned = m_text.size();
    return true;
}

// Appends the next decoded chunk after dropping what was handed out. False
// once the device has nothing more.
bool TextLineReader::fill()
{
    const QByteArray bytes = m_device->read(m_chunkSize);
    if (bytes.isEmpty())
        return false;
    if (!m_decoder) {
        // As QTextStream: a byte-order mark in the first chunk read wins.
        m_codec = QTextCodec::codecForUtfText(bytes, m_codec);
        m_decoder.reset(m_codec->makeDecoder());
    }
    m_text.remove(0, m_pos);
    m_scanned -= m_pos;
    m_pos = 0;
    m_text += m_decoder->toUnicode(bytes);
    return true;
}
