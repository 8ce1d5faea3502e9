#pragma once

#include "content/ToPlainTextConverter.h"

#include <QStringList>

class HtmlConverter;
class QuaZip;
class QuaZipFile;

// Extracts the text of an EPUB book: finds the package document through
// "META-INF/container.xml", reads its spine and runs each XHTML content
// document, in reading order, through the shared HTML converter.
class EPUBConverter : public ToPlainTextConverter
{
public:
    // 'html' is not owned and must outlive this converter.
    explicit EPUBConverter(HtmlConverter *html);

    bool convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *output,
                 const QString &inputEncoding, const CancelFlag *cancel) override;
    QString encoding() const override;

private:
    // The content entries in reading order, or false after a WARNING.
    static bool readReadingList(QuaZip &zip, QStringList *entries);
    static bool rootfilePath(QIODevice *container, QString *path);
    static QStringList spineHrefs(QIODevice *package);
    static bool openEntry(QuaZipFile &entry, const QString &name);
    void appendEntry(QuaZip &zip, const QString &name, QIODevice *output, const CancelFlag *cancel);

    HtmlConverter *m_html;
};
