#pragma once

#include "content/ToPlainTextConverter.h"

#include <QByteArray>
#include <QVector>

class HtmlConverter;

// Extracts the text of a MOBI e-book: a Palm database whose record 0 holds
// the PalmDOC and MOBI headers and whose following records hold the book's
// HTML in PalmDOC-compressed pieces. The records are decompressed into memory
// and the HTML goes through the shared HTML converter.
class MobiConverter : public ToPlainTextConverter
{
public:
    // The largest text record read, and the most one record decompresses to.
    static constexpr int kMaxRecordSize = 4096;

    // 'html' is not owned and must outlive this converter.
    explicit MobiConverter(HtmlConverter *html);

    bool convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *output,
                 const QString &inputEncoding, const CancelFlag *cancel) override;
    QString encoding() const override;

    // Decompresses one PalmDOC record into at most kMaxRecordSize bytes. Reads
    // and writes only inside its buffers whatever the bytes say: a reference
    // before the start of the output yields '?'.
    static QByteArray decompress(const QByteArray &record);

private:
    // The data offset of every record up to the first that does not grow.
    static bool readRecordOffsets(QIODevice *in, const QString &path, const CancelFlag *cancel,
                                  QVector<qint64> *offsets);
    static quint32 readTextEncoding(QIODevice *in, qint64 record0);
    // Appends the decompressed text records to 'text', ending early at a
    // record too large for text or one that gives nothing.
    static void readTextRecords(QIODevice *in, const QVector<qint64> &offsets, const CancelFlag *cancel,
                                QIODevice *text);

    HtmlConverter *m_html;
};
