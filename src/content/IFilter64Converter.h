#pragma once

#include "content/ToPlainTextConverter.h"

class Helper64;

// Converts documents through the helper program: the helper writes the text
// into a UTF-16LE file with a byte-order mark in the temporary folder, and
// the content searcher reads (and then removes) it. Never raises on
// cancellation: a canceled document answers false.
class IFilter64Converter : public ToPlainTextConverter
{
public:
    // 'helper' is not owned and outlives the converter.
    explicit IFilter64Converter(Helper64 *helper);

    bool convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *output,
                 const QString &inputEncoding, const CancelFlag *cancel) override;
    QString encoding() const override { return QString(); }

private:
    bool isOwnOutput(const QString &reply) const;

    Helper64 *m_helper;
};
