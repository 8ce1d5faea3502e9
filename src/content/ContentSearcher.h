#pragma once

#include "base/ContentSearchSettings.h"
#include "content/ContentMatches.h"
#include "content/ToPlainTextConverter.h"

#include <QByteArray>
#include <QMap>
#include <QVector>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>

class ContentPrefilter;
class EPUBConverter;
class ExpressionMatcher;
class FileSearchRequest;
class HtmlConverter;
class MobiConverter;
class PDFConverter;
class QIODevice;

// Answers whether the text of one file satisfies the content expression of a
// request, and lists the matching lines for the preview. Documents go through
// the converters registered for their extension; other files are read as
// text, with the encoding guessed where they do not declare one and binary
// files skipped when the settings say so.
//
// find() and findAll() run on many pool threads at once: they keep their
// state in locals and only read the converter table, which setSettings()
// rebuilds while no search runs.
class QFile;

class ContentSearcher
{
public:
    // 'tempFolder' receives converted documents; the caller creates it. The
    // IFilter converters are optional: without them the installed filter
    // lists of the settings add nothing to the table.
    explicit ContentSearcher(const QString &tempFolder,
                             std::unique_ptr<ToPlainTextConverter> ifilterConverter = nullptr,
                             std::unique_ptr<ToPlainTextConverter> ifilter64Converter = nullptr);
    ~ContentSearcher();
    ContentSearcher(const ContentSearcher &) = delete;
    ContentSearcher &operator=(const ContentSearcher &) = delete;

    // Replaces the settings and rebuilds the converter table.
    void setSettings(const ContentSearchSettings &settings);
    const ContentSearchSettings &settings() const { return m_settings; }

    // True when the content expression of 'request' holds for the file.
    // 'count', when given, receives the number of occurrences in the whole
    // file. Raises FileSearchCancelException once the request is canceled.
    bool find(const FileSearchRequest &request, const QString &fileName, int *count = nullptr) const;
    // find() of a path given as the file system's bytes (NUL-terminated), as
    // walks and the index keep it: a plain text file is judged without its
    // path becoming text, which costs more than the check of most files.
    bool findNative(const FileSearchRequest &request, const char *path, int *count = nullptr) const;
    // Fills 'result' with every matching line of the file.
    void findAll(const FileSearchRequest &request, const QString &fileName, ContentMatches *result) const;

    // The converters tried, in order, for files with 'extension'.
    QVector<ToPlainTextConverter *> converters(const QString &extension) const;
    // Whether find() hands a file named `name` (the file system's bytes, no
    // folder) to a converter rather than reading it as text.
    bool convertsName(const char *name) const;

    // The encoding guessed from the file's first bytes (see EncodingDetector);
    // empty when the file cannot be opened.
    static QString detectFileEncoding(const QString &path);
    // The text after the last "." of the last path component, case kept;
    // empty for a path without any separator.
    static QString extension(const QString &path);
    // This user's folder for converted documents, made (mode 0700) if
    // need be: "Talvenquist-<user id>" in the platform's temporary location,
    // or a unique one beside it when that name is taken. Empty when neither
    // could be made.
    static QString temporaryFolder();

private:
    using CancelFlag = ToPlainTextConverter::CancelFlag;

    // A converter's answer: the encoding of its text, which went into
    // '*outputFile'. False when no converter took the file.
    bool convert(const QString &fileName, QFile *source, QString *outputFile, QString *encoding,
                 const CancelFlag *cancel) const;
    // `bytesJudged`: judgeBytes() has already looked at the file.
    bool searchStream(const FileSearchRequest &request, QIODevice *device, const QString &fileName,
                      QString encoding, ContentMatches *result, int *count, bool bytesJudged) const;
    enum BytesVerdict { NoMatch, Matches, Undecided };
    BytesVerdict judgeBytes(const FileSearchRequest &request, int fd, qint64 size, const char *path,
                            QString *encoding, bool counting) const;
    bool findIn(const FileSearchRequest &request, const char *path, const QString *fileName, int *count) const;
    static bool lineOfBlockMatches(ExpressionMatcher *matcher, const ContentPrefilter &prefilter, const char *buffer,
                                   qsizetype held, bool whole, bool startsLine, const QString &encoding);
    static bool cannotMatch(ExpressionMatcher *matcher, quint32 possible, bool counting);
    bool ruledOut(const FileSearchRequest &request, QIODevice *device, const QString &encoding,
                  ExpressionMatcher *matcher, const ContentPrefilter &prefilter, bool counting) const;
    bool chooseEncoding(const std::function<QString()> &detect, QString *encoding) const;
    static void logSkippedBinary(const QString &fileName);
    void addFilterConverters(const QList<IFilterInfo> &filters, const QStringList &disabledExtensions,
                             ToPlainTextConverter *converter);

    QMap<QString, QVector<ToPlainTextConverter *>> m_converters;
    // The table's extensions as file names spell them; looked up without
    // a copy of the name's.
    std::set<std::string, std::less<>> m_convertedExtensions;
    std::unique_ptr<PDFConverter> m_pdf;
    std::unique_ptr<ToPlainTextConverter> m_ifilter;
    std::unique_ptr<ToPlainTextConverter> m_ifilter64;
    std::unique_ptr<HtmlConverter> m_html;
    std::unique_ptr<EPUBConverter> m_epub;
    std::unique_ptr<MobiConverter> m_mobi;
    ContentSearchSettings m_settings;
};
