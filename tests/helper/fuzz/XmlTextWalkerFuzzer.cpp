// libFuzzer target: the XML text walker over any bytes, with each format's
// rules, fed in small pieces so that tokens straddle the pieces, must stay
// inside its buffers, end, and write only whole UTF-16 text.
#include "helper/ExtractionBudget.h"
#include "helper/TextSink.h"
#include "helper/XmlTextWalker.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the rules and the piece size.
    const XmlTextWalker *walkers[] = {&XmlTextWalker::openDocument(), &XmlTextWalker::wordprocessing(),
                                      &XmlTextWalker::drawing()};
    const XmlTextWalker &walker = *walkers[data[0] % 3];
    const qint64 piece = 1 + data[0] / 3;
    const char *xml = reinterpret_cast<const char *>(data + 1);
    const qint64 length = qint64(size - 1);
    qint64 offset = 0;
    const auto source = [&](char *buffer, qint64 capacity) -> qint64 {
        const qint64 count = qMin(qMin(piece, capacity), length - offset);
        std::memcpy(buffer, xml + offset, size_t(count));
        offset += count;
        return count;
    };
    QByteArray text;
    QBuffer output(&text);
    output.open(QIODevice::WriteOnly);
    ExtractionBudget budget(nullptr);
    {
        TextSink sink(&output);
        walker.walk(source, &sink, &budget);
    }
    if (text.size() % 2 != 0)
        __builtin_trap();
    return 0;
}
