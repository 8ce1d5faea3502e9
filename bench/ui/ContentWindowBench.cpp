// The window's content search against tvq's, in one run: from a click on the
// search panel's Find button to the tab's final rows in their order, beside
// the whole tvq process for the same request. Neither uses an index: both
// walk the folders. The two alternate, so a change of load on a shared
// machine hits both alike; the medians, their ratio and both answer counts
// are printed.
//
//   ContentWindowBench [--runs N] TVQ WORD FOLDER...
//
// Run through content_window_vs_tvq.sh, which gives both programs settings
// and logs of their own, on the offscreen platform.
#include "base/DataPaths.h"
#include "base/MetaTypes.h"
#include "base/Settings.h"
#include "ui/FileTable.h"
#include "ui/FileTableModel.h"
#include "ui/MainWindow.h"
#include "ui/SearchWindow.h"
#include "ui/TabPage.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

QTextStream out(stdout);

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds of one whole tvq process; `lines` gets its answer count.
double timeTvq(const QString &program, const QStringList &arguments, int *lines)
{
    QProcess tvq;
    tvq.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    tvq.start(program, arguments, QIODevice::ReadOnly);
    if (!tvq.waitForFinished(-1) || tvq.exitStatus() != QProcess::NormalExit) {
        *lines = -1;
        return 0;
    }
    const double elapsed = clock.nsecsElapsed() / 1e6;
    *lines = tvq.readAllStandardOutput().count('\n');
    return elapsed;
}

// Milliseconds from the click on Find to the tab's final rows in their order.
double timeWindow(MainWindow &window, QPushButton *find, int *rows)
{
    TabPage *tab = window.currentTab();
    QSignalSpy status(tab, &TabPage::statusTextChanged);
    QElapsedTimer clock;
    clock.start();
    find->click();
    // The tab leaves Finished at once; its status is set last, after the final rows.
    while (tab->state() != TabPage::Finished && status.wait(600000)) {
    }
    QSignalSpy sorted(tab->table()->model(), &QAbstractItemModel::modelReset);
    while (tab->table()->isSorting() && sorted.wait(600000)) {
    }
    const double elapsed = clock.nsecsElapsed() / 1e6;
    *rows = tab->table()->model()->rowCount();
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    int runs = 7;
    if (arguments.value(0) == QLatin1String("--runs")) {
        runs = std::max(1, arguments.value(1).toInt());
        arguments = arguments.mid(2);
    }
    if (arguments.size() < 3) {
        out << "usage: ContentWindowBench [--runs N] TVQ WORD FOLDER...\n";
        return 2;
    }
    const QString tvq = arguments.takeFirst();
    const QString word = arguments.takeFirst();
    const QString folders = arguments.join(QLatin1Char(';'));
    Settings::instance(DataPaths::settingsFilePath());
    registerMetaTypes();

    MainWindow window({QStringLiteral("talvenquist")}, /*searcherFlags=*/0);
    window.show();
    SearchWindow *panel = window.searchPanel();
    panel->loadParameters({{QStringLiteral("directoryCheckBox"), QStringLiteral("1")},
                           {QStringLiteral("directoryComboBox"), folders},
                           {QStringLiteral("contentsCheckBox"), QStringLiteral("1")},
                           {QStringLiteral("contentsComboBox"), word}});
    auto *find = panel->findChild<QPushButton *>(QStringLiteral("findButton"));
    if (!find) {
        out << "no Find button in the search panel\n";
        return 1;
    }
    const QStringList tvqArguments{QStringLiteral("--no-service"), QStringLiteral("--no-index"), QStringLiteral("--in"),
                                   folders, QStringLiteral("--contents"), word};

    int lines = 0;
    int rows = 0;
    // Warm the page cache and both programs' first-search work.
    timeTvq(tvq, tvqArguments, &lines);
    timeWindow(window, find, &rows);
    std::vector<double> tvqTimes, windowTimes;
    for (int run = 0; run < runs; ++run) {
        tvqTimes.push_back(timeTvq(tvq, tvqArguments, &lines));
        windowTimes.push_back(timeWindow(window, find, &rows));
    }
    const double tvqMedian = median(tvqTimes);
    const double windowMedian = median(windowTimes);
    out << "\"" << word << "\" in " << folders << ": medians of " << runs << " runs\n"
        << "  tvq process          " << qSetRealNumberPrecision(4) << tvqMedian << " ms, " << lines << " files\n"
        << "  window, Find to rows " << windowMedian << " ms, " << rows << " rows\n"
        << "  window / tvq: " << qSetRealNumberPrecision(3) << windowMedian / tvqMedian
        << (lines == rows ? "" : "  (ANSWERS DIFFER)") << "\n";
    return lines == rows ? 0 : 1;
}
