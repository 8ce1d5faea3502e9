#pragma once

#include "content/ToPlainTextConverter.h"
#include "support/TestFiles.h"

#include <QBuffer>

// Runs a converter into a buffer, as the content search does, and decodes the UTF-16 it wrote.
class Conversion
{
public:
    // From 'bytes' as the input device or, when 'path' is given, from that file.
    static QString run(ToPlainTextConverter &converter, const QByteArray &bytes, const QString &path = QString(),
                       bool *ok = nullptr, const QString &encoding = QString(),
                       const ToPlainTextConverter::CancelFlag *cancel = nullptr)
    {
        QByteArray data = bytes;
        QBuffer input(&data);
        input.open(QIODevice::ReadOnly);
        QBuffer output;
        output.open(QIODevice::ReadWrite);
        const bool converted =
            converter.convert(path, path.isEmpty() ? &input : nullptr, nullptr, &output, encoding, cancel);
        if (ok)
            *ok = converted;
        return TestFiles::fromUtf16LE(output.data());
    }
};
