#include "content/ToPlainTextConverter.h"

#include "app/Logger.h"
#include "search/FileSearchCancelException.h"

#include <QTemporaryFile>

ToPlainTextConverter::~ToPlainTextConverter() = default;

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
