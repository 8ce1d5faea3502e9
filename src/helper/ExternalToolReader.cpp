#include "helper/ExternalToolReader.h"

#include "helper/ExtractionBudget.h"
#include "helper/TextSink.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTextDecoder>

#include <memory>

namespace {

// How long one wait for output lasts before the cancel flag is looked at.
const int kPollMilliseconds = 100;

} // namespace

QString ExternalToolReader::findTool(const QString &tool)
{
    return QStandardPaths::findExecutable(tool);
}

bool ExternalToolReader::read(const QString &tool, const QString &path, TextSink *sink, ExtractionBudget *budget)
{
    const QString program = findTool(tool);
    if (program.isEmpty())
        return false;
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    // "-d utf-8": the tools' output character set.
    process.start(program, {QStringLiteral("-d"), QStringLiteral("utf-8"), path}, QIODevice::ReadOnly);
    if (!process.waitForStarted())
        return false;
    const std::unique_ptr<QTextDecoder> decoder(QTextCodec::codecForName("UTF-8")->makeDecoder());
    bool withinBudget = true;
    while (withinBudget) {
        if (budget->canceled())
            break;
        const bool running = process.state() != QProcess::NotRunning;
        if (running && process.bytesAvailable() == 0)
            process.waitForReadyRead(kPollMilliseconds);
        const QByteArray bytes = process.readAll();
        if (bytes.isEmpty() && !running)
            break;
        withinBudget = budget->spend(bytes.size());
        sink->text(decoder->toUnicode(bytes));
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    sink->lineBreak();
    return withinBudget && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
           !sink->failed();
}
