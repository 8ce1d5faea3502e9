#include "content/IFilterConverter.h"

bool IFilterConverter::convert(const QString &path, QIODevice *, QString *outputFile, QIODevice *, const QString &,
                               const CancelFlag *cancel)
{
    const QString extracted = extractWithIFilter(path, tempFolder(), cancel, /*timeLimitSeconds=*/0);
    if (extracted.isEmpty())
        return false;
    *outputFile = extracted;
    return true;
}

QList<IFilterInfo> IFilterConverter::enumerateInstalledFilters()
{
    return {};
}

QString IFilterConverter::extractWithIFilter(const QString &, const QString &, const CancelFlag *, int)
{
    return QString();
}
