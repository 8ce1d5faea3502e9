#pragma once

#include "base/IFilterInfo.h"
#include "content/ToPlainTextConverter.h"

#include <QList>

// The in-process document filter converter. Linux has no registry of
// document filters to load into the program, so there are none installed
// and nothing to extract here; documents are read by the helper program
// (IFilter64Converter) instead. The converter stays so that the filter
// lists and the content searcher's table keep one shape.
class IFilterConverter : public ToPlainTextConverter
{
public:
    bool convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *output,
                 const QString &inputEncoding, const CancelFlag *cancel) override;
    QString encoding() const override { return QString(); }

    // The filters loadable in process: none on this platform.
    static QList<IFilterInfo> enumerateInstalledFilters();
    // The path of a new UTF-16LE text file, "TIMEOUT" or an empty string;
    // always empty on this platform.
    static QString extractWithIFilter(const QString &path, const QString &folder, const CancelFlag *cancel,
                                      int timeLimitSeconds);
};
