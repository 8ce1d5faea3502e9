#include "content/ContentSearcher.h"

#include "app/Logger.h"
#include "content/EPUBConverter.h"
#include "content/EncodingDetector.h"
#include "content/HtmlConverter.h"
#include "content/MobiConverter.h"
#include "content/PDFConverter.h"
#include "content/TextLineReader.h"
#include "platform/linux/RegularFile.h"
#include "search/ExpressionMatcher.h"
#include "search/FileSearchCancelException.h"
#include "search/FileSearchRequest.h"

#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>

#include <algorithm>

namespace {

const char kComponent[] = "ContentSearcher";

void removeIfNamed(const QString &path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

// Only a regular file is read for its contents: opening a FIFO or a device
// could block the search for ever. The file is opened without blocking and
// kept open, so what is checked is what is read.
bool openSource(const QString &path, FileDescriptor *fd, QFile *file, const char *caller)
{
    *fd = RegularFile::openForReading(path, RegularFile::FollowLinks);
    if (fd->isValid() && file->open(fd->get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return true;
    Logger::instance()->log(WARNING, kComponent, QStringLiteral("%1 - Failed to open %2").arg(caller, path));
    return false;
}

} // namespace

ContentSearcher::ContentSearcher(const QString &tempFolder, std::unique_ptr<ToPlainTextConverter> ifilterConverter,
                                 std::unique_ptr<ToPlainTextConverter> ifilter64Converter)
    : m_pdf(std::make_unique<PDFConverter>())
    , m_ifilter(std::move(ifilterConverter))
    , m_ifilter64(std::move(ifilter64Converter))
    , m_html(std::make_unique<HtmlConverter>())
    , m_epub(std::make_unique<EPUBConverter>(m_html.get()))
    , m_mobi(std::make_unique<MobiConverter>(m_html.get()))
{
    ToPlainTextConverter *const all[] = {m_pdf.get(),  m_ifilter.get(), m_ifilter64.get(),
                                         m_html.get(), m_epub.get(),    m_mobi.get()};
    for (ToPlainTextConverter *converter : all) {
        if (converter)
            converter->setTempFolder(tempFolder);
    }
}

ContentSearcher::~ContentSearcher() = default;

QString ContentSearcher::temporaryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QLatin1String("/Talvenquist");
}

void ContentSearcher::setSettings(const ContentSearchSettings &settings)
{
    m_settings = settings;
    m_converters.clear();
    if (m_settings.useBuiltInPDF)
        m_converters[QStringLiteral("pdf")].append(m_pdf.get());
    // A 32-bit filter comes before a 64-bit one for the same extension.
    addFilterConverters(m_settings.filters32, m_settings.disabledExtensions, m_ifilter.get());
    addFilterConverters(m_settings.filters64, m_settings.disabledExtensions64, m_ifilter64.get());
    m_converters[QStringLiteral("epub")].append(m_epub.get());
    m_converters[QStringLiteral("fb2")].append(m_html.get());
    m_converters[QStringLiteral("mobi")].append(m_mobi.get());
}

void ContentSearcher::addFilterConverters(const QList<IFilterInfo> &filters, const QStringList &disabledExtensions,
                                          ToPlainTextConverter *converter)
{
    if (!converter)
        return;
    for (const IFilterInfo &filter : filters) {
        if (m_settings.disabledFilters.contains(filter.clsid))
            continue;
        for (QString extension : filter.extensions) {
            // Table keys carry no dot; the settings store may keep one.
            if (extension.startsWith(QLatin1Char('.')))
                extension.remove(0, 1);
            if (!disabledExtensions.contains(extension))
                m_converters[extension].append(converter);
        }
    }
}

QVector<ToPlainTextConverter *> ContentSearcher::converters(const QString &extension) const
{
    return m_converters.value(extension);
}

QString ContentSearcher::extension(const QString &path)
{
    const int separator = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (separator < 0)
        return QString();
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > separator ? path.mid(dot + 1) : QString();
}

QString ContentSearcher::detectFileEncoding(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return EncodingDetector::detect(&file);
}

bool ContentSearcher::convert(const QString &fileName, QString *outputFile, QString *encoding,
                              const CancelFlag *cancel) const
{
    const auto found = m_converters.constFind(extension(fileName));
    if (found == m_converters.constEnd())
        return false;
    for (ToPlainTextConverter *converter : found.value()) {
        if (converter->convert(fileName, nullptr, outputFile, nullptr, QString(), cancel)) {
            *encoding = converter->encoding();
            return true;
        }
        // A converter that failed after naming a file leaves nothing behind.
        removeIfNamed(*outputFile);
        outputFile->clear();
    }
    return false;
}

bool ContentSearcher::find(const FileSearchRequest &request, const QString &fileName, int *count) const
{
    FileDescriptor sourceFd;
    QFile source;
    if (!openSource(fileName, &sourceFd, &source, "find"))
        return false;
    QString outputFile;
    // The converted text lives only for this call, also when a converter or
    // the search raises. It goes to a file, never to memory: a small book
    // can expand to gigabytes of text.
    const auto removeOutput = qScopeGuard([&outputFile] { removeIfNamed(outputFile); });
    QString encoding;
    const bool converted = convert(fileName, &outputFile, &encoding, &request.canceled);

    QFile file;
    QIODevice *device = &source;
    if (converted) {
        file.setFileName(outputFile);
        if (!file.open(QIODevice::ReadOnly)) {
            Logger::instance()->log(WARNING, kComponent, QStringLiteral("find - Failed to open %1").arg(file.fileName()));
            return false;
        }
        device = &file;
    }
    return searchStream(request, device, fileName, encoding, nullptr, count);
}

void ContentSearcher::findAll(const FileSearchRequest &request, const QString &fileName, ContentMatches *result) const
{
    FileDescriptor sourceFd;
    QFile source;
    if (!openSource(fileName, &sourceFd, &source, "findAll"))
        return;
    QString outputFile;
    QString encoding;
    {
        // Only a file that the result names is left for the preview; one
        // named by a converter that raised would be left to nobody.
        auto removeOutput = qScopeGuard([&outputFile] { removeIfNamed(outputFile); });
        convert(fileName, &outputFile, &encoding, &request.canceled);
        removeOutput.dismiss();
    }
    result->converted = !outputFile.isEmpty();
    result->filePath = result->converted ? outputFile : fileName;
    if (!result->converted) {
        searchStream(request, &source, fileName, encoding, result, nullptr);
        return;
    }
    QFile file(result->filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("findAll - Failed to open %1").arg(result->filePath));
        return;
    }
    searchStream(request, &file, fileName, encoding, result, nullptr);
}

// Settles the codec of a file that no converter described. False when the
// file is binary and binary files are skipped.
bool ContentSearcher::chooseEncoding(QIODevice *device, const QString &fileName, QString *encoding) const
{
    if (!encoding->isEmpty() || !(m_settings.autoDetectEncoding || m_settings.skipBinary))
        return true;
    const QString detected = EncodingDetector::detect(device);
    if (detected == QLatin1String(EncodingDetector::kBinary)) {
        if (m_settings.skipBinary) {
            Logger::instance()->log(INFO, kComponent, QStringLiteral("skip BINARY, file = %1").arg(fileName));
            return false;
        }
    } else if (m_settings.autoDetectEncoding) {
        *encoding = detected;
    }
    return true;
}

bool ContentSearcher::searchStream(const FileSearchRequest &request, QIODevice *device, const QString &fileName,
                                   QString encoding, ContentMatches *result, int *count) const
{
    if (!chooseEncoding(device, fileName, &encoding))
        return false;
    // Lines as QTextStream's readLine() gives them, without a copy per line.
    TextLineReader reader(device, encoding);
    ExpressionMatcher matcher(request.text, request.textMatchOptions());
    QStringView line;
    MatchPositions positions;
    int lineNumber = 0;
    bool held = false;
    while (reader.readLine(&line)) {
        if (request.canceled)
            throw FileSearchCancelException(QString::fromLatin1(kComponent), __LINE__,
                                            QStringLiteral("Request %1 canceled").arg(request.id));
        if (result || (count && reader.continues())) {
            positions.clear();
            const int verdict = matcher.match(line, &positions, nullptr);
            // A window of a long line keeps the matches that begin before the
            // part the next window repeats: that one finds the others whole.
            if (reader.continues()) {
                const int own = line.size() - reader.overlap();
                positions.erase(std::remove_if(positions.begin(), positions.end(),
                                               [own](const QPair<int, int> &p) { return p.first >= own; }),
                                positions.end());
            }
            if (result && !positions.isEmpty())
                result->lines.append(MatchLine{lineNumber, line.toString(), positions});
            if (!result) {
                *count += positions.size();
                held = held || verdict == ExpressionMatcher::Match;
            }
        } else if (matcher.match(line, nullptr, count) == ExpressionMatcher::Match) {
            // Counting needs the whole file; otherwise the first verdict is
            // the answer.
            if (!count)
                return true;
            held = true;
        }
        if (!reader.continues())
            ++lineNumber;
    }
    if (result)
        result->linesRead = lineNumber;
    return held || matcher.finish() == ExpressionMatcher::Match;
}
