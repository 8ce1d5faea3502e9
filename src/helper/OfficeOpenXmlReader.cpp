#include "helper/OfficeOpenXmlReader.h"

#include "helper/ChunkedXmlReader.h"
#include "helper/ExtractionBudget.h"
#include "helper/HelperProtocol.h"
#include "helper/TextSink.h"
#include "helper/XmlTextWalker.h"
#include "helper/ZipMemberReader.h"

#include <QMap>

#include <quazip/quazip.h>

namespace {

const QString kSpreadsheet = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");

bool isSpreadsheetElement(QXmlStreamReader &xml, QLatin1String name)
{
    return xml.name() == name && xml.namespaceUri() == kSpreadsheet;
}

} // namespace

bool OfficeOpenXmlReader::read(const QString &path, TextSink *sink, ExtractionBudget *budget)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return false;
    ZipMemberReader member(&zip, budget);
    if (member.open(QStringLiteral("word/document.xml")))
        return XmlTextWalker::wordprocessing().walk(member.source(), sink, budget);
    if (zip.setCurrentFile(QStringLiteral("ppt/presentation.xml")))
        return readSlides(zip, sink, budget);
    if (zip.setCurrentFile(QStringLiteral("xl/workbook.xml")))
        return readWorkbook(zip, sink, budget);
    return false;
}

QStringList OfficeOpenXmlReader::numberedMembers(const QStringList &names, const QString &prefix)
{
    QMap<int, QString> byNumber;
    for (const QString &name : names) {
        if (!name.startsWith(prefix) || !name.endsWith(QLatin1String(".xml")))
            continue;
        bool ok = false;
        const int number = name.midRef(prefix.size(), name.size() - prefix.size() - 4).toInt(&ok);
        if (ok && number >= 0)
            byNumber.insert(number, name);
    }
    return byNumber.values();
}

bool OfficeOpenXmlReader::readSlides(QuaZip &zip, TextSink *sink, ExtractionBudget *budget)
{
    ZipMemberReader member(&zip, budget);
    for (const QString &slide : numberedMembers(zip.getFileNameList(), QStringLiteral("ppt/slides/slide"))) {
        if (!member.open(slide) || !XmlTextWalker::drawing().walk(member.source(), sink, budget))
            return false;
    }
    return true;
}

bool OfficeOpenXmlReader::readWorkbook(QuaZip &zip, TextSink *sink, ExtractionBudget *budget)
{
    ZipMemberReader member(&zip, budget);
    QStringList strings;
    // A workbook of numbers alone has no shared strings.
    if (member.open(QStringLiteral("xl/sharedStrings.xml")) && !readSharedStrings(member, budget, &strings))
        return false;
    for (const QString &sheet : numberedMembers(zip.getFileNameList(), QStringLiteral("xl/worksheets/sheet"))) {
        if (!member.open(sheet) || !readSheet(member, strings, sink, budget))
            return false;
    }
    return true;
}

// Each "si" item is one string; the phonetic runs ("rPh") repeat its text
// in another script and are left out.
bool OfficeOpenXmlReader::readSharedStrings(ZipMemberReader &member, ExtractionBudget *budget, QStringList *strings)
{
    ChunkedXmlReader reader(member.source(), budget);
    QXmlStreamReader &xml = reader.xml();
    QString current;
    int phonetic = 0;
    bool inText = false;
    for (QXmlStreamReader::TokenType token = reader.next();
         token != QXmlStreamReader::Invalid && token != QXmlStreamReader::EndDocument; token = reader.next()) {
        if (token == QXmlStreamReader::StartElement) {
            if (isSpreadsheetElement(xml, QLatin1String("si")))
                current.clear();
            else if (isSpreadsheetElement(xml, QLatin1String("rPh")))
                ++phonetic;
            else if (isSpreadsheetElement(xml, QLatin1String("t")))
                inText = phonetic == 0;
        } else if (token == QXmlStreamReader::EndElement) {
            if (isSpreadsheetElement(xml, QLatin1String("si")))
                strings->append(current);
            else if (isSpreadsheetElement(xml, QLatin1String("rPh")))
                phonetic = qMax(0, phonetic - 1);
            else if (isSpreadsheetElement(xml, QLatin1String("t")))
                inText = false;
        } else if (token == QXmlStreamReader::Characters && inText) {
            current.append(xml.text());
        }
    }
    return !reader.failed();
}

// A cell of type "s" holds an index into the shared strings; any other
// cell holds its value in "v", or inline text in "is".
bool OfficeOpenXmlReader::readSheet(ZipMemberReader &member, const QStringList &strings, TextSink *sink,
                                    ExtractionBudget *budget)
{
    ChunkedXmlReader reader(member.source(), budget);
    QXmlStreamReader &xml = reader.xml();
    QString type;
    QString value;
    bool inValue = false;
    for (QXmlStreamReader::TokenType token = reader.next();
         token != QXmlStreamReader::Invalid && token != QXmlStreamReader::EndDocument; token = reader.next()) {
        if (token == QXmlStreamReader::StartElement) {
            if (isSpreadsheetElement(xml, QLatin1String("c"))) {
                type = xml.attributes().value(QLatin1String("t")).toString();
                value.clear();
            } else if (isSpreadsheetElement(xml, QLatin1String("v")) || isSpreadsheetElement(xml, QLatin1String("t"))) {
                inValue = true;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (isSpreadsheetElement(xml, QLatin1String("c"))) {
                if (type == QLatin1String("s")) {
                    const int index = HelperProtocol::leadingInteger(value);
                    sink->text(index >= 0 && index < strings.size() ? strings.at(index) : QString());
                } else {
                    sink->text(value);
                }
                sink->lineBreak();
            } else if (isSpreadsheetElement(xml, QLatin1String("v")) || isSpreadsheetElement(xml, QLatin1String("t"))) {
                inValue = false;
            }
        } else if (token == QXmlStreamReader::Characters && inValue) {
            value.append(xml.text());
        }
    }
    sink->lineBreak();
    return !reader.failed() && !sink->failed();
}
