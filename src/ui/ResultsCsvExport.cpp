#include "ui/ResultsCsvExport.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>
#include <QThread>

static const char kLineEnd[] = "\r\n";

ResultsCsvExport::ResultsCsvExport(QObject *parent)
    : QObject(parent)
{
}

ResultsCsvExport::~ResultsCsvExport()
{
    stop();
}

bool ResultsCsvExport::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void ResultsCsvExport::stop()
{
    if (!m_thread)
        return;
    m_stop = true;
    m_thread->wait();
    m_thread.reset();
}

void ResultsCsvExport::start(const QStringList &fullPaths, const QString &fileName)
{
    stop();
    m_stop = false;
    const QLocale locale;
    m_thread.reset(QThread::create([this, fullPaths, fileName, locale] {
        QFile file(fileName);
        bool written = false;
        QString error;
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            QTextStream out(&file);
            const int total = fullPaths.size();
            written = write(fullPaths, out, locale, m_stop, [this, total](int rows) {
                QMetaObject::invokeMethod(this, [this, rows, total] { emit progress(rows, total); },
                                          Qt::QueuedConnection);
            });
            out.flush();
            const bool stopped = !written;
            written = written && out.status() == QTextStream::Ok && file.flush();
            if (!written && !stopped)
                error = file.errorString();
        } else {
            error = file.errorString();
        }
        // Queued: the receiver runs on the GUI thread, after this thread ends.
        QMetaObject::invokeMethod(
            this, [this, written, fileName, error] { emit finished(written, fileName, error); },
            Qt::QueuedConnection);
    }));
    m_thread->start();
}

bool ResultsCsvExport::write(const QStringList &fullPaths, QTextStream &out, const QLocale &locale,
                             const std::atomic<bool> &stop, const std::function<void(int rows)> &wrote)
{
    out << "Name,Path,File Size,Created,Accessed,Modified" << kLineEnd;
    int rows = 0;
    for (const QString &path : fullPaths) {
        if (stop)
            return false;
        out << row(path, QFileInfo(path), locale);
        if (++rows % kProgressRows == 0 && wrote)
            wrote(rows);
    }
    return true;
}

static QString shortTime(const QDateTime &time, const QLocale &locale)
{
    return time.isValid() ? locale.toString(time, QLocale::ShortFormat) : QString();
}

QString ResultsCsvExport::row(const QString &fullPath, const QFileInfo &info, const QLocale &locale)
{
    const int slash = fullPath.lastIndexOf(QLatin1Char('/'));
    const QString name = fullPath.mid(slash + 1);
    const QString folder = slash < 0 ? QString() : fullPath.left(slash);
    // Whole kilobytes, the remainder dropped; a folder has no size of its own.
    const qint64 kilobytes = info.exists() && !info.isDir() ? info.size() / 1024 : 0;
    const QStringList fields = {
        escapeField(name),
        escapeField(folder),
        escapeField(QString::number(kilobytes)) + QStringLiteral(" KB"),
        escapeField(shortTime(info.birthTime(), locale)),
        escapeField(shortTime(info.lastRead(), locale)),
        escapeField(shortTime(info.lastModified(), locale)),
    };
    return fields.join(QLatin1Char(',')) + QLatin1String(kLineEnd);
}

QString ResultsCsvExport::escapeField(const QString &value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    if (value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('\n')))
        return QLatin1Char('"') + escaped + QLatin1Char('"');
    return escaped;
}
