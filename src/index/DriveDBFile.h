#pragma once

#include "base/IndexTypes.h"

#include <QDataStream>

// The byte layout of a drive database file: a header (version "1.0", journal
// id, position, record count), then per record parent, frn, name length,
// UTF-8 name and the folder byte. Big-endian, as QDataStream writes by default.
class DriveDBFile
{
public:
    static constexpr int kMaxNameLength = 1024;
    // The bytes of a record without its name: parent, frn, name length, isDir.
    static constexpr int kMinRecordSize = 8 + 8 + 4 + 1;
    // "1.0" takes 6 bytes; a longer version string is a damaged header, not a
    // reason to allocate what its length field claims.
    static constexpr quint32 kMaxVersionBytes = 256;

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
    // False when the header is cut short, its version string is longer than
    // kMaxVersionBytes or its count is negative.
    static bool readHeader(QDataStream &in, Header &header);
};
