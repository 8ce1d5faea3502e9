#pragma once

#include <QMetaType>
#include <QtGlobal>

// Identifiers of the file index. On Linux an FRN is an inode number (unique
// within one file system), a USN is a time position in nanoseconds since the
// epoch, and a JournalID is derived from the file system's UUID.
using FRN = quint64;       // 0 means "no parent"
using USN = qint64;
using JournalID = quint64;

#include <atomic>

// A cancel flag owned by the caller and polled by long index work on other
// threads; atomic because it is written and read from different threads.
using CancelFlag = std::atomic<bool>;
