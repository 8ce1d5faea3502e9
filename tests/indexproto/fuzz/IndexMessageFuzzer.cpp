// libFuzzer target: a byte stream as a client or a service could send it,
// cut into frames and each frame handed to every decoder of its type.
#include "indexproto/FrameReader.h"
#include "indexproto/IndexProtocol.h"
#include "indexproto/ResultBatch.h"
#include "indexproto/SearchQuery.h"
#include "indexproto/ServiceState.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FrameReader reader;
    // Pieces of varying size, as a socket delivers them.
    std::size_t at = 0;
    for (std::size_t piece = 1; at < size; piece = piece * 3 % 97 + 1) {
        const std::size_t n = piece < size - at ? piece : size - at;
        reader.append(reinterpret_cast<const char *>(data) + at, int(n));
        at += n;
        QByteArray payload;
        while (reader.next(&payload) == FrameReader::Frame) {
            const QByteArray body = payload.mid(1);
            quint32 id = 0;
            SearchQuery::decode(body);
            ServiceState::decode(body);
            ServiceState::decodeSettings(body);
            ResultBatch::decode(body, &id, [](const ResultBatch::Entry &) {});
        }
    }
    return 0;
}
