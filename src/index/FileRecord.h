#pragma once

#include "base/IndexTypes.h"

// One file or folder of a drive database. The name points into the shared
// string pool, which outlives every record; null only in a record that was
// created and never filled.
struct FileRecord
{
    FRN parent = 0;
    const char *name = nullptr;
};
