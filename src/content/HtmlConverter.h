#pragma once

#include "content/ToPlainTextConverter.h"

class QTextStream;

// Extracts the text of an HTML or XHTML document: used directly for "fb2"
// files and by the EPUB and MOBI converters for the HTML inside their books.
// Writes UTF-16 text; a file it creates starts with FF FE.
class HtmlConverter : public ToPlainTextConverter
{
public:
    bool convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *output,
                 const QString &inputEncoding, const CancelFlag *cancel) override;
    QString encoding() const override { return QStringLiteral("UTF-16"); }

private:
    static void applyDeclaredEncoding(QTextStream &in);
};
