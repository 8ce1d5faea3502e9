#include "helper/ZipMemberReader.h"

#include "helper/ExtractionBudget.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

ZipMemberReader::ZipMemberReader(QuaZip *zip, ExtractionBudget *budget)
    : m_zip(zip)
    , m_budget(budget)
{
}

ZipMemberReader::~ZipMemberReader() = default;

bool ZipMemberReader::open(const QString &name)
{
    m_file.reset();
    m_expanded = 0;
    if (!m_zip->setCurrentFile(name))
        return false;
    QuaZipFileInfo64 info;
    if (!m_zip->getCurrentFileInfo(&info) || qint64(info.uncompressedSize) > ExtractionBudget::kMaxExpandedBytes)
        return false;
    m_compressed = qint64(info.compressedSize);
    m_file = std::make_unique<QuaZipFile>(m_zip);
    if (!m_file->open(QIODevice::ReadOnly)) {
        m_file.reset();
        return false;
    }
    return true;
}

qint64 ZipMemberReader::read(char *data, qint64 size)
{
    if (!m_file)
        return -1;
    const qint64 read = m_file->read(data, size);
    if (read < 0)
        return -1;
    if (read == 0) {
        // The checksum is compared when the member is closed.
        m_file->close();
        const bool intact = m_file->getZipError() == UNZ_OK;
        m_file.reset();
        return intact ? 0 : -1;
    }
    m_expanded += read;
    if (!m_budget->spend(read) || !ExtractionBudget::ratioAllowed(m_expanded, m_compressed))
        return -1;
    return read;
}

ChunkedXmlReader::ChunkSource ZipMemberReader::source()
{
    return [this](char *data, qint64 size) { return read(data, size); };
}
