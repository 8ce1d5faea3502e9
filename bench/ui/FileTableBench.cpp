// The results table with a million results: what showing them costs next to
// the engine search that found them. A synthetic index of 1,000 folders of
// 1,000 files is searched for "file"; the table then resets its model, reads
// single cells and paints one screenful (40 rows), offscreen. The folder
// whose cells are read exists on disk, so sizes and times are real.
//
// Ratios printed at the end, from figures of the same run:
//   reset / search            (goal: below 0.1)
//   median cell, each column  (goal: below 2 us)
//   paint 1,000,000 / 1,000   (goal: at most 1.2; each below 16 ms)

#include "QuietJournalReader.h"

#include "base/IndexingSettings.h"
#include "index/NTFSDriveDB.h"
#include "platform/linux/JournalState.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "strings/StringPool.h"
#include "ui/FileTable.h"
#include "ui/FileTableColumns.h"
#include "ui/FileTableModel.h"
#include "ui/FileTableView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

namespace {

const int kFolders = 1000;
const int kFilesPerFolder = 1000;
const int kScreenRows = 40;

// The index, its real first folder, and one search's results.
struct Index
{
    QTemporaryDir dir;
    IndexingSettings settings;
    std::shared_ptr<StringPool> pool = std::make_shared<StringPool>();
    std::unique_ptr<NTFSDriveDB> db;
    FileSearchRequest request;      // what the engine is asked: every name holding "file"
    FileSearchRequest tableRequest; // the same as a tab holds it, with the one folder searched
    FileSearchResults results;

    Index()
    {
        settings.dbPath = dir.path();
        JournalState journal;
        journal.nextUsn = currentUsn();
        db = std::make_unique<NTFSDriveDB>(QChar('Q'), pool, settings, std::make_unique<QuietJournalReader>(),
                                           journal);
        // The root and the temporary folder's components, so that the first
        // folder's paths are real.
        FRN frn = 2;
        db->addFile(frn, 0, QStringLiteral("/"), true);
        FRN parent = frn;
        for (const QString &part : dir.path().split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            db->addFile(++frn, parent, part, true);
            parent = frn;
        }
        const FRN top = parent;
        for (int folder = 0; folder < kFolders; ++folder) {
            const QString folderName = QStringLiteral("d%1").arg(folder, 4, 10, QLatin1Char('0'));
            const FRN folderFrn = ++frn;
            db->addFile(folderFrn, top, folderName, true);
            if (folder == 0)
                QDir(dir.path()).mkdir(folderName);
            for (int file = 0; file < kFilesPerFolder; ++file) {
                const QString name = QStringLiteral("file_%1.txt").arg(file, 5, 10, QLatin1Char('0'));
                db->addFile(++frn, folderFrn, name, false);
                if (folder == 0 && file < kScreenRows * 2) {
                    QFile real(dir.path() + QLatin1Char('/') + folderName + QLatin1Char('/') + name);
                    if (real.open(QIODevice::WriteOnly))
                        real.write(QByteArray(file * 1000, 'x'));
                }
            }
        }
        // The index resolves folders on real volumes; the table only shows
        // paths relative to the folder, so only its request names it.
        request.name = QStringLiteral("file");
        tableRequest = request;
        tableRequest.includePaths = QStringList{dir.path()};
        db->search(request, results);
    }
};

Index &index()
{
    static Index instance;
    return instance;
}

// The first row whose file exists on disk.
int firstRealRow(FileTable &table)
{
    const QString real = index().dir.path() + QStringLiteral("/d0000/");
    for (int row = 0; row < table.model()->rowCount(); ++row) {
        if (table.fullPath(row).startsWith(real))
            return row;
    }
    return 0;
}

// Asks for every cell of the rows from `first` and lets the worker answer:
// the timed loops then read sizes and times from the cache.
void warmUp(FileTable &table, int first, int rows)
{
    for (int row = first; row < first + rows; ++row) {
        for (int column = 0; column < table.model()->columnCount(); ++column) {
            table.model()->index(row, column).data();
            table.model()->index(row, column).data(Qt::DecorationRole);
        }
    }
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void BM_EngineSearch(benchmark::State &state)
{
    Index &idx = index();
    for (auto _ : state) {
        FileSearchResults results;
        idx.db->search(idx.request, results);
        benchmark::DoNotOptimize(results.count());
    }
    state.counters["rows"] = idx.results.count();
}

void BM_ModelReset(benchmark::State &state)
{
    Index &idx = index();
    FileTable table;
    table.setResults(&idx.tableRequest, &idx.results, {});
    table.widget()->resize(900, 700);
    table.widget()->show();
    // What a new search costs the view: the rows are reset once.
    for (auto _ : state) {
        table.setResults(&idx.tableRequest, &idx.results, {});
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = table.model()->rowCount();
}

void BM_CellData(benchmark::State &state)
{
    Index &idx = index();
    FileTable table;
    const int column = int(state.range(0)); // a column type: the model has one column per type
    table.setResults(&idx.tableRequest, &idx.results, {});
    const int first = firstRealRow(table);
    warmUp(table, first, kScreenRows);
    int row = first;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.model()->index(row, column).data(Qt::DisplayRole));
        row = row + 1 < first + kScreenRows ? row + 1 : first;
    }
}

void BM_Paint(benchmark::State &state)
{
    Index &idx = index();
    // A smaller result set holding the first rows of the large one.
    static FileSearchResults small;
    if (small.count() == 0) {
        for (int row = 0; row < 1000; ++row) {
            const FileSearchResults::FileItem item = idx.results.item(row);
            if (idx.results.isFolder(row))
                small.addFolder(QString::fromUtf8(item.name), QString::fromUtf8(item.path));
            else
                small.addFile(QString::fromUtf8(item.name), QString::fromUtf8(item.path), 0);
        }
    }
    FileSearchResults &results = state.range(0) == 1000 ? small : idx.results;
    FileTable table;
    table.setResults(&idx.tableRequest, &results, {});
    FileTableView *view = table.view();
    const int height = view->horizontalHeader()->height() + kScreenRows * view->verticalHeader()->defaultSectionSize();
    table.widget()->resize(1000, height + 40);
    table.widget()->show();
    QImage image(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    view->viewport()->render(&image);
    warmUp(table, 0, kScreenRows);
    for (auto _ : state)
        view->viewport()->render(&image);
    state.counters["rows"] = table.model()->rowCount();
}

BENCHMARK(BM_EngineSearch)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ModelReset)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CellData)->DenseRange(NameColumn, MatchesColumn)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Paint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Keeps each benchmark's time (seconds per iteration; the median where
// repeated) and prints the ratios the table is held to, in wall-clock time
// and in CPU time (the machine may be shared: its other load inflates the
// wall-clock figures, not the CPU ones).
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            const double multiplier = benchmark::GetTimeUnitMultiplier(run.time_unit);
            m_seconds[run.benchmark_name()] = run.GetAdjustedRealTime() / multiplier;
            m_cpuSeconds[run.benchmark_name()] = run.GetAdjustedCPUTime() / multiplier;
        }
    }

    void printRatios() const
    {
        printRatios("wall-clock", m_seconds);
        printRatios("CPU", m_cpuSeconds);
    }

    static void printRatios(const char *clock, const std::map<std::string, double> &seconds)
    {
        auto get = [&seconds](const std::string &name) {
            const auto it = seconds.find(name);
            return it == seconds.end() ? 0.0 : it->second;
        };
        std::printf("\n%s time\nreset / search: %.4f (goal < 0.1)\n", clock,
                    get("BM_ModelReset") / get("BM_EngineSearch/iterations:5"));
        for (int column = NameColumn; column <= MatchesColumn; ++column) {
            const std::string name = "BM_CellData/" + std::to_string(column) + "/repeats:5_median";
            std::printf("cell %-14s median %.3f us (goal < 2 us)\n",
                        FileTableColumns::caption(column).toUtf8().constData(), get(name) * 1e6);
        }
        const double small = get("BM_Paint/1000/repeats:5_median");
        const double large = get("BM_Paint/1000000/repeats:5_median");
        std::printf("paint 40 rows: 1,000 rows %.2f ms, 1,000,000 rows %.2f ms (goal < 16 ms), ratio %.3f (goal <= 1.2)\n",
                    small * 1e3, large * 1e3, large / small);
    }

private:
    std::map<std::string, double> m_seconds;
    std::map<std::string, double> m_cpuSeconds;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    return 0;
}
