#pragma once

#include <QString>

#include <atomic>
#include <memory>

class QIODevice;
class QTemporaryFile;

// The base of every document converter: turns one document into plain text
// that the content searcher reads line by line.
//
// One object of each converter is shared by all content workers, so convert()
// keeps its state in locals and may run on several threads at once.
class ToPlainTextConverter
{
public:
    // The request's cancel flag, written by the UI thread while workers poll it.
    using CancelFlag = std::atomic<bool>; // the type of FileSearchRequest::canceled

    virtual ~ToPlainTextConverter();

    // Reads 'input' when given, else the file at 'path'. Writes the text to
    // 'output' when given; otherwise creates a file that outlives the call and
    // stores its path in '*outputFile' (the caller removes it). An empty
    // 'inputEncoding' lets the converter find the encoding in the document.
    // Raises FileSearchCancelException("Convert canceled") when '*cancel' is
    // set, unless the converter documents otherwise. True when text was made.
    virtual bool convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *output,
                         const QString &inputEncoding, const CancelFlag *cancel) = 0;

    // The Qt codec name of what convert() produces; empty: the reader
    // detects it.
    virtual QString encoding() const = 0;

    // Converted text beyond this many bytes of output is dropped, with a log
    // entry: a small book can expand without end (a chapter named a hundred
    // times, records that repeat themselves). Process-wide; tests lower it.
    static constexpr qint64 kDefaultMaxOutputBytes = qint64(256) << 20;
    static qint64 maxOutputBytes();
    static void setMaxOutputBytes(qint64 bytes);

    // Set once, before the first convert(), by the content searcher.
    void setTempFolder(const QString &folder) { m_tempFolder = folder; }
    QString tempFolder() const { return m_tempFolder; }

protected:
    static bool isCanceled(const CancelFlag *cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

    // Throws FileSearchCancelException("Convert canceled") from 'source' when
    // '*cancel' is set.
    static void checkCanceled(const CancelFlag *cancel, const char *source, int line);

    // True once `output` holds maxOutputBytes(); logs that the text was cut.
    static bool outputFull(const QIODevice *output, const char *logComponent);

    // Creates a kept temporary file from 'fileTemplate' that starts with the
    // UTF-16LE byte-order mark, ready for appending text, and names it in
    // '*outputFile'. Null (after a WARNING under 'logComponent') when it
    // cannot be created.
    static std::unique_ptr<QTemporaryFile> createUtf16OutputFile(const QString &fileTemplate,
                                                                 const char *logComponent, QString *outputFile);

private:
    QString m_tempFolder;
};
