#include "base/FileNameCodec.h"

#include <QFile>

namespace {

constexpr ushort kEscapeBase = 0xDC00;

// The length of the UTF-8 sequence that `lead` starts; 0 for a byte that
// cannot start one.
int sequenceLength(uchar lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Whether `bytes[0..available)` is a valid start of the sequence `lead`
// begins: the second byte's range rules out overlong forms, surrogates and
// code points above U+10FFFF.
bool validPrefix(const uchar *bytes, int available)
{
    for (int i = 1; i < available; ++i) {
        uchar low = 0x80;
        uchar high = 0xBF;
        if (i == 1) {
            if (bytes[0] == 0xE0)
                low = 0xA0;
            else if (bytes[0] == 0xED)
                high = 0x9F;
            else if (bytes[0] == 0xF0)
                low = 0x90;
            else if (bytes[0] == 0xF4)
                high = 0x8F;
        }
        if (bytes[i] < low || bytes[i] > high)
            return false;
    }
    return true;
}

uint decode(const uchar *bytes, int length)
{
    uint code = length == 2 ? bytes[0] & 0x1F : length == 3 ? bytes[0] & 0x0F : bytes[0] & 0x07;
    for (int i = 1; i < length; ++i)
        code = (code << 6) | (bytes[i] & 0x3F);
    return code;
}

void appendCode(QString &out, uint code)
{
    if (code >= 0x10000) {
        out += QChar(QChar::highSurrogate(code));
        out += QChar(QChar::lowSurrogate(code));
    } else {
        out += QChar(ushort(code));
    }
}

void appendUtf8(QByteArray &out, uint code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// How many of the first `length` bytes are ASCII.
int asciiPrefix(const char *in, int length)
{
    int i = 0;
    while (i < length && uchar(in[i]) < 0x80)
        ++i;
    return i;
}

} // namespace

void FileNameCodec::install()
{
    // QTextCodec's constructor registers the codec; Qt deletes it at exit.
    static FileNameCodec *const codec = new FileNameCodec;
    QTextCodec::setCodecForLocale(codec);
}

QByteArray FileNameCodec::name() const
{
    return QByteArrayLiteral("UTF-8 with escaped bytes");
}

int FileNameCodec::mibEnum() const
{
    // Outside the IANA numbers, so that no lookup by number finds it instead of UTF-8.
    return -4106;
}

// A sequence cut by the end of `in` waits in `state` (its bytes in
// state_data, their number in remainingChars) for the next piece.
QString FileNameCodec::convertToUnicode(const char *in, int length, ConverterState *state) const
{
    // Most names are ASCII: converted in one go, as Latin-1 is.
    if (!state || state->remainingChars == 0) {
        const int ascii = asciiPrefix(in, length);
        if (ascii == length)
            return QString::fromLatin1(in, length);
        if (ascii > 0)
            return QString::fromLatin1(in, ascii) + convertToUnicode(in + ascii, length - ascii, state);
    }
    QByteArray bytes;
    if (state && state->remainingChars > 0) {
        for (int i = 0; i < state->remainingChars; ++i)
            bytes += char(state->state_data[i]);
        state->remainingChars = 0;
    }
    bytes.append(in, length);
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const int size = bytes.size();
    QString out;
    out.reserve(size);
    int i = 0;
    while (i < size) {
        const int needed = sequenceLength(p[i]);
        const int available = std::min(needed, size - i);
        if (needed == 1) {
            out += QChar(ushort(p[i++]));
        } else if (needed > 0 && validPrefix(p + i, available) && available == needed) {
            appendCode(out, decode(p + i, needed));
            i += needed;
        } else if (needed > 0 && validPrefix(p + i, available) && state) {
            for (int k = 0; k < available; ++k)
                state->state_data[k] = p[i + k];
            state->remainingChars = available;
            break;
        } else {
            out += QChar(ushort(kEscapeBase + p[i++]));
        }
    }
    return out;
}

QByteArray FileNameCodec::convertFromUnicode(const QChar *in, int length, ConverterState *state) const
{
    // The ASCII start of the text, most often all of it, is copied unit by
    // unit without the checks below.
    QByteArray out(length, Qt::Uninitialized);
    char *ascii = out.data();
    int i = 0;
    for (; i < length && in[i].unicode() < 0x80; ++i)
        ascii[i] = char(in[i].unicode());
    if (i == length)
        return out;
    out.truncate(i);
    for (; i < length; ++i) {
        const ushort unit = in[i].unicode();
        if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            out += char(unit - kEscapeBase);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < length && in[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(unit, in[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            out += '?';
            if (state)
                ++state->invalidChars;
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

void FileNameCodec::decodeName(const char *name, QString &out)
{
    constexpr int kMaxAscii = 1024;
    if (out.capacity() < kMaxAscii)
        out.reserve(kMaxAscii);
    out.resize(kMaxAscii);
    ushort *dst = reinterpret_cast<ushort *>(out.data());
    for (int i = 0; i < kMaxAscii; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c == 0) {
            out.resize(i);
            return;
        }
        if (c >= 0x80)
            break;
        dst[i] = c;
    }
    out = QFile::decodeName(name);
}
