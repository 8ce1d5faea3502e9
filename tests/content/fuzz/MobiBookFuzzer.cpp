// libFuzzer target: a whole MOBI book (PDB header, record list, record sizes,
// text encoding, decompression and the HTML pass) read from memory.
#include "base/Logger.h"
#include "content/HtmlConverter.h"
#include "content/MobiConverter.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    Logger::instance(QString()); // no file: entries are dropped
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static HtmlConverter html;
    static MobiConverter mobi(&html);
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    QBuffer output;
    output.open(QIODevice::ReadWrite);
    mobi.convert(QString(), &input, nullptr, &output, QString(), nullptr);
    return 0;
}
