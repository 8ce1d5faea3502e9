#include "content/MobiConverter.h"

#include "base/Logger.h"
#include "content/HtmlConverter.h"

#include <QDir>
#include <QTemporaryFile>
#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace {

const char kComponent[] = "MobiConverter";
const int kPdbHeaderSize = 78;
const int kRecordCountOffset = 76;
const int kRecordEntrySize = 8;
const int kTextEncodingOffset = 28;
const quint32 kWindows1252 = 1252;

} // namespace

MobiConverter::MobiConverter(HtmlConverter *html)
    : m_html(html)
{
}

QString MobiConverter::encoding() const
{
    return m_html->encoding();
}

bool MobiConverter::convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *output,
                            const QString &, const CancelFlag *cancel)
{
    QFile file;
    if (!input) {
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Logger::instance()->log(WARNING, kComponent, QStringLiteral("Failed to open %1").arg(path));
            return false;
        }
        input = &file;
    }
    QVector<qint64> offsets;
    if (!readRecordOffsets(input, path, cancel, &offsets))
        return false;
    const quint32 textEncoding = readTextEncoding(input, offsets.first());
    // On disk, not in memory: 65,535 records that each expand to the most a
    // record may hold make gigabytes.
    const QString folder = tempFolder().isEmpty() ? QDir::tempPath() : tempFolder();
    QDir().mkpath(folder);
    QTemporaryFile text(folder + QLatin1String("/mobi"));
    if (!text.open()) {
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("Failed to create %1").arg(text.fileTemplate()));
        return false;
    }
    readTextRecords(input, offsets, cancel, &text);
    text.seek(0);
    const QString codec = textEncoding == kWindows1252 ? QStringLiteral("Windows-1252") : QStringLiteral("UTF-8");
    return m_html->convert(QString(), &text, outputFile, output, codec, cancel);
}

bool MobiConverter::readRecordOffsets(QIODevice *in, const QString &path, const CancelFlag *cancel,
                                      QVector<qint64> *offsets)
{
    in->seek(0);
    const QByteArray header = in->read(kPdbHeaderSize);
    if (header.size() < kPdbHeaderSize) {
        Logger::instance()->log(DEBUG, kComponent, QStringLiteral("PDB header not found in %1.").arg(path));
        return false;
    }
    const int count = qFromBigEndian<quint16>(header.constData() + kRecordCountOffset);
    if (count == 0) {
        Logger::instance()->log(DEBUG, kComponent, QStringLiteral("zero record count in %1.").arg(path));
        return false;
    }
    offsets->clear();
    for (int i = 0; i < count; ++i) {
        checkCanceled(cancel, kComponent, __LINE__);
        const QByteArray entry = in->read(kRecordEntrySize);
        if (entry.size() < kRecordEntrySize) {
            Logger::instance()->log(DEBUG, kComponent,
                                    QStringLiteral("Failed to read PDB record info in %1.").arg(path));
            return false;
        }
        const qint64 offset = qFromBigEndian<quint32>(entry.constData());
        if (!offsets->isEmpty() && offset <= offsets->last())
            break;
        offsets->append(offset);
    }
    return true;
}

quint32 MobiConverter::readTextEncoding(QIODevice *in, qint64 record0)
{
    // Offsets come from the file: check them before seeking, which some
    // devices answer with a warning.
    if (record0 + kTextEncodingOffset + 4 > in->size() || !in->seek(record0 + kTextEncodingOffset))
        return 0;
    const QByteArray field = in->read(4);
    return field.size() == 4 ? qFromBigEndian<quint32>(field.constData()) : 0;
}

void MobiConverter::readTextRecords(QIODevice *in, const QVector<qint64> &offsets, const CancelFlag *cancel,
                                    QIODevice *text)
{
    const qint64 fileSize = in->size();
    for (int i = 1; i < offsets.size(); ++i) {
        checkCanceled(cancel, kComponent, __LINE__);
        const qint64 end = i + 1 < offsets.size() ? offsets.at(i + 1) : fileSize;
        const qint64 size = end - offsets.at(i);
        if (size > kMaxRecordSize || size <= 0 || offsets.at(i) >= fileSize || !in->seek(offsets.at(i)))
            break;
        const QByteArray record = decompress(in->read(size));
        if (record.isEmpty() || text->write(record) != record.size() || outputFull(text, kComponent))
            break;
    }
}

QByteArray MobiConverter::decompress(const QByteArray &record)
{
    const auto *in = reinterpret_cast<const uchar *>(record.constData());
    const int inSize = record.size();
    QByteArray out;
    out.reserve(kMaxRecordSize);
    int i = 0;
    while (i < inSize && out.size() < kMaxRecordSize) {
        const uchar c = in[i++];
        if (c == 0x00) {
            break;
        } else if (c <= 0x08) {
            const int literal = std::min(int(c), inSize - i);
            out.append(reinterpret_cast<const char *>(in + i), std::min(literal, kMaxRecordSize - out.size()));
            i += literal;
        } else if (c <= 0x7F) {
            out.append(char(c));
        } else if (c <= 0xBF) {
            if (i >= inSize)
                break;
            const int value = ((c & 0x3F) << 8) | in[i++];
            const int distance = value >> 3;
            const int length = (value & 0x07) + 3;
            // Byte by byte, so that an overlapping copy repeats what it has
            // just written. A distance of 0 would name the byte not yet
            // written: it is as invalid as one before the start.
            for (int k = 0; k < length && out.size() < kMaxRecordSize; ++k) {
                const int from = out.size() - distance;
                out.append(distance > 0 && from >= 0 ? out.at(from) : '?');
            }
        } else {
            out.append(' ');
            if (out.size() < kMaxRecordSize)
                out.append(char(c ^ 0x80));
        }
    }
    return out;
}
