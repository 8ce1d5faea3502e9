#include "content/EncodingDetector.h"

#include <QChar>
#include <QIODevice>

#include <cstring>

const char EncodingDetector::kBinary[] = "BINARY";

namespace {

// kBinary as text, without an allocation per answer.
QString binaryName()
{
    return QStringLiteral("BINARY");
}

} // namespace

QString EncodingDetector::detect(QIODevice *device)
{
    if (device->pos() != 0 && !device->seek(0))
        return QString();
    // Peeked, not read: the reader that follows starts at 0 again without a
    // seek, and a buffered file then serves it from the same read.
    return detectSample(device->peek(kSampleSize));
}

QString EncodingDetector::detectSample(const QByteArray &sample)
{
    return detectSample(sample.constData(), sample.size());
}

QString EncodingDetector::detectSample(const char *sample, int size)
{
    if (size <= 0)
        return QString();
    const QString mark = byteOrderMark(sample, size);
    if (!mark.isEmpty())
        return mark;

    // 16-bit text puts a zero byte beside most spaces: after it in
    // little-endian order, before it in big-endian order.
    int le = 0;
    int be = 0;
    for (int i = 0; i < size; ++i) {
        if (sample[i] != ' ')
            continue;
        if (i % 2 == 0 && i + 1 < size && sample[i + 1] == '\0')
            ++le;
        if (i % 2 == 1 && sample[i - 1] == '\0')
            ++be;
    }
    if (be - le >= 2)
        return classify16Bit(sample, size, /*bigEndian=*/true);
    if (le - be >= 2)
        return classify16Bit(sample, size, /*bigEndian=*/false);
    if (isMultiByteUtf8(sample, size))
        return QStringLiteral("UTF-8");
    if (std::memchr(sample, '\0', size_t(size)))
        return binaryName();
    return QString();
}

QString EncodingDetector::byteOrderMark(const char *sample, int size)
{
    const auto byte = [sample](int i) { return quint8(sample[i]); };
    if (size >= 2) {
        if (byte(0) == 0xFE && byte(1) == 0xFF)
            return QStringLiteral("UTF-16BE");
        if (byte(0) == 0xFF && byte(1) == 0xFE)
            return QStringLiteral("UTF-16LE");
        if (size >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF)
            return QStringLiteral("UTF-8");
    }
    return QString();
}

QString EncodingDetector::classify16Bit(const char *sample, int size, bool bigEndian)
{
    int text = 0;
    int other = 0;
    for (int i = 0; i + 1 < size; i += 2) {
        const quint8 first = quint8(sample[i]);
        const quint8 second = quint8(sample[i + 1]);
        const QChar c(bigEndian ? ushort(first << 8 | second) : ushort(second << 8 | first));
        const ushort u = c.unicode();
        if (c.isPrint() || u == '\t' || u == '\n' || u == '\r' || u == ' ')
            ++text;
        else
            ++other;
    }
    if (3 * other <= text)
        return bigEndian ? QStringLiteral("UTF-16BE") : QStringLiteral("UTF-16LE");
    return binaryName();
}

bool EncodingDetector::isMultiByteUtf8(const QByteArray &sample)
{
    return isMultiByteUtf8(sample.constData(), sample.size());
}

bool EncodingDetector::isMultiByteUtf8(const char *sample, int size)
{
    bool multiByte = false;
    int i = 0;
    while (i < size) {
        const quint8 lead = quint8(sample[i]);
        int followers;
        if (lead < 0x80)
            followers = 0;
        else if ((lead & 0xE0) == 0xC0)
            followers = 1;
        else if ((lead & 0xF0) == 0xE0)
            followers = 2;
        else if ((lead & 0xF8) == 0xF0)
            followers = 3;
        else
            return false;
        if (i + followers >= size && followers > 0)
            return false;
        for (int k = 1; k <= followers; ++k) {
            if ((quint8(sample[i + k]) & 0xC0) != 0x80)
                return false;
        }
        multiByte = multiByte || followers > 0;
        i += followers + 1;
    }
    return multiByte;
}
