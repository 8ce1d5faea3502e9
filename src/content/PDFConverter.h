#pragma once

#include "content/ToPlainTextConverter.h"

#include <QHash>
#include <QMutex>

// Turns a PDF file into text with the external "pdftotext" program: the
// copy in "xpdf/" beside the executable, else the one on the PATH. Never
// raises on cancellation: it answers false and the content searcher raises.
// An open file given as the input is what poppler's program reads, from
// its standard input; otherwise the program opens the path.
class PDFConverter : public ToPlainTextConverter
{
public:
    bool convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *output,
                 const QString &inputEncoding, const CancelFlag *cancel) override;
    // What the program writes: 16-bit big-endian units without a byte-order
    // mark (Qt's codec lookup ignores the punctuation).
    QString encoding() const override { return QStringLiteral("UTF16-BE"); }

    // The program that convert() runs, or an empty string when there is none.
    static QString findProgram();
    // "xpdf/pdftotext" in the folder of the running executable.
    static QString bundledProgramPath();

    // Where the "-enc" names that programs accept are remembered between
    // runs: asking a program costs a start of it, in the way of the first
    // PDF of every search.
    static QString rememberedEncodingsPath();

private:
    // The descriptor the program reads as its standard input, or -1 when
    // it is to open the path itself.
    static int standardInputFor(QIODevice *input, const QString &encodingName);
    QString encodingArgument(const QString &program);
    // The name the program says it accepts; empty when it did not answer.
    static QString queryEncodingArgument(const QString &program);
    static QString rememberedEncodingArgument(const QString &program);
    static void rememberEncodingArgument(const QString &program, const QString &name);

    // Program path -> the "-enc" name it accepts. Filled once per program;
    // convert() runs on several threads at once.
    QMutex m_mutex;
    QHash<QString, QString> m_encodingArguments;
};
