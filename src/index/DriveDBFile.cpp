#include "index/DriveDBFile.h"

void DriveDBFile::writeHeader(QDataStream &out, JournalID journalId, USN nextUsn, qint32 count)
{
    out << QStringLiteral("1.0") << qint64(journalId) << qint64(nextUsn) << count;
}

bool DriveDBFile::readHeader(QDataStream &in, Header &header)
{
    // The version is read by hand: QDataStream would first allocate as much
    // as the length field claims.
    quint32 versionBytes = 0;
    in >> versionBytes;
    header.version.clear();
    if (versionBytes != 0xffffffffu) {
        if (versionBytes > kMaxVersionBytes || versionBytes % 2 != 0)
            return false;
        char raw[kMaxVersionBytes];
        if (in.readRawData(raw, int(versionBytes)) != int(versionBytes))
            return false;
        for (quint32 i = 0; i < versionBytes; i += 2)
            header.version += QChar(ushort((uchar(raw[i]) << 8) | uchar(raw[i + 1])));
    }
    qint64 journalId = 0;
    in >> journalId >> header.nextUsn >> header.count;
    header.journalId = JournalID(journalId);
    return in.status() == QDataStream::Ok && header.count >= 0;
}
