#pragma once

#include "cli/CommandLine.h"

#include <QByteArray>
#include <QString>

class FileSearchResults;
class QFileInfo;
class QIODevice;
struct ContentMatches;

// Writes what tvq found to a device (standard output): one full path per
// line, NUL-terminated paths, or CSV in the format of the window's export,
// and the matching lines of one file. Every answer is flushed at once, so a
// reader of a pipe sees it without waiting for more.
class ResultWriter
{
public:
    ResultWriter(QIODevice *device, CommandLine::OutputFormat format);

    // Every visible row, in result order (folders first, then files).
    void writeResults(const FileSearchResults &results);
    // Ends one answer of an interactive session: an empty line, or an empty
    // NUL-terminated record.
    void writeEndOfAnswer();
    // "number<TAB>line" per matching line, the number counted from 1.
    void writeMatches(const ContentMatches &matches);

    // Once a write failed, nothing more is written and the run should end:
    // error() is the errno of that write (EBADF when the device is not open).
    bool failed() const { return m_error != 0; }
    int error() const { return m_error; }

    // The CSV field: quotes doubled, the whole in quotes when the value held
    // a quote, a comma or a line feed.
    static QString csvField(const QString &value);
    // One CSV line, "\r\n" included, for the file or folder at `path`.
    static QString csvLine(const QString &path, bool isFolder);
    static QString csvHeader();

private:
    void write(const QByteArray &bytes);
    static QString dateTimeText(const QDateTime &time);

    QIODevice *m_device;
    CommandLine::OutputFormat m_format;
    bool m_headerWritten = false;
    int m_error = 0;
};
