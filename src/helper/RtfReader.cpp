#include "helper/RtfReader.h"

#include "helper/ExtractionBudget.h"
#include "helper/TextSink.h"

#include <QIODevice>
#include <QSet>
#include <QTextCodec>

namespace {

const int kChunkSize = 64 * 1024;
const int kMaxWordLength = 32;
const int kMaxParameterDigits = 10;

bool isLetter(int c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

int hexValue(int c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Destinations whose contents are not text of the document.
bool isSkippedDestination(const QByteArray &word)
{
    static const QSet<QByteArray> kSkipped{
        "fonttbl", "colortbl", "stylesheet", "info",     "pict",      "objdata",     "themedata",
        "datastore", "latentstyles", "listtable", "listoverridetable", "rsidtbl", "generator",
        "xmlnstbl", "fldinst", "filetbl", "revtbl",  "nonshppict", "colorschememapping", "pgdsctbl",
        "sp",       "sn",       "sv",         "bkmkstart", "bkmkend"};
    return kSkipped.contains(word);
}

// Control words that end a line of the text.
bool isBreak(const QByteArray &word)
{
    return word == "par" || word == "line" || word == "row" || word == "cell" || word == "sect" ||
           word == "page" || word == "nestcell";
}

QChar namedCharacter(const QByteArray &word)
{
    static const QHash<QByteArray, ushort> kNamed{
        {"tab", 0x09},    {"emdash", 0x2014}, {"endash", 0x2013},   {"bullet", 0x2022},
        {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"emspace", 0x2003}, {"enspace", 0x2002}};
    return QChar(kNamed.value(word, 0));
}

} // namespace

RtfReader::RtfReader(TextSink *sink, ExtractionBudget *budget)
    : m_sink(sink)
    , m_budget(budget)
    , m_buffer(kChunkSize, Qt::Uninitialized)
    , m_codec(QTextCodec::codecForName("windows-1252"))
{
    m_groups.append(Group());
}

RtfReader::~RtfReader() = default;

int RtfReader::nextByte()
{
    if (m_pushedBack >= 0) {
        const int c = m_pushedBack;
        m_pushedBack = -1;
        return c;
    }
    if (m_position == m_length) {
        // The cancel flag is looked at once per chunk.
        if (m_budget->canceled())
            return -1;
        const qint64 read = m_input->read(m_buffer.data(), m_buffer.size());
        if (read <= 0)
            return -1;
        m_length = int(read);
        m_position = 0;
    }
    return static_cast<unsigned char>(m_buffer.at(m_position++));
}

bool RtfReader::read(QIODevice *input)
{
    m_input = input;
    for (int c = nextByte(); c >= 0; c = nextByte()) {
        if (c == '{') {
            if (!openGroup())
                return false;
        } else if (c == '}') {
            closeGroup();
        } else if (c == '\\') {
            if (!readControl())
                break;
        } else if (c != '\r' && c != '\n') {
            characterByte(char(c));
        }
    }
    flushBytes();
    m_sink->lineBreak();
    return !m_budget->canceled() && !m_sink->failed();
}

bool RtfReader::openGroup()
{
    flushBytes();
    if (m_groups.size() >= kMaxDepth)
        return false;
    m_groups.append(m_groups.last());
    return true;
}

void RtfReader::closeGroup()
{
    flushBytes();
    m_pendingIgnorable = false;
    // A stray closing brace at the top is ignored, not an underflow.
    if (m_groups.size() > 1)
        m_groups.removeLast();
}

// After a backslash: a control word with its optional parameter and
// delimiting space, or a control symbol. False at the end of the input.
bool RtfReader::readControl()
{
    int c = nextByte();
    if (c < 0)
        return false;
    if (!isLetter(c)) {
        controlSymbol(char(c));
        return true;
    }
    QByteArray word;
    while (isLetter(c) && word.size() < kMaxWordLength) {
        word.append(char(c));
        c = nextByte();
    }
    bool negative = false;
    if (c == '-') {
        negative = true;
        c = nextByte();
    }
    qint64 parameter = 0;
    int digits = 0;
    while (isDigit(c) && digits < kMaxParameterDigits) {
        parameter = parameter * 10 + (c - '0');
        ++digits;
        c = nextByte();
    }
    // A space delimits the word and belongs to it; anything else is text.
    if (c >= 0 && c != ' ')
        m_pushedBack = c;
    const int value = int(qBound<qint64>(-65536, negative ? -parameter : parameter, 1 << 30));
    controlWord(word, digits > 0, value);
    return true;
}

void RtfReader::controlWord(const QByteArray &word, bool hasParameter, int parameter)
{
    Group &group = m_groups.last();
    if (m_pendingIgnorable || isSkippedDestination(word)) {
        m_pendingIgnorable = false;
        group.skip = true;
        return;
    }
    if (word == "ansicpg" && hasParameter) {
        if (QTextCodec *codec = QTextCodec::codecForName("windows-" + QByteArray::number(parameter)))
            m_codec = codec;
        else if (QTextCodec *codec = QTextCodec::codecForName("CP" + QByteArray::number(parameter)))
            m_codec = codec;
        return;
    }
    if (word == "uc" && hasParameter) {
        group.fallbackLength = qBound(0, parameter, 16);
        return;
    }
    if (word == "u" && hasParameter) {
        unicodeCharacter(parameter < 0 ? parameter + 65536 : parameter);
        // The characters after it stand in for readers without Unicode.
        m_fallbackToSkip = group.skip ? 0 : group.fallbackLength;
        return;
    }
    if (word == "bin" && hasParameter) {
        // Binary data of the given length follows; none of it is text.
        for (int i = 0; i < parameter && nextByte() >= 0; ++i) {
        }
        return;
    }
    if (group.skip)
        return;
    flushBytes();
    if (isBreak(word)) {
        m_sink->lineBreak();
        return;
    }
    const QChar named = namedCharacter(word);
    if (!named.isNull())
        unicodeCharacter(named.unicode());
}

void RtfReader::controlSymbol(char symbol)
{
    switch (symbol) {
    case '*':
        m_pendingIgnorable = true;
        return;
    case '\'': {
        const int high = hexValue(nextByte());
        const int low = high < 0 ? -1 : hexValue(nextByte());
        if (low >= 0)
            characterByte(char(high * 16 + low));
        return;
    }
    case '\\':
    case '{':
    case '}':
        characterByte(symbol);
        return;
    case '~':
        unicodeCharacter(0x00A0);
        return;
    case '_':
        unicodeCharacter(0x2011);
        return;
    case '\r':
    case '\n':
        // A backslash before a line end is a paragraph mark.
        if (!m_groups.last().skip) {
            flushBytes();
            m_sink->lineBreak();
        }
        return;
    default:
        return;
    }
}

void RtfReader::characterByte(char byte)
{
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    if (!m_groups.last().skip)
        m_bytes.append(byte);
}

void RtfReader::unicodeCharacter(int code)
{
    if (m_groups.last().skip)
        return;
    flushBytes();
    const QChar character(ushort(code & 0xFFFF));
    m_sink->text(QStringView(&character, 1));
}

void RtfReader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_sink->text(m_codec->toUnicode(m_bytes));
    m_bytes.clear();
}
