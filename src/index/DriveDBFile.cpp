#include "index/DriveDBFile.h"

#include <cstring>

void DriveDBFile::writeHeader(QDataStream &out, JournalID journalId, USN nextUsn, qint32 count)
{
    out << QStringLiteral("1.0") << qint64(journalId) << qint64(nextUsn) << count;
}

void DriveDBFile::writeRecord(QDataStream &out, FRN parent, FRN frn, const char *name, bool isDir)
{
    const qint32 length = name ? qint32(std::min<std::size_t>(std::strlen(name), kMaxNameLength)) : 0;
    out << quint64(parent) << quint64(frn) << length;
    if (length > 0)
        out.writeRawData(name, length);
    out << quint8(isDir ? 1 : 0);
}

bool DriveDBFile::readHeader(QDataStream &in, Header &header)
{
    qint64 journalId = 0;
    in >> header.version >> journalId >> header.nextUsn >> header.count;
    header.journalId = JournalID(journalId);
    return in.status() == QDataStream::Ok;
}
