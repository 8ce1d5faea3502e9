#include "content/HtmlTextScanner.h"

#include <QTextDocument>
#include <QTextStream>

namespace {

bool isTagNameEnd(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isLineBreakTag(const QString &name)
{
    static const char *const kTags[] = {"br", "br/", "div", "h1", "h2", "h3", "hr", "p", "td", "th", "tr"};
    for (const char *tag : kTags) {
        if (name == QLatin1String(tag))
            return true;
    }
    return false;
}

} // namespace

HtmlTextScanner::HtmlTextScanner(QTextStream &out)
    : m_out(out)
{
}

HtmlTextScanner::~HtmlTextScanner() = default;

bool HtmlTextScanner::scanLine(const QString &line)
{
    const int size = line.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('&') && !m_inTag) {
            i = scanEntity(line, i);
            continue;
        }
        if (!scanChar(c))
            return false;
    }
    return scanChar(QLatin1Char('\n'));
}

void HtmlTextScanner::finish()
{
    if (m_inTag)
        return;
    // The break after the last line ends nothing that follows.
    while (!m_text.isEmpty() && m_text.back().isSpace())
        m_text.chop(1);
    if (!m_text.isEmpty())
        writeText(m_text);
    m_text.clear();
}

bool HtmlTextScanner::scanChar(QChar c)
{
    if (c == QLatin1Char('<')) {
        startTag();
        return true;
    }
    if (!m_inTag) {
        // Only the synthetic line break becomes a space; the text keeps its tabs.
        m_text += c == QLatin1Char('\n') ? QLatin1Char(' ') : c;
        return true;
    }
    if (c == QLatin1Char('>'))
        return endTag();
    if (isTagNameEnd(c))
        m_tagNameEnded = true;
    else if (!m_tagNameEnded)
        m_tagName += c;
    return true;
}

void HtmlTextScanner::startTag()
{
    if (!m_text.isEmpty()) {
        writeText(m_text);
        m_text.clear();
    }
    m_inTag = true;
    m_tagName.clear();
    m_tagNameEnded = false;
}

bool HtmlTextScanner::endTag()
{
    m_inTag = false;
    bool goOn = true;
    if (isLineBreakTag(m_tagName)) {
        if (m_pendingBreaks == 0)
            m_pendingBreaks = 1;
    } else if (m_tagName == QLatin1String("section")) {
        m_pendingBreaks = 2;
    } else if (m_tagName == QLatin1String("body")) {
        m_inBody = true;
    } else if (m_tagName == QLatin1String("/body")) {
        goOn = false;
    }
    m_tagName.clear();
    return goOn;
}

// An entity runs from '&' to the next ';' of the same line. Returns the index
// of the last character consumed.
int HtmlTextScanner::scanEntity(const QString &line, int ampersand)
{
    const int semicolon = line.indexOf(QLatin1Char(';'), ampersand + 1);
    if (semicolon >= 0) {
        const QString entity = line.mid(ampersand, semicolon - ampersand + 1);
        const QString decoded = decodeEntity(entity);
        if (!decoded.isEmpty() && decoded.size() < entity.size()) {
            m_text += decoded.at(0);
            return semicolon;
        }
    }
    m_text += QLatin1Char('&');
    return ampersand;
}

QString HtmlTextScanner::decodeEntity(const QString &entity)
{
    const auto cached = m_decodedEntities.constFind(entity);
    if (cached != m_decodedEntities.constEnd())
        return cached.value();
    if (!m_entityDocument)
        m_entityDocument = std::make_unique<QTextDocument>();
    m_entityDocument->setHtml(entity);
    const QString decoded = m_entityDocument->toPlainText();
    m_decodedEntities.insert(entity, decoded);
    return decoded;
}

void HtmlTextScanner::writeText(const QString &collected)
{
    if (!m_inBody)
        return;
    const QString trimmed = collected.trimmed();
    if (trimmed.isEmpty())
        return;
    if (m_wroteText) {
        for (int i = 0; i < m_pendingBreaks; ++i)
            m_out << QLatin1String("\r\n");
    }
    m_pendingBreaks = 0;
    if (collected.front().isSpace())
        m_out << QLatin1Char(' ');
    m_out << trimmed;
    if (collected.back().isSpace())
        m_out << QLatin1Char(' ');
    m_wroteText = true;
}
