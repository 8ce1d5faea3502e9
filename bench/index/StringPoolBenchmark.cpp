// Interning the names of a real tree (every entry under /usr) into the
// StringPool, against a std::unordered_set<std::string> as the plain peer,
// and the memory one index record costs: an arena map node plus its share of
// the pooled names.
#include "ArenaAllocator.h"
#include "strings/StringPool.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

namespace {

// Every name under /usr, or under $TVQ_BENCH_TREE, without crossing into
// other file systems. Read once, before the first timed loop.
const std::vector<std::string> &usrNames()
{
    static const std::vector<std::string> names = [] {
        namespace fs = std::filesystem;
        const char *tree = std::getenv("TVQ_BENCH_TREE");
        const fs::path root(tree && *tree ? tree : "/usr");
        struct stat rootStatus = {};
        ::lstat(root.c_str(), &rootStatus);
        std::vector<std::string> collected;
        std::error_code error;
        fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error);
        for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            collected.push_back(it->path().filename().string());
            struct stat status = {};
            if (it->is_directory(error) && ::lstat(it->path().c_str(), &status) == 0
                && status.st_dev != rootStatus.st_dev)
                it.disable_recursion_pending();
        }
        return collected;
    }();
    return names;
}

void setNameCounters(benchmark::State &state)
{
    const auto count = static_cast<int64_t>(usrNames().size());
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["ns/name"] = benchmark::Counter(double(count) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_PoolInternNew(benchmark::State &state)
{
    usrNames();
    for (auto _ : state) {
        StringPool pool;
        for (const std::string &name : usrNames())
            benchmark::DoNotOptimize(pool.intern(name.c_str()));
    }
    setNameCounters(state);
}

void BM_PeerUnorderedSetNew(benchmark::State &state)
{
    usrNames();
    for (auto _ : state) {
        std::unordered_set<std::string> set;
        for (const std::string &name : usrNames())
            benchmark::DoNotOptimize(set.insert(name).first->c_str());
    }
    setNameCounters(state);
}

void BM_PoolInternExisting(benchmark::State &state)
{
    StringPool pool;
    for (const std::string &name : usrNames())
        pool.intern(name.c_str());
    for (auto _ : state) {
        for (const std::string &name : usrNames())
            benchmark::DoNotOptimize(pool.intern(name.c_str()));
    }
    setNameCounters(state);
}

void BM_PeerUnorderedSetExisting(benchmark::State &state)
{
    std::unordered_set<std::string> set(usrNames().begin(), usrNames().end());
    for (auto _ : state) {
        for (const std::string &name : usrNames())
            benchmark::DoNotOptimize(set.insert(name).first->c_str());
    }
    setNameCounters(state);
}

// Two threads interning the same names at once, as two drive databases do.
void BM_PoolInternTwoThreads(benchmark::State &state)
{
    usrNames();
    for (auto _ : state) {
        StringPool pool;
        auto work = [&pool] {
            for (const std::string &name : usrNames())
                benchmark::DoNotOptimize(pool.intern(name.c_str()));
        };
        std::thread other(work);
        work();
        other.join();
    }
    setNameCounters(state);
}

struct Record
{
    quint64 parent;
    const char *name;
};

// Heap bytes per index record: one arena map node per entry plus the pool.
// The default-allocator map beside it is the peer.
void BM_MemoryPerRecord(benchmark::State &state)
{
    const bool arenaNodes = state.range(0) != 0;
    usrNames();
    double bytesPerRecord = 0;
    double distinct = 0;
    double nodeBytes = 0;
    double poolBytes = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        {
            StringPool pool;
            BlockArena arena;
            ArenaMap<quint64, Record> arenaMap{ArenaMap<quint64, Record>::allocator_type(arena)};
            std::map<quint64, Record> heapMap;
            quint64 frn = 0;
            for (const std::string &name : usrNames()) {
                const Record record{frn / 16, pool.intern(name.c_str())};
                if (arenaNodes)
                    arenaMap.emplace(++frn, record);
                else
                    heapMap.emplace(++frn, record);
            }
            const size_t after = mallinfo2().uordblks;
            bytesPerRecord = double(after - before) / double(usrNames().size());
            distinct = double(pool.size());
            nodeBytes = double(arena.usedBytes()) / double(usrNames().size());
            poolBytes = double(pool.reservedBytes()) / double(usrNames().size());
        }
    }
    state.counters["records"] = double(usrNames().size());
    state.counters["distinctNames"] = distinct;
    state.counters["bytes/record"] = bytesPerRecord;
    if (arenaNodes) {
        state.counters["node/record"] = nodeBytes;
        state.counters["pool/record"] = poolBytes;
    }
}

} // namespace

BENCHMARK(BM_PoolInternNew)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeerUnorderedSetNew)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoolInternExisting)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeerUnorderedSetExisting)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoolInternTwoThreads)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemoryPerRecord)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
