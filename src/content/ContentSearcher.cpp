#include "content/ContentSearcher.h"

#include "base/FileSearchCancelException.h"
#include "base/Logger.h"
#include "content/ContentPrefilter.h"
#include "content/EncodingDetector.h"
#include "content/EPUBConverter.h"
#include "content/HtmlConverter.h"
#include "content/MobiConverter.h"
#include "content/PDFConverter.h"
#include "content/TextLineReader.h"
#include "platform/linux/PrivateFolder.h"
#include "platform/linux/RegularFile.h"
#include "query/ExpressionMatcher.h"
#include "query/FileSearchRequest.h"

#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTextCodec>

#include <algorithm>
#include <cstring>

namespace {

const char kComponent[] = "ContentSearcher";
// What a large file is first read for: a page, more than the encoding guess
// looks at.
constexpr qsizetype kProbeSize = 4096;
static_assert(kProbeSize >= EncodingDetector::kSampleSize, "the guess must see its whole sample");

void removeIfNamed(const QString &path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

// Only a regular file is read for its contents: opening a FIFO or a device
// could block the search for ever. The file is opened without blocking and
// kept open, so what is checked is what is read. A descriptor already open
// is used as it is.
bool openSource(const QString &path, FileDescriptor *fd, QFile *file, const char *caller)
{
    if (!fd->isValid())
        *fd = RegularFile::openForReading(path, RegularFile::FollowLinks);
    if (fd->isValid() && file->open(fd->get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return true;
    Logger::instance()->log(WARNING, kComponent, QStringLiteral("%1 - Failed to open %2").arg(caller, path));
    return false;
}

bool sameOptions(const MatchOptions &a, const MatchOptions &b)
{
    return a.mode == b.mode && a.caseSensitive == b.caseSensitive && a.fileName == b.fileName
        && a.boolean == b.boolean && a.wholeFile == b.wholeFile;
}

// A matcher for the expression, built once per thread and expression rather
// than once per file: building one parses the expression, and the verdicts
// it learns per set of found terms from the script engine hold for every
// file. Valid until the thread's next call; nothing found yet.
// This thread's matcher for a request's text and options, and the byte
// prefilter made from its terms: made once per search and thread, not once
// per file (a file costs less than making them did).
struct ThreadMatcher
{
    QString text;
    MatchOptions options;
    std::unique_ptr<ExpressionMatcher> matcher;
    std::unique_ptr<ContentPrefilter> prefilter;
};

ThreadMatcher &threadMatcher(const QString &text, const MatchOptions &options)
{
    thread_local ThreadMatcher cached;
    if (!cached.matcher || cached.text != text || !sameOptions(cached.options, options)) {
        cached.matcher = std::make_unique<ExpressionMatcher>(text, options);
        cached.prefilter = std::make_unique<ContentPrefilter>(cached.matcher->terms(), cached.matcher->options());
        cached.text = text;
        cached.options = options;
    }
    cached.matcher->reset();
    return cached;
}

void throwIfCanceled(const FileSearchRequest &request, int line)
{
    if (request.canceled)
        throw FileSearchCancelException(QString::fromLatin1(kComponent), line,
                                        QStringLiteral("Request %1 canceled").arg(request.id));
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
    // Converted documents are copies of the user's files: kept where only
    // this user can read them, never in a folder another user may hold.
    return PrivateFolder::forCurrentUser(QStandardPaths::writableLocation(QStandardPaths::TempLocation),
                                         QStringLiteral("Talvenquist"));
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
    m_convertedExtensions.clear();
    for (auto it = m_converters.constBegin(); it != m_converters.constEnd(); ++it)
        m_convertedExtensions.insert(QFile::encodeName(it.key()).toStdString());
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

// As extension() of a path that ends in `name`.
bool ContentSearcher::convertsName(const char *name) const
{
    const char *dot = std::strrchr(name, '.');
    const char *backslash = std::strrchr(name, '\\');
    const std::string_view suffix = dot && (!backslash || dot > backslash) ? std::string_view(dot + 1)
                                                                           : std::string_view();
    return m_convertedExtensions.find(suffix) != m_convertedExtensions.end();
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

bool ContentSearcher::convert(const QString &fileName, QFile *source, QString *outputFile, QString *encoding,
                              const CancelFlag *cancel) const
{
    const auto found = m_converters.constFind(extension(fileName));
    if (found == m_converters.constEnd())
        return false;
    for (ToPlainTextConverter *converter : found.value()) {
        // The PDF program reads the file already opened and checked; the
        // others read it by name, each from its start.
        QIODevice *input = converter == m_pdf.get() ? source : nullptr;
        if (converter->convert(fileName, input, outputFile, nullptr, QString(), cancel)) {
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
    return findIn(request, QFile::encodeName(fileName).constData(), &fileName, count);
}

bool ContentSearcher::findNative(const FileSearchRequest &request, const char *path, int *count) const
{
    return findIn(request, path, nullptr, count);
}

// `fileName` is `path` as text when the caller has it; otherwise it is made
// only for a file that the raw bytes leave open or a converter reads.
bool ContentSearcher::findIn(const FileSearchRequest &request, const char *path, const QString *fileName,
                             int *count) const
{
    qint64 size = 0;
    FileDescriptor sourceFd = RegularFile::openForReading(path, RegularFile::FollowLinks, &size);
    const char *slash = std::strrchr(path, '/');
    const bool converted = convertsName(slash ? slash + 1 : path);
    // The plain text's encoding, as judging its bytes settled it.
    QString encoding;
    const bool judged = !converted && sourceFd.isValid();
    if (judged) {
        // Plain text, most files: judged on its bytes before any decoding,
        // without a QFile unless the bytes leave the answer open.
        const BytesVerdict verdict = judgeBytes(request, sourceFd.get(), size, path, &encoding, count != nullptr);
        if (verdict != Undecided)
            return verdict == Matches;
    }
    const QString decoded = fileName ? QString() : QFile::decodeName(path);
    const QString &name = fileName ? *fileName : decoded;
    QFile source;
    if (!openSource(name, &sourceFd, &source, "find"))
        return false;
    if (!converted)
        return searchStream(request, &source, name, encoding, nullptr, count, judged);
    QString outputFile;
    // The converted text lives only for this call, also when a converter or
    // the search raises. It goes to a file, never to memory: a small book
    // can expand to gigabytes of text.
    const auto removeOutput = qScopeGuard([&outputFile] { removeIfNamed(outputFile); });
    const bool done = convert(name, &source, &outputFile, &encoding, &request.canceled);

    QFile file;
    QIODevice *device = &source;
    if (done) {
        file.setFileName(outputFile);
        if (!file.open(QIODevice::ReadOnly)) {
            Logger::instance()->log(WARNING, kComponent, QStringLiteral("find - Failed to open %1").arg(file.fileName()));
            return false;
        }
        device = &file;
    }
    return searchStream(request, device, name, encoding, nullptr, count, /*bytesJudged=*/false);
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
        convert(fileName, &source, &outputFile, &encoding, &request.canceled);
        removeOutput.dismiss();
    }
    result->converted = !outputFile.isEmpty();
    result->filePath = result->converted ? outputFile : fileName;
    result->encoding = result->converted ? encoding : QString();
    if (!result->converted) {
        searchStream(request, &source, fileName, encoding, result, nullptr, /*bytesJudged=*/false);
        return;
    }
    QFile file(result->filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("findAll - Failed to open %1").arg(result->filePath));
        return;
    }
    searchStream(request, &file, fileName, encoding, result, nullptr, /*bytesJudged=*/false);
}

// Settles the codec of a file that no converter described, from the
// detector's answer on its first bytes, asked only when needed. False when
// the file is binary and binary files are skipped.
bool ContentSearcher::chooseEncoding(const std::function<QString()> &detect, QString *encoding) const
{
    if (!encoding->isEmpty() || !(m_settings.autoDetectEncoding || m_settings.skipBinary))
        return true;
    const QString detected = detect();
    if (detected == QLatin1String(EncodingDetector::kBinary)) {
        if (m_settings.skipBinary)
            return false;
    } else if (m_settings.autoDetectEncoding) {
        *encoding = detected;
    }
    return true;
}

void ContentSearcher::logSkippedBinary(const QString &fileName)
{
    Logger::instance()->log(INFO, kComponent, QStringLiteral("skip BINARY, file = ") + fileName);
}

// What the raw bytes of a plain text file settle: NoMatch when it is binary
// and skipped or none of the sets of terms that may occur in it makes the
// expression hold (a count is only left at zero when no term may occur at
// all); Matches, without a count, when a line of the first block matches
// on its own. Otherwise `encoding` is what the reader needs, and the file's
// position is anywhere.
ContentSearcher::BytesVerdict ContentSearcher::judgeBytes(const FileSearchRequest &request, int fd, qint64 size,
                                                          const char *path, QString *encoding, bool counting) const
{
    char *buffer = ContentPrefilter::threadBuffer();
    // Taken by reference alone, so that the read function needs no memory
    // of its own for each file.
    struct Source
    {
        int fd;
        qint64 size;
        qint64 total;
    } source{fd, size, 0};
    const ContentPrefilter::ReadFunction read = [&source](char *into, qint64 capacity) -> qint64 {
        // A file that gave all the bytes its size promised is at its end;
        // one that claims no size, as in /proc, is read until the end shows.
        if (source.size > 0 && source.total >= source.size)
            return 0;
        const qint64 got = RegularFile::read(source.fd, into, capacity);
        source.total += std::max<qint64>(got, 0);
        return got;
    };
    // A file larger than a block is first read for a page only: many large
    // files of a system's trees are binary, skipped on their first bytes,
    // and the rest of their block would be copied in for nothing.
    const qsizetype first = size > ContentPrefilter::kBlockSize ? kProbeSize : ContentPrefilter::kBlockSize;
    qsizetype held = ContentPrefilter::fill(buffer, 0, first, read);
    const auto detect = [buffer, held] {
        return EncodingDetector::detectSample(buffer, int(std::min<qsizetype>(held, EncodingDetector::kSampleSize)));
    };
    if (!chooseEncoding(detect, encoding)) {
        logSkippedBinary(QFile::decodeName(path));
        return NoMatch;
    }
    if (held == first && first < ContentPrefilter::kBlockSize)
        held = ContentPrefilter::fill(buffer, held, ContentPrefilter::kBlockSize, read);
    ThreadMatcher &cached = threadMatcher(request.text, request.textMatchOptions());
    ExpressionMatcher &matcher = *cached.matcher;
    const ContentPrefilter &prefilter = *cached.prefilter;
    if (!prefilter.useful()
        || !ContentPrefilter::readsAsAscii(*encoding, buffer, int(std::min<qsizetype>(held, 4))))
        return Undecided;
    // All of the file is held when it ended before the block did, short of a
    // read that failed.
    const bool whole = held < ContentPrefilter::kBlockSize && (size <= 0 || held >= size);
    // The answer Matches is final: a canceled request must not get it.
    throwIfCanceled(request, __LINE__);
    if (!counting && lineOfBlockMatches(&matcher, prefilter, buffer, held, whole, /*startsLine=*/true, *encoding))
        return Matches;
    // A term first seen further on is tried in its block's lines too: else
    // the reader decodes the whole file up to it. After a byte-order mark
    // the reader's codec is not `encoding`, and that is left to the reader.
    const bool marked = held >= 3 && std::memcmp(buffer, "\xEF\xBB\xBF", 3) == 0;
    // What the visitor needs, behind one reference: a larger capture would
    // cost an allocation per file.
    struct Later
    {
        const FileSearchRequest &request;
        ExpressionMatcher *matcher;
        const ContentPrefilter &prefilter;
        const Source &source;
        const QString &encoding;
        bool matched;
    } later{request, &matcher, prefilter, source, *encoding, false};
    const auto visit = [&later](const char *block, qsizetype blockHeld, qsizetype kept) {
        const qint64 size = later.source.size;
        const bool atEnd = blockHeld < kept + ContentPrefilter::kBlockSize && (size <= 0 || later.source.total >= size);
        throwIfCanceled(later.request, __LINE__);
        later.matched = lineOfBlockMatches(later.matcher, later.prefilter, block, blockHeld, atEnd,
                                           /*startsLine=*/false, later.encoding);
        return later.matched;
    };
    const ContentPrefilter::BlockVisitor visitor = counting || marked ? ContentPrefilter::BlockVisitor() : visit;
    const quint32 possible = prefilter.scan(buffer, held, read, &request.canceled, visitor);
    if (later.matched)
        return Matches;
    return cannotMatch(&matcher, possible, counting) ? NoMatch : Undecided;
}

// Whether a line of a block (`held` bytes of the text, up to its end when
// `whole`) that holds a term's run matches by itself. The slow reader then
// answers Match too: in line scope at that line, in file scope where every
// term is found. Only lines seen whole, in an encoding that decodes them
// without context, are tried: valid, without a byte-order mark, and none
// longer than the reader's window. A line begins after a line feed, or at
// the block's start when `startsLine` (the first block).
bool ContentSearcher::lineOfBlockMatches(ExpressionMatcher *matcher, const ContentPrefilter &prefilter,
                                         const char *buffer, qsizetype held, bool whole, bool startsLine,
                                         const QString &encoding)
{
    if (startsLine && held >= 3 && std::memcmp(buffer, "\xEF\xBB\xBF", 3) == 0)
        return false;
    QTextCodec *codec = encoding.isEmpty() ? nullptr : QTextCodec::codecForName(encoding.toLatin1());
    if (!codec)
        codec = QTextCodec::codecForLocale();
    // A few lines are enough to find the common match; a term that is seen
    // often but never matches (the wrong word boundaries) goes to the reader.
    constexpr int kMostLinesTried = 16;
    int tried = 0;
    const int terms = std::min(matcher->termCount(), 32);
    for (int term = 0; term < terms && tried < kMostLinesTried; ++term) {
        qsizetype at = prefilter.indexOf(term, buffer, held, 0);
        while (at >= 0 && tried++ < kMostLinesTried) {
            const void *before = memrchr(buffer, '\n', size_t(at));
            if (!before && !startsLine) {
                at = prefilter.indexOf(term, buffer, held, at + 1);
                continue;
            }
            const qsizetype start = before ? static_cast<const char *>(before) - buffer + 1 : 0;
            const void *after = std::memchr(buffer + at, '\n', size_t(held - at));
            if (!after && !whole)
                break;
            const qsizetype end = after ? static_cast<const char *>(after) - buffer : held;
            // As the reader: "\r\n" ends a line, as does a last "\r".
            const qsizetype length = end - start - (end > start && buffer[end - 1] == '\r' ? 1 : 0);
            QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
            const QString line = codec->toUnicode(buffer + start, int(length), &state);
            matcher->reset();
            if (state.invalidChars == 0 && state.remainingChars == 0
                && matcher->match(line) == ExpressionMatcher::Match) {
                matcher->reset();
                return true;
            }
            at = prefilter.indexOf(term, buffer, held, end + 1);
        }
    }
    matcher->reset();
    return false;
}

// Whether the terms that may occur, `possible`, rule the file out.
bool ContentSearcher::cannotMatch(ExpressionMatcher *matcher, quint32 possible, bool counting)
{
    if (counting && possible != 0)
        return false;
    return !matcher->canMatchWithin(possible);
}

// ruledOutOnBytes() for text read through `device`, converted documents
// among them.
bool ContentSearcher::ruledOut(const FileSearchRequest &request, QIODevice *device, const QString &encoding,
                               ExpressionMatcher *matcher, const ContentPrefilter &prefilter, bool counting) const
{
    if (!prefilter.useful() || !ContentPrefilter::readsAsAscii(encoding, device->peek(4)))
        return false;
    return cannotMatch(matcher, prefilter.scan(device, &request.canceled), counting);
}

bool ContentSearcher::searchStream(const FileSearchRequest &request, QIODevice *device, const QString &fileName,
                                   QString encoding, ContentMatches *result, int *count, bool bytesJudged) const
{
    if (!chooseEncoding([device] { return EncodingDetector::detect(device); }, &encoding)) {
        logSkippedBinary(fileName);
        return false;
    }
    ThreadMatcher &cached = threadMatcher(request.text, request.textMatchOptions());
    ExpressionMatcher &matcher = *cached.matcher;
    if (!result && !bytesJudged && ruledOut(request, device, encoding, &matcher, *cached.prefilter, count != nullptr))
        return false;
    // Lines as QTextStream's readLine() gives them, without a copy per line.
    TextLineReader reader(device, encoding);
    QStringView line;
    MatchPositions positions;
    int lineNumber = 0;
    bool held = false;
    while (reader.readLine(&line)) {
        throwIfCanceled(request, __LINE__);
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
