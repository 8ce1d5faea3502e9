#include "content/ToPlainTextConverter.h"

#include "base/FileSearchCancelException.h"
#include "base/Logger.h"

#include <QIODevice>
#include <QTemporaryFile>

namespace {

std::atomic<qint64> g_maxOutputBytes{ToPlainTextConverter::kDefaultMaxOutputBytes};

} // namespace

ToPlainTextConverter::~ToPlainTextConverter() = default;

qint64 ToPlainTextConverter::maxOutputBytes()
{
    return g_maxOutputBytes.load(std::memory_order_relaxed);
}

void ToPlainTextConverter::setMaxOutputBytes(qint64 bytes)
{
    g_maxOutputBytes.store(bytes, std::memory_order_relaxed);
}

bool ToPlainTextConverter::outputFull(const QIODevice *output, const char *logComponent)
{
    if (output->size() < maxOutputBytes())
        return false;
    Logger::instance()->log(INFO, logComponent,
                            QStringLiteral("Converted text cut at %1 bytes").arg(maxOutputBytes()));
    return true;
}

void ToPlainTextConverter::checkCanceled(const CancelFlag *cancel, const char *source, int line)
{
    if (isCanceled(cancel))
        throw FileSearchCancelException(QString::fromLatin1(source), line, QStringLiteral("Convert canceled"));
}

std::unique_ptr<QTemporaryFile> ToPlainTextConverter::createUtf16OutputFile(const QString &fileTemplate,
                                                                            const char *logComponent,
                                                                            QString *outputFile)
{
    Q_ASSERT(outputFile);
    if (!outputFile)
        return nullptr;
    auto file = std::make_unique<QTemporaryFile>(fileTemplate);
    if (!file->open()) {
        Logger::instance()->log(WARNING, logComponent,
                                QStringLiteral("Failed to create %1: %2").arg(fileTemplate, file->errorString()));
        return nullptr;
    }
    // The caller names the file to its own caller, who removes it.
    file->setAutoRemove(false);
    static const char kByteOrderMark[] = {'\xFF', '\xFE'};
    if (file->write(kByteOrderMark, 2) != 2) {
        Logger::instance()->log(WARNING, logComponent,
                                QStringLiteral("Failed to write %1: %2").arg(file->fileName(), file->errorString()));
        file->remove();
        return nullptr;
    }
    *outputFile = file->fileName();
    return file;
}
