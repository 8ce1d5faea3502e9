#pragma once

#include "base/IFilterInfo.h"

#include <QList>
#include <QString>

#include <atomic>

class ExtractionBudget;
class QIODevice;

// The helper's document filters: which formats it reads (each an
// IFilterInfo with a fixed id) and the extraction of one document's text
// into a new UTF-16LE file.
class DocumentExtractor
{
public:
    // Every filter that can work on this computer: the built-in readers
    // always, the legacy Office ones only when their tools are installed.
    static QList<IFilterInfo> filters();

    // Whether a filter here reads documents named like 'path'.
    static bool serves(const QString &path);

    // Writes the text of 'path' to a new file in 'folder' that starts with
    // the byte-order mark FF FE, and returns its path; an empty string when
    // the document could not be read (nothing is left behind then).
    // '*cancel' stops the work early with an empty result.
    static QString extract(const QString &path, const QString &folder, const std::atomic<bool> *cancel);

    // The text of 'path' as UTF-16LE into 'output', without byte-order mark;
    // false when the document could not be read.
    static bool extractTo(const QString &path, QIODevice *output, ExtractionBudget *budget);
};
