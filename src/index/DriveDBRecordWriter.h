#pragma once

#include "base/IndexTypes.h"

#include <QIODevice>

#include <vector>

// Writes the records of a database file (the layout of DriveDBFile) through
// a buffer of its own: writing field by field through a QDataStream made a
// save take longer than the load that reads it back.
class DriveDBRecordWriter
{
public:
    // Writes at the device's current position; the device must outlive this.
    explicit DriveDBRecordWriter(QIODevice &device);

    // A null name is written empty; names are cut at kMaxNameLength bytes.
    void write(FRN parent, FRN frn, const char *name, bool isDir);
    // Hands the buffered records to the device. False when the device
    // refused bytes, now or at an earlier write.
    bool flush();

private:
    QIODevice &m_device;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
    bool m_failed = false;
};
