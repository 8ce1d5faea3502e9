#pragma once

#include "index/IndexTypes.h"

#include <QDataStream>

// The byte layout of a drive database file: a header (version "1.0", journal
// id, position, record count), then per record parent, frn, name length,
// UTF-8 name and the folder byte. Big-endian, as QDataStream writes by default.
class DriveDBFile
{
public:
    static constexpr int kMaxNameLength = 1024;

    struct Header
    {
        QString version;
        JournalID journalId = 0;
        USN nextUsn = 0;
        qint32 count = 0;
    };

    struct Record
    {
        FRN parent = 0;
        FRN frn = 0;
        // NUL-terminated; names longer than the limit are cut when written.
        char name[kMaxNameLength + 1] = {};
        bool isDir = false;
    };

    // Records are written by DriveDBRecordWriter and read by DriveDBRecordReader.
    static void writeHeader(QDataStream &out, JournalID journalId, USN nextUsn, qint32 count);
    static bool readHeader(QDataStream &in, Header &header);
};
