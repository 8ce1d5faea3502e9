#include "content/HtmlTextScanner.h"

#include "content/HtmlEntities.h"

#include <QTextStream>

namespace {

// Text held between two tags before it is written anyway, in characters.
constexpr int kMaxHeldText = 65536;
// Longer than any tag name the scanner acts on.
constexpr int kMaxTagName = 64;
// Longer than any named or numeric entity.
constexpr int kMaxEntity = 40;

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

bool HtmlTextScanner::scan(const QString &text)
{
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (!m_inTag) {
            if (c == QLatin1Char('&')) {
                i = scanEntity(text, i);
                continue;
            }
            // A line ends in one white-space character, "\r\n" as "\n".
            if (c == QLatin1Char('\r'))
                continue;
        }
        if (!scanChar(c))
            return false;
    }
    return true;
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
        // Only a line break becomes a space; the text keeps its tabs.
        m_text += c == QLatin1Char('\n') ? QLatin1Char(' ') : c;
        // A document without tags for gigabytes is written in pieces.
        if (m_text.size() >= kMaxHeldText) {
            writeText(m_text);
            m_text.clear();
        }
        return true;
    }
    if (c == QLatin1Char('>'))
        return endTag();
    if (isTagNameEnd(c))
        m_tagNameEnded = true;
    else if (!m_tagNameEnded && m_tagName.size() < kMaxTagName)
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

// An entity runs from '&' to the next ';' within the same piece and a few
// characters. Returns the index of the last character consumed.
int HtmlTextScanner::scanEntity(const QString &text, int ampersand)
{
    const int semicolon = text.indexOf(QLatin1Char(';'), ampersand + 1);
    if (semicolon >= 0 && semicolon - ampersand <= kMaxEntity) {
        const char32_t c = HtmlEntities::decode(QStringView(text).mid(ampersand + 1, semicolon - ampersand - 1));
        if (c != 0) {
            // A no-break space is text's blank, as anywhere else in the
            // plain text of a page.
            if (c == 0xA0)
                m_text += QLatin1Char(' ');
            else
                m_text += QString::fromUcs4(&c, 1);
            return semicolon;
        }
    }
    m_text += QLatin1Char('&');
    return ampersand;
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
