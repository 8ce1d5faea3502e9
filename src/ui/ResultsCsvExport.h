#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class QFileInfo;
class QLocale;
class QTextStream;
class QThread;

// Writes a tab's results as comma-separated text. Sizes and times are read
// from the file system at export time, one stat per row, so the writing runs
// on a thread of its own; the caller hands over the full paths (a snapshot
// taken on the GUI thread) and hears `finished` when the file is complete.
class ResultsCsvExport : public QObject
{
    Q_OBJECT
public:
    explicit ResultsCsvExport(QObject *parent = nullptr);
    // Stops a running export and waits for its thread.
    ~ResultsCsvExport() override;

    // Starts writing `fullPaths`, in order, to `fileName` (truncated).
    // An export still running is stopped first.
    void start(const QStringList &fullPaths, const QString &fileName);
    bool isRunning() const;

    // The whole text, header first. Stops early (returning false) when
    // `stop` is set. Times are written in `locale`'s short format.
    static bool write(const QStringList &fullPaths, QTextStream &out, const QLocale &locale,
                      const std::atomic<bool> &stop, const std::function<void(int rows)> &wrote = nullptr);
    static QString row(const QString &fullPath, const QFileInfo &info, const QLocale &locale);
    // A double quote is doubled; a value holding a comma or a line feed is
    // enclosed in double quotes.
    static QString escapeField(const QString &value);

    // Rows between two progress reports.
    static const int kProgressRows = 2000;

signals:
    // On the GUI thread, every kProgressRows rows: `rows` of `total` written.
    void progress(int rows, int total);
    // On the GUI thread; `written` false when the file could not be written,
    // with the system's reason in `error` (empty when stopped).
    void finished(bool written, const QString &fileName, const QString &error);

private:
    void stop();

    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_stop{false};
};
