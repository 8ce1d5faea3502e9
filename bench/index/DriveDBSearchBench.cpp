// The in-memory name search of one volume's database, per record, beside
// libc's strcasestr() over the same names in the same order (the peer).
//
// The database of TVQ_BENCH_ROOT (default "/") is built once, as the index
// builds it; needs root. The peer reads the names from one result set of an
// empty expression, packed one after another, so it has the better memory
// layout of the two: the index's names sit where the interning put them.
//
// usage: DriveDBSearchBench [--benchmark_repetitions=N ...]

#include "base/IndexingSettings.h"
#include "base/Logger.h"
#include "index/NTFSDriveDB.h"
#include "platform/linux/NTFSUtils.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "strings/StringPool.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Volume
{
    QTemporaryDir scratch;
    std::unique_ptr<QSettings> keys;
    std::unique_ptr<NTFSDriveDB> db;
    int records = 0;
};

Volume &volume()
{
    static Volume *v = [] {
        auto *madePtr = new Volume; // lives to the process's end
        Volume &made = *madePtr;
        Logger::instance(made.scratch.path() + QStringLiteral("/Talvenquist.log"));
        made.keys = std::make_unique<QSettings>(made.scratch.path() + QStringLiteral("/Settings.ini"),
                                                QSettings::IniFormat);
        setVolumeSettings(made.keys.get());
        const QString root = qEnvironmentVariable("TVQ_BENCH_ROOT", QStringLiteral("/"));
        IndexingSettings settings;
        settings.dbPath = made.scratch.path();
        made.db = std::make_unique<NTFSDriveDB>(volumeOfPath(root).key, std::make_shared<StringPool>(), settings);
        made.db->create(nullptr);
        made.records = made.db->fileCount();
        return madePtr;
    }();
    return *v;
}

// Kept alive for the peer: its names point into the result set's pools.
const std::vector<const char *> &peerNames()
{
    static FileSearchResults everything;
    static const std::vector<const char *> names = [] {
        FileSearchRequest request;
        volume().db->search(request, everything);
        std::vector<const char *> list;
        for (int row = 0; row < everything.count(); ++row)
            list.push_back(everything.item(row).name);
        return list;
    }();
    return names;
}

void perRecord(benchmark::State &state, int records)
{
    state.counters["ns_per_record"] = benchmark::Counter(double(records) * state.iterations(),
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["records"] = records;
}

void search(benchmark::State &state, const QString &expression, int type)
{
    Volume &v = volume();
    int found = 0;
    for (auto _ : state) {
        FileSearchRequest request;
        request.name = expression;
        request.nameExpressionType = type;
        FileSearchResults results;
        v.db->search(request, results);
        found = results.count();
        benchmark::DoNotOptimize(found);
    }
    perRecord(state, v.records);
    state.counters["results"] = found;
}

void BM_Substring(benchmark::State &state) { search(state, QStringLiteral("conf"), 0); }
void BM_SubstringRare(benchmark::State &state) { search(state, QStringLiteral("qzx"), 0); }
// A term in most names, and no term at all: every record is a result.
void BM_SubstringBroad(benchmark::State &state) { search(state, QStringLiteral("e"), 0); }
void BM_EveryName(benchmark::State &state) { search(state, QString(), 0); }
void BM_Wildcard(benchmark::State &state) { search(state, QStringLiteral("*.conf"), 0); }
void BM_WholeWord(benchmark::State &state) { search(state, QStringLiteral("test"), 1); }
void BM_Boolean(benchmark::State &state) { search(state, QStringLiteral("conf and not d"), 3); }
void BM_NonAsciiTerm(benchmark::State &state) { search(state, QStringLiteral("\u00e9t\u00e9"), 0); }
void BM_Regex(benchmark::State &state) { search(state, QStringLiteral("^lib.*\\.so$"), 2); }

void BM_PeerStrcasestr(benchmark::State &state)
{
    const std::vector<const char *> &names = peerNames();
    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (const char *name : names)
            found += strcasestr(name, "conf") != nullptr;
        benchmark::DoNotOptimize(found);
    }
    perRecord(state, int(names.size()));
    state.counters["results"] = found;
}

} // namespace

BENCHMARK(BM_Substring)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_PeerStrcasestr)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_SubstringBroad)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_EveryName)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_SubstringRare)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_Wildcard)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_WholeWord)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_Boolean)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_NonAsciiTerm)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_Regex)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    volume();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    setVolumeSettings(nullptr);
    return 0;
}
