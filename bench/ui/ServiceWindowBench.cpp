// Times the window on the index service against the engine searching an
// index of its own, in one run: from Return in the instant toolbar to the
// final rows, for names with many results, beside the same window holding
// the index itself (as the root window does) and the engine alone; and the
// window's memory while it shows every indexed name. The service must run on TALVENQUIST_INDEX_SOCKET
// (window_on_service.sh starts one); the in-process index needs root.
// Usage: ServiceWindowBench NAME...
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
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
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
    QStringList names = app.arguments().mid(1);
    if (names.isEmpty())
        names << QStringLiteral("a");
    Settings::instance(DataPaths::settingsFilePath());
    registerMetaTypes();

    // The engine with its own index, loaded (or built) as the root window's.
    FileSearcher engine(QDir::tempPath(), FileSearcher::UseIndex);
    QSignalSpy loaded(&engine, &FileSearcher::initFinished);
    engine.init(Settings::instance()->indexingSettings(), Settings::instance()->contentSearchSettings());
    loaded.wait(3600000);

    MainWindow window({QStringLiteral("talvenquist")}, FileSearcher::UseIndexService);
    auto *label = window.findChild<QLabel *>(QStringLiteral("indexLabel"));
    if (!QTest::qWaitFor([&] { return label->text() == QLatin1String("Index: ready"); }, 600000)) {
        out << "the index service did not become ready: " << label->text() << "\n";
        return 1;
    }
    MainWindow inProcess({QStringLiteral("talvenquist")}, FileSearcher::UseIndex);
    auto *ownLabel = inProcess.findChild<QLabel *>(QStringLiteral("indexLabel"));
    if (!QTest::qWaitFor([&] { return ownLabel->text() == QLatin1String("Index: ready"); }, 600000)) {
        out << "the window's own index did not become ready: " << ownLabel->text() << "\n";
        return 1;
    }
    for (const QString &name : qAsConst(names)) {
        std::vector<qint64> windowTimes, ownTimes, engineTimes;
        int engineCount = 0;
        int rows = 0;
        int ownRows = 0;
        for (int run = 0; run < 7; ++run) {
            engineTimes.push_back(engineSearch(engine, name, &engineCount));
            windowTimes.push_back(windowSearch(window, name, &rows));
            ownTimes.push_back(windowSearch(inProcess, name, &ownRows));
        }
        out << "name \"" << name << "\" (medians of 7): window on the service " << median(windowTimes) << " ms for "
            << rows << " rows; window with its own index " << median(ownTimes) << " ms for " << ownRows
            << " rows; engine alone " << median(engineTimes) << " ms for " << engineCount << " results\n"
            << "    service window / own-index window = "
            << double(median(windowTimes)) / qMax<qint64>(1, median(ownTimes))
            << "; service window / engine alone = "
            << double(median(windowTimes)) / qMax<qint64>(1, median(engineTimes)) << "\n";
    }
    // Memory for the shown results, each window in turn from an empty table; the process holds both
    // windows throughout, so only what each adds counts.
    auto holdEveryName = [&](MainWindow &w, const char *which) {
        window.onNewSearch();
        inProcess.onNewSearch();
        const double before = residentMiB();
        int rows = 0;
        windowSearch(w, QString(), &rows);
        const double after = residentMiB();
        out << which << ": resident " << before << " MiB before, " << after << " MiB holding " << rows
            << " results (" << (after - before) * 1024 * 1024 / qMax(1, rows) << " bytes per result)\n";
    };
    holdEveryName(window, "window on the service");
    holdEveryName(inProcess, "window with its own index");
    holdEveryName(window, "window on the service, again");
    out.flush();
    return 0;
}
