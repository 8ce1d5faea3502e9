#pragma once

#include "index/DriveDBFile.h"

#include <QIODevice>

#include <vector>

// Reads the records of a database file (the layout of DriveDBFile) through a
// buffer of its own: reading field by field through a QDataStream cost more
// than a third of a load.
class DriveDBRecordReader
{
public:
    // Reads from the device's current position on; the device must outlive this.
    explicit DriveDBRecordReader(QIODevice &device);

    // False when the device ends inside a record or a name length is outside
    // 0..kMaxNameLength: either way the file is cut short or damaged.
    bool next(DriveDBFile::Record &record);
    // True when no byte follows the records read so far.
    bool atEnd();

private:
    bool fill(std::size_t needed);

    QIODevice &m_device;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0; // unread bytes are m_buffer[m_begin, m_end)
    std::size_t m_end = 0;
};
