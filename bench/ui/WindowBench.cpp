// Times the window program against the search engine it drives, in one run:
//  (a) the window is up before the index of the volumes has loaded, and a
//      search asked for meanwhile runs once it has;
//  (b) from Return in the instant toolbar to the final rows in the table,
//      against the engine's own time for the same request;
//  (c) resident memory of the window holding a search's results, per result.
// Needs root (the index). Usage: WindowBench [NAME] (default "a").
#include "base/DataPaths.h"
#include "base/MetaTypes.h"
#include "base/Settings.h"
#include "WindowBenchSupport.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "ui/FileTable.h"
#include "ui/FileTableModel.h"
#include "ui/InstantToolBar.h"
#include "ui/MainWindow.h"
#include "ui/RichComboBox.h"
#include "ui/TabPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <malloc.h>
#include <unistd.h>

static QTextStream out(stdout);

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString name = app.arguments().value(1, QStringLiteral("a"));
    Settings::instance(DataPaths::settingsFilePath());
    registerMetaTypes();

    QElapsedTimer clock;
    clock.start();
    MainWindow window({QStringLiteral("talvenquist"), QStringLiteral("-path"), QStringLiteral("/")}, true);
    const qint64 shown = clock.elapsed();
    qint64 ready = -1;
    QObject::connect(window.searcher().get(), &FileSearcher::initFinished, [&] { ready = clock.elapsed(); });
    int rows = 0;
    windowSearch(window, name, &rows);
    const qint64 found = clock.elapsed();
    out << "(a) window shown after " << shown << " ms; index ready after " << ready << " ms; the search asked for at "
        << shown << " ms finished at " << found << " ms with " << rows << " rows\n"
        << "    shown/ready = " << double(shown) / qMax<qint64>(1, ready)
        << (shown < ready && found >= ready ? "  (window first, search after the index)" : "  (NOT as required)")
        << "\n";

    std::vector<qint64> windowTimes, engineTimes;
    int engineCount = 0;
    for (int run = 0; run < 5; ++run) {
        engineTimes.push_back(engineSearch(*window.searcher(), name, &engineCount));
        windowTimes.push_back(windowSearch(window, name, &rows));
    }
    out << "(b) name \"" << name << "\": engine " << median(engineTimes) << " ms for " << engineCount
        << " results, window " << median(windowTimes) << " ms for " << rows << " rows (median of 5)\n"
        << "    window/engine = " << double(median(windowTimes)) / qMax<qint64>(1, median(engineTimes)) << "\n";

    // The engine's own result set for every indexed name, then the window
    // holding the same in a new tab.
    double before = residentMiB();
    {
        auto request = std::make_shared<FileSearchRequest>();
        auto results = std::make_shared<FileSearchResults>();
        QSignalSpy finished(window.searcher().get(), &FileSearcher::findFinished);
        window.searcher()->find(request, results);
        finished.wait(600000);
        const double held = residentMiB();
        out << "(c) engine result set: " << (held - before) * 1024 * 1024 / qMax(1, results->count())
            << " bytes per result (" << results->count() << " results)\n";
    }
    window.onNewSearch();
    before = residentMiB();
    windowSearch(window, QString(), &rows);
    const double after = residentMiB();
    out << "    window: resident " << before << " MiB before, " << after << " MiB holding " << rows
        << " results: " << (after - before) * 1024 * 1024 / qMax(1, rows) << " bytes per result\n";
    out.flush();
    return 0;
}
