#pragma once

#include <QString>
#include <QStringList>

class ExtractionBudget;
class TextSink;

// The text of legacy binary Office files through the Debian tools that read
// them (catdoc, xls2csv, catppt), run as child processes whose UTF-8 output
// is streamed into the sink. A tool that is not installed serves nothing.
class ExternalToolReader
{
public:
    // The tool's path on the PATH, or empty.
    static QString findTool(const QString &tool);
    static bool read(const QString &tool, const QString &path, TextSink *sink, ExtractionBudget *budget);
};
