#include "ui/IndexSource.h"

#include "indexproto/IndexProtocol.h"
#include "indexproto/IndexServiceClient.h"
#include "platform/linux/SystemInfo.h"
#include "search/FileSearcher.h"

namespace {

// How long a start waits for the service to greet it before going on
// without it. A missing socket is refused at once; this bounds a hung one.
constexpr int kProbeMs = 500;

} // namespace

int IndexSource::choose(const QStringList &arguments, bool *serviceAnswers)
{
    *serviceAnswers = IndexServiceClient().open(IndexProtocol::socketPath(), kProbeMs);
    if (*serviceAnswers)
        return FileSearcher::UseIndexService;
    if (isProcessAdmin() && !arguments.contains(QStringLiteral("-no-elevation")))
        return FileSearcher::UseIndex;
    return FileSearcher::UseIndexService;
}
