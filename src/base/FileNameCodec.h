#pragma once

#include <QTextCodec>

// The codec of file names and of every other locale text of the process:
// UTF-8, except that a byte that is not part of valid UTF-8 becomes the lone
// surrogate U+DC00 + byte and goes back to that same byte. Linux names are
// bytes; with this codec as the locale's, QFile::decodeName() and
// encodeName() give back every name exactly, so a name that is not valid
// UTF-8 (or begins with a byte-order mark, which Qt's UTF-8 decoder drops) is
// still found, opened and printed as the file system has it. Windows show
// the escapes as replacement characters.
class FileNameCodec : public QTextCodec
{
public:
    // Makes the one codec object (Qt keeps it) the locale codec. Call once,
    // before any file name is decoded.
    static void install();
    // QFile::decodeName() of a NUL-terminated name into `out`, reusing its
    // buffer: an ASCII name is widened in one pass with no allocation (an
    // index search decodes names by the thousand), any other goes through
    // the locale's decoder.
    static void decodeName(const char *name, QString &out);

    QByteArray name() const override;
    int mibEnum() const override;

protected:
    QString convertToUnicode(const char *in, int length, ConverterState *state) const override;
    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *state) const override;
};
