#include "helper/DocumentExtractor.h"

#include "base/Logger.h"
#include "helper/ExternalToolReader.h"
#include "helper/ExtractionBudget.h"
#include "helper/OfficeOpenXmlReader.h"
#include "helper/OpenDocumentReader.h"
#include "helper/RtfReader.h"
#include "helper/TextSink.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

const char kComponent[] = "DocumentExtractor";

enum class Reader { OpenDocument, OfficeOpenXml, Rtf, Tool };

struct FilterEntry
{
    const char *clsid;
    const char *name;
    QStringList extensions;
    Reader reader;
    const char *tool; // for Reader::Tool
};

const QList<FilterEntry> &filterTable()
{
    static const QList<FilterEntry> table{
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c01}", "OpenDocument Text",
         {"odt", "ott", "fodt"}, Reader::OpenDocument, nullptr},
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c02}", "OpenDocument Spreadsheet",
         {"ods", "ots", "fods"}, Reader::OpenDocument, nullptr},
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c03}", "OpenDocument Presentation",
         {"odp", "otp", "fodp"}, Reader::OpenDocument, nullptr},
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c04}", "OpenDocument Drawing", {"odg"}, Reader::OpenDocument, nullptr},
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c05}", "Office Open XML Document",
         {"docx", "docm", "dotx"}, Reader::OfficeOpenXml, nullptr},
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c06}", "Office Open XML Workbook",
         {"xlsx", "xlsm"}, Reader::OfficeOpenXml, nullptr},
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c07}", "Office Open XML Presentation",
         {"pptx", "pptm", "ppsx"}, Reader::OfficeOpenXml, nullptr},
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c08}", "Rich Text Format", {"rtf"}, Reader::Rtf, nullptr},
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c09}", "Word 97-2003 Document (catdoc)", {"doc"}, Reader::Tool, "catdoc"},
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c0a}", "Excel 97-2003 Workbook (xls2csv)", {"xls"}, Reader::Tool,
         "xls2csv"},
        {"{4f6a0c3e-8b1d-4c55-9e21-7d0a6b3f1c0b}", "PowerPoint 97-2003 Presentation (catppt)", {"ppt"},
         Reader::Tool, "catppt"},
    };
    return table;
}

bool isAvailable(const FilterEntry &entry)
{
    return entry.reader != Reader::Tool || !ExternalToolReader::findTool(QLatin1String(entry.tool)).isEmpty();
}

const FilterEntry *entryFor(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const FilterEntry &entry : filterTable()) {
        if (entry.extensions.contains(extension))
            return &entry;
    }
    return nullptr;
}

} // namespace

QList<IFilterInfo> DocumentExtractor::filters()
{
    QList<IFilterInfo> filters;
    for (const FilterEntry &entry : filterTable()) {
        if (isAvailable(entry))
            filters.append({QLatin1String(entry.clsid), QLatin1String(entry.name), entry.extensions});
    }
    return filters;
}

bool DocumentExtractor::serves(const QString &path)
{
    const FilterEntry *entry = entryFor(path);
    return entry && isAvailable(*entry);
}

bool DocumentExtractor::extractTo(const QString &path, QIODevice *output, ExtractionBudget *budget)
{
    const FilterEntry *entry = entryFor(path);
    if (!entry || !isAvailable(*entry))
        return false;
    TextSink sink(output);
    bool read = false;
    switch (entry->reader) {
    case Reader::OpenDocument:
        // The flat forms (fodt, fods, fodp) are one XML file, not a package.
        read = QFileInfo(path).suffix().startsWith(QLatin1Char('f'), Qt::CaseInsensitive)
                   ? OpenDocumentReader::readFlat(path, &sink, budget)
                   : OpenDocumentReader::readPackage(path, &sink, budget);
        break;
    case Reader::OfficeOpenXml:
        read = OfficeOpenXmlReader::read(path, &sink, budget);
        break;
    case Reader::Rtf: {
        QFile file(path);
        read = file.open(QIODevice::ReadOnly) && RtfReader(&sink, budget).read(&file);
        break;
    }
    case Reader::Tool:
        read = ExternalToolReader::read(QLatin1String(entry->tool), path, &sink, budget);
        break;
    }
    return sink.flush() && read;
}

QString DocumentExtractor::extract(const QString &path, const QString &folder, const std::atomic<bool> *cancel)
{
    // No file is made for a document that no filter serves.
    if (!serves(path))
        return QString();
    QTemporaryFile output(folder + QStringLiteral("/ifilter.XXXXXX"));
    if (!output.open()) {
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("Failed to create a file"));
        return QString();
    }
    static const char kByteOrderMark[] = {'\xFF', '\xFE'};
    ExtractionBudget budget(cancel);
    if (output.write(kByteOrderMark, 2) != 2 || !extractTo(path, &output, &budget) || budget.canceled())
        return QString(); // the temporary file removes itself
    output.setAutoRemove(false);
    return output.fileName();
}
