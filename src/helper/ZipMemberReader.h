#pragma once

#include "helper/ChunkedXmlReader.h"

#include <QString>

#include <memory>

class ExtractionBudget;
class QuaZip;
class QuaZipFile;

// Reads members of an open archive under the document's budget: the bytes
// a member expands to count against the cap, and a member that expands far
// beyond its compressed size is refused as a bomb.
class ZipMemberReader
{
public:
    // Neither is owned; both outlive the reader.
    ZipMemberReader(QuaZip *zip, ExtractionBudget *budget);
    ~ZipMemberReader();
    ZipMemberReader(const ZipMemberReader &) = delete;
    ZipMemberReader &operator=(const ZipMemberReader &) = delete;

    // False when the member is missing, encrypted or claims a size beyond
    // the cap.
    bool open(const QString &name);
    // Up to 'size' expanded bytes: the count, 0 at the end, -1 on damage,
    // at the cap or at a bomb's ratio.
    qint64 read(char *data, qint64 size);
    // read() as a source for the XML readers.
    ChunkedXmlReader::ChunkSource source();

private:
    QuaZip *m_zip;
    ExtractionBudget *m_budget;
    std::unique_ptr<QuaZipFile> m_file;
    qint64 m_compressed = 0;
    qint64 m_expanded = 0;
};
