#include "cli/ResultWriter.h"

#include "content/ContentMatches.h"
#include "query/FileSearchResults.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>

ResultWriter::ResultWriter(QIODevice *device, CommandLine::OutputFormat format)
    : m_device(device)
    , m_format(format)
{
}

void ResultWriter::writeResults(const FileSearchResults &results)
{
    QByteArray bytes;
    if (m_format == CommandLine::Csv && !m_headerWritten) {
        bytes += csvHeader().toLocal8Bit();
        m_headerWritten = true;
    }
    for (int row = 0; row < results.count(); ++row) {
        const QString path = results.fullPath(row);
        switch (m_format) {
        case CommandLine::Lines:
            bytes += QFile::encodeName(path) + '\n';
            break;
        case CommandLine::NulSeparated:
            bytes += QFile::encodeName(path) + '\0';
            break;
        case CommandLine::Csv:
            bytes += csvLine(path, results.isFolder(row)).toLocal8Bit();
            break;
        }
    }
    write(bytes);
}

void ResultWriter::writeEndOfAnswer()
{
    write(m_format == CommandLine::NulSeparated ? QByteArray(1, '\0') : QByteArray("\n"));
}

void ResultWriter::writeMatches(const ContentMatches &matches)
{
    QByteArray bytes;
    for (const MatchLine &line : matches.lines)
        bytes += QStringLiteral("%1\t%2\n").arg(line.lineNumber + 1).arg(line.text).toLocal8Bit();
    write(bytes);
}

void ResultWriter::write(const QByteArray &bytes)
{
    if (m_error)
        return;
    if (!m_device->isOpen()) {
        m_error = EBADF;
        return;
    }
    errno = 0;
    bool written = m_device->write(bytes) == bytes.size();
    if (auto *file = qobject_cast<QFile *>(m_device))
        written = file->flush() && written;
    if (!written)
        m_error = errno ? errno : EIO;
}

QString ResultWriter::csvHeader()
{
    return QStringLiteral("Name,Path,File Size,Created,Accessed,Modified\r\n");
}

QString ResultWriter::csvField(const QString &value)
{
    QString field = value;
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    if (value.contains(QLatin1Char('"')) || value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('\n')))
        field = QLatin1Char('"') + field + QLatin1Char('"');
    return field;
}

QString ResultWriter::dateTimeText(const QDateTime &time)
{
    return time.isValid() ? QLocale::system().toString(time, QLocale::ShortFormat) : QString();
}

// Sizes are whole KiB, the remainder dropped; a folder counts as 0. Times
// are read now, as the window's export does.
QString ResultWriter::csvLine(const QString &path, bool isFolder)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    // An entry directly in "/" keeps "/" as its folder rather than nothing.
    const QString parent = slash <= 0 ? QStringLiteral("/") : path.left(slash);
    const QFileInfo info(path);
    const qint64 kib = isFolder || !info.exists() ? 0 : info.size() / 1024;
    const QDateTime born = info.birthTime();
    const QDateTime created = born.isValid() ? born : info.metadataChangeTime();
    return csvField(name) + QLatin1Char(',') + csvField(parent) + QLatin1Char(',') + csvField(QString::number(kib))
        + QStringLiteral(" KB,") + csvField(dateTimeText(created)) + QLatin1Char(',')
        + csvField(dateTimeText(info.lastRead())) + QLatin1Char(',') + csvField(dateTimeText(info.lastModified()))
        + QStringLiteral("\r\n");
}
