#pragma once

#include <QString>
#include <QStringList>

class ExtractionBudget;
class QuaZip;
class TextSink;
class ZipMemberReader;

// The text of Office Open XML packages, told apart by their members rather
// than by the file's extension: a word-processing document
// ("word/document.xml"), a presentation (its slides in order) or a workbook
// (its sheets in order, each cell on a line, shared strings resolved).
class OfficeOpenXmlReader
{
public:
    static bool read(const QString &path, TextSink *sink, ExtractionBudget *budget);

    // The members named 'prefix' + number + ".xml", by number.
    static QStringList numberedMembers(const QStringList &names, const QString &prefix);

private:
    static bool readSlides(QuaZip &zip, TextSink *sink, ExtractionBudget *budget);
    static bool readWorkbook(QuaZip &zip, TextSink *sink, ExtractionBudget *budget);
    static bool readSharedStrings(ZipMemberReader &member, ExtractionBudget *budget, QStringList *strings);
    static bool readSheet(ZipMemberReader &member, const QStringList &strings, TextSink *sink,
                          ExtractionBudget *budget);
};
