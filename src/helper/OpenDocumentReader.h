#pragma once

#include <QString>

class ExtractionBudget;
class TextSink;

// The text of OpenDocument files: the "content.xml" member of a packaged
// document (odt, ods, odp, odg and their templates), or the whole file of a
// flat one (fodt, fods, fodp).
class OpenDocumentReader
{
public:
    static bool readPackage(const QString &path, TextSink *sink, ExtractionBudget *budget);
    static bool readFlat(const QString &path, TextSink *sink, ExtractionBudget *budget);
};
