// libFuzzer target: the RTF reader over any bytes must stay inside its
// buffers, end (no unbounded nesting or loops) and write only whole UTF-16
// text.
#include "helper/ExtractionBudget.h"
#include "helper/RtfReader.h"
#include "helper/TextSink.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    QByteArray text;
    QBuffer output(&text);
    output.open(QIODevice::WriteOnly);
    ExtractionBudget budget(nullptr);
    {
        TextSink sink(&output);
        RtfReader(&sink, &budget).read(&input);
    }
    if (text.size() % 2 != 0)
        __builtin_trap();
    return 0;
}
