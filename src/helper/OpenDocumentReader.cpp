#include "helper/OpenDocumentReader.h"

#include "helper/ExtractionBudget.h"
#include "helper/XmlTextWalker.h"
#include "helper/ZipMemberReader.h"

#include <QFile>

#include <quazip/quazip.h>

bool OpenDocumentReader::readPackage(const QString &path, TextSink *sink, ExtractionBudget *budget)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return false;
    ZipMemberReader member(&zip, budget);
    if (!member.open(QStringLiteral("content.xml")))
        return false;
    return XmlTextWalker::openDocument().walk(member.source(), sink, budget);
}

bool OpenDocumentReader::readFlat(const QString &path, TextSink *sink, ExtractionBudget *budget)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const auto source = [&file, budget](char *data, qint64 size) -> qint64 {
        const qint64 read = file.read(data, size);
        return read > 0 && !budget->spend(read) ? -1 : read;
    };
    return XmlTextWalker::openDocument().walk(source, sink, budget);
}
