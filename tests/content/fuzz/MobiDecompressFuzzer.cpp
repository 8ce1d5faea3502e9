// libFuzzer target: PalmDOC decompression of one MOBI record must stay inside
// its buffers (AddressSanitizer checks every access) and never give more than
// the record limit, whatever the bytes say.
#include "content/MobiConverter.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Raw data: the fuzzer's own buffer, so a read past it is caught.
    const QByteArray record = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const QByteArray text = MobiConverter::decompress(record);
    if (text.size() > MobiConverter::kMaxRecordSize)
        __builtin_trap();
    return 0;
}
