#include "index/DriveDBFile.h"

void DriveDBFile::writeHeader(QDataStream &out, JournalID journalId, USN nextUsn, qint32 count)
{
    out << QStringLiteral("1.0") << qint64(journalId) << qint64(nextUsn) << count;
}

bool DriveDBFile::readHeader(QDataStream &in, Header &header)
{
    qint64 journalId = 0;
    in >> header.version >> journalId >> header.nextUsn >> header.count;
    header.journalId = JournalID(journalId);
    return in.status() == QDataStream::Ok;
}
