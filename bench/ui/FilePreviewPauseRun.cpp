// The longest pause of the event loop while the file page shows a large file,
// beside its peer: reading the same bytes and setting them on a text view on
// the GUI thread. Two files are written to a temporary folder: 16 MiB of
// 100-byte lines (a long log) and 16 MiB on one line (minified data).
// Prints one line per file with both pauses and their ratio.
//
//   QT_QPA_PLATFORM=offscreen FilePreviewPauseRun
#include "ui/FilePreviewPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kSettleMs = 300; // paints after the text arrives count too

// Runs the event loop from 'start' until 'done' is called plus the settling
// time, and answers the longest gap between two ticks of a 5 ms timer.
qint64 worstPause(const std::function<void(const std::function<void()> &done)> &start)
{
    QEventLoop loop;
    QElapsedTimer gap;
    qint64 worst = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] { worst = std::max(worst, gap.restart()); });
    gap.start();
    ticker.start();
    QTimer::singleShot(0, [&] { start([&] { QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit); }); });
    loop.exec();
    return std::max(worst, gap.elapsed());
}

qint64 pageRun(const QString &path)
{
    FilePreviewPage page;
    page.resize(800, 600);
    page.show();
    return worstPause([&](const std::function<void()> &done) {
        QObject::connect(&page, &FilePreviewPage::fileShown, done);
        page.showFile(ContentMatches{path, false, 0, {}});
    });
}

qint64 peerRun(const QString &path)
{
    QPlainTextEdit edit;
    edit.resize(800, 600);
    edit.show();
    return worstPause([&](const std::function<void()> &done) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        edit.setPlainText(QString::fromUtf8(file.read(FileTextReader::kByteLimit)));
        done();
    });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QByteArray lines = (QByteArray(99, 'x') + '\n').repeated(int(FileTextReader::kByteLimit / 100));
    const QByteArray oneLine = QByteArray("word ").repeated(int(FileTextReader::kByteLimit / 5));
    for (const auto &[name, bytes] : {std::make_pair("lines.log", lines), std::make_pair("oneline.log", oneLine)}) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
        file.close();
        const qint64 page = pageRun(path);
        const qint64 peer = peerRun(path);
        std::printf("%-12s page %6lld ms   GUI-thread peer %6lld ms   peer/page %.1f\n", name, page, peer,
                    double(peer) / std::max<qint64>(page, 1));
    }
    return 0;
}
