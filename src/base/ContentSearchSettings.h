#pragma once

#include "base/IFilterInfo.h"

#include <QList>
#include <QMetaType>
#include <QStringList>

// How file contents are read. Built by Settings on the GUI thread and handed
// to the content searcher by value.
struct ContentSearchSettings
{
    QList<IFilterInfo> filters32;
    QList<IFilterInfo> filters64;
    QStringList disabledFilters;      // CLSIDs
    QStringList disabledExtensions;   // not handed to 32-bit filters
    QStringList disabledExtensions64; // not handed to 64-bit filters
    bool autoDetectEncoding = false;
    bool skipBinary = false;
    bool useBuiltInPDF = false;
};

Q_DECLARE_METATYPE(ContentSearchSettings)
