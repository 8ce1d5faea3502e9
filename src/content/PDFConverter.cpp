#include "content/PDFConverter.h"

#include "base/DataPaths.h"
#include "base/Logger.h"
#include "platform/linux/DescriptorInputProcess.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QMutexLocker>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>

namespace {

const int kPollMilliseconds = 500;
const int kListEncodingsMilliseconds = 10000;

// The "-enc" name of the 16-bit big-endian output: xpdf calls it "UCS-2";
// poppler does not know that name (it exits with 99) but writes the same
// units, without a byte-order mark, for "UTF-16".
const char kXpdfEncoding[] = "UCS-2";
const char kPopplerEncoding[] = "UTF-16";

// Poppler's program reads a document named "-" from its standard input in
// large reads; a document it opens by name it reads a few bytes at a time
// (12,000 reads for a PDF of 260 KB). It keeps a document read that way in
// memory, so a large one is still given by name.
const qint64 kLargestGivenAsInput = 64 << 20;

enum class RunOutcome { Finished, Canceled, Failed };

// Waits for the program while polling the cancel flag every half second.
RunOutcome waitForProgram(QProcess &process, const ToPlainTextConverter::CancelFlag *cancel)
{
    for (;;) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            process.kill();
            process.waitForFinished(-1);
            return RunOutcome::Canceled;
        }
        if (process.waitForFinished(kPollMilliseconds))
            return RunOutcome::Finished;
        if (process.error() != QProcess::Timedout)
            return RunOutcome::Failed;
    }
}

} // namespace

QString PDFConverter::bundledProgramPath()
{
    return QCoreApplication::applicationDirPath() + QLatin1String("/xpdf/pdftotext");
}

QString PDFConverter::findProgram()
{
    const QString bundled = bundledProgramPath();
    if (QFile::exists(bundled))
        return bundled;
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

bool PDFConverter::convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *, const QString &,
                           const CancelFlag *cancel)
{
    const QString program = findProgram();
    if (program.isEmpty()) {
        Logger::instance()->log(WARNING, "PDFConverter", QStringLiteral("%1 not found").arg(bundledProgramPath()));
        return false;
    }
    // Removed on every way out except success.
    QTemporaryFile target(tempFolder() + QLatin1String("/pdf"));
    if (!target.open()) {
        Logger::instance()->log(WARNING, "PDFConverter",
                                QStringLiteral("Failed to create %1: %2").arg(target.fileTemplate(), target.errorString()));
        return false;
    }
    target.close();

    const QString encodingName = encodingArgument(program);
    const int inputFd = standardInputFor(input, encodingName);
    DescriptorInputProcess process(inputFd);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {inputFd >= 0 ? QStringLiteral("-") : path, QStringLiteral("-enc"), encodingName,
                            QDir::toNativeSeparators(target.fileName())});
    switch (waitForProgram(process, cancel)) {
    case RunOutcome::Canceled:
        return false;
    case RunOutcome::Failed:
        Logger::instance()->log(WARNING, "PDFConverter",
                                QStringLiteral("Failed to run %1, error %2").arg(program).arg(int(process.error())));
        return false;
    case RunOutcome::Finished:
        break;
    }
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (exitCode != 0) {
        Logger::instance()->log(INFO, "PDFConverter",
                                QStringLiteral("Failed to convert %1 to text, error %2").arg(path).arg(exitCode));
        return false;
    }
    target.setAutoRemove(false);
    *outputFile = target.fileName();
    return true;
}

int PDFConverter::standardInputFor(QIODevice *input, const QString &encodingName)
{
    const auto *file = qobject_cast<QFileDevice *>(input);
    // Only poppler's program is known to read "-"; xpdf's is asked for its
    // other encoding name.
    if (!file || file->handle() < 0 || encodingName != QLatin1String(kPopplerEncoding)
        || file->size() > kLargestGivenAsInput)
        return -1;
    return file->handle();
}

QString PDFConverter::encodingArgument(const QString &program)
{
    QMutexLocker lock(&m_mutex);
    auto known = m_encodingArguments.constFind(program);
    if (known != m_encodingArguments.constEnd())
        return known.value();
    QString name = rememberedEncodingArgument(program);
    if (name.isEmpty()) {
        name = queryEncodingArgument(program);
        if (name.isEmpty())
            name = QString::fromLatin1(kXpdfEncoding); // asked again by the next run
        else
            rememberEncodingArgument(program, name);
    }
    m_encodingArguments.insert(program, name);
    return name;
}

QString PDFConverter::rememberedEncodingsPath()
{
    return DataPaths::dataDirectory() + QLatin1String("/pdftotext-encodings");
}

namespace {

// What tells one installed program from another: a line of the remembered
// encodings is "<size> <modified, ms since the epoch> <name> <program path>".
QString programStamp(const QString &program)
{
    const QFileInfo info(program);
    return QStringLiteral("%1 %2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

QString encodingLine(const QString &stamp, const QString &name, const QString &program)
{
    return stamp + QLatin1Char(' ') + name + QLatin1Char(' ') + program;
}

QStringList rememberedLines()
{
    QFile file(PDFConverter::rememberedEncodingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

// Only a line for this very program file, with one of the two names, is
// taken: a program replaced by an update is asked anew.
QString PDFConverter::rememberedEncodingArgument(const QString &program)
{
    const QStringList lines = rememberedLines();
    const QString stamp = programStamp(program);
    for (const char *name : {kPopplerEncoding, kXpdfEncoding}) {
        if (lines.contains(encodingLine(stamp, QString::fromLatin1(name), program)))
            return QString::fromLatin1(name);
    }
    return QString();
}

// Replaces the program's line, keeping the others'. Failing to write costs
// only a question to the program in the next run.
void PDFConverter::rememberEncodingArgument(const QString &program, const QString &name)
{
    QStringList lines;
    for (const QString &line : rememberedLines()) {
        if (!line.endsWith(QLatin1Char(' ') + program))
            lines.append(line);
    }
    lines.append(encodingLine(programStamp(program), name, program));
    QDir().mkpath(QFileInfo(rememberedEncodingsPath()).path());
    QSaveFile file(rememberedEncodingsPath());
    if (!file.open(QIODevice::WriteOnly) || file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) < 0
        || !file.commit()) {
        Logger::instance()->log(INFO, "PDFConverter",
                                QStringLiteral("Failed to write %1: %2").arg(file.fileName(), file.errorString()));
    }
}

// Asks the program which encodings it knows ("-listenc", one name a line).
QString PDFConverter::queryEncodingArgument(const QString &program)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {QStringLiteral("-listenc")}, QIODevice::ReadOnly);
    if (!process.waitForFinished(kListEncodingsMilliseconds)) {
        process.kill();
        process.waitForFinished(-1);
        return QString();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    const QList<QByteArray> names = process.readAllStandardOutput().split('\n');
    const auto knows = [&names](const char *name) {
        return std::any_of(names.cbegin(), names.cend(),
                           [name](const QByteArray &line) { return line.trimmed() == name; });
    };
    if (!knows(kXpdfEncoding) && knows(kPopplerEncoding))
        return QString::fromLatin1(kPopplerEncoding);
    return QString::fromLatin1(kXpdfEncoding);
}
