#include "content/IFilter64Converter.h"

#include "base/Logger.h"
#include "content/Helper64.h"
#include "helper/HelperProtocol.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char kComponent[] = "IFilter64Converter";

} // namespace

IFilter64Converter::IFilter64Converter(Helper64 *helper)
    : m_helper(helper)
{
}

bool IFilter64Converter::convert(const QString &path, QIODevice *, QString *outputFile, QIODevice *, const QString &,
                                 const CancelFlag *cancel)
{
    if (isCanceled(cancel))
        return false;
    const QString reply = m_helper->convert(path);
    if (reply == QLatin1String(HelperProtocol::kTimeout)) {
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("convert TIMEOUT, file = %1").arg(path));
        return false;
    }
    if (reply.isEmpty())
        return false;
    if (!isOwnOutput(reply)) {
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("convert refused reply %1, file = %2").arg(reply, path));
        return false;
    }
    *outputFile = reply;
    return true;
}

// The caller removes the output file, so only a file that the helper can
// have made (directly in the temporary folder) is accepted: a helper taken
// over by a hostile document must not name one of the user's files.
bool IFilter64Converter::isOwnOutput(const QString &reply) const
{
    const QFileInfo output(reply);
    return output.isAbsolute() && output.isFile() && !output.isSymLink() &&
           QDir(output.absolutePath()) == QDir(tempFolder());
}
