// How long one name takes to match, for each kind of expression, over a
// realistic list of names (everything under /usr). Also counts heap
// allocations inside the timed loop: the substring and wildcard paths run
// over millions of names and must not allocate per name.

#include "query/ExpressionMatcher.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

// Every heap allocation of the process goes through malloc: operator new is
// replaced below, and Qt's containers and strings call malloc themselves.
namespace {
std::atomic<long long> g_allocations{0};
}

#if !defined(__SANITIZE_ADDRESS__)
extern "C" {
void *__libc_malloc(size_t size);
void *__libc_calloc(size_t count, size_t size);
void *__libc_realloc(void *pointer, size_t size);

void *malloc(size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void *calloc(size_t count, size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void *realloc(void *pointer, size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}
}
#endif

void *operator new(std::size_t size)
{
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void *pointer) noexcept
{
    std::free(pointer);
}

void operator delete(void *pointer, std::size_t) noexcept
{
    std::free(pointer);
}

namespace {

struct Names
{
    QStringList list;     // one QString per name, as a folder walk has them
    QString buffer;       // all names back to back, as a reused decode buffer
    std::vector<std::pair<int, int>> spans; // (start, length) of each name in buffer
};

const Names &names()
{
    static const Names all = [] {
        Names n;
        QDirIterator it(QStringLiteral("/usr"), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QString name = it.fileName();
            n.list.append(name);
            n.spans.emplace_back(n.buffer.size(), name.size());
            n.buffer += name;
        }
        return n;
    }();
    return all;
}

MatchOptions nameOptions(int mode, bool boolean)
{
    MatchOptions o;
    o.mode = mode;
    o.fileName = true;
    o.boolean = boolean;
    return o;
}

void report(benchmark::State &state, long long allocations, long long matched)
{
    const double perRun = double(names().list.size());
    state.SetItemsProcessed(state.iterations() * names().list.size());
    // Seconds per name, shown with an SI prefix ("45.3n" is 45.3 ns).
    state.counters["time_per_name"] = benchmark::Counter(perRun, benchmark::Counter::kIsIterationInvariantRate
                                                                     | benchmark::Counter::kInvert);
    state.counters["allocs_per_name"] = double(allocations) / (perRun * double(state.iterations()));
    state.counters["matches"] = double(matched) / double(state.iterations());
    state.counters["names"] = perRun;
}

// Names as QStrings (the folder walk).
void matchStrings(benchmark::State &state, const char *expression, int mode, bool boolean)
{
    const QStringList &list = names().list;
    ExpressionMatcher matcher(QString::fromUtf8(expression), nameOptions(mode, boolean));
    for (const QString &name : list) // warm the parser's cache outside the timing
        matcher.match(name);
    long long matched = 0;
    const long long before = g_allocations.load();
    for (auto _ : state) {
        for (const QString &name : list)
            matched += matcher.match(name) == ExpressionMatcher::Match;
    }
    report(state, g_allocations.load() - before, matched);
}

// Names as views into one buffer (the index decodes into a reused buffer).
void matchViews(benchmark::State &state, const char *expression, int mode, bool boolean)
{
    const Names &n = names();
    const QStringView buffer(n.buffer);
    ExpressionMatcher matcher(QString::fromUtf8(expression), nameOptions(mode, boolean));
    for (const auto &span : n.spans)
        matcher.match(buffer.mid(span.first, span.second));
    long long matched = 0;
    const long long before = g_allocations.load();
    for (auto _ : state) {
        for (const auto &span : n.spans)
            matched += matcher.match(buffer.mid(span.first, span.second)) == ExpressionMatcher::Match;
    }
    report(state, g_allocations.load() - before, matched);
}

// What Qt alone takes for one case-insensitive substring test per name.
void plainIndexOf(benchmark::State &state)
{
    const QStringList &list = names().list;
    const QString term = QStringLiteral("conf");
    long long matched = 0;
    const long long before = g_allocations.load();
    for (auto _ : state) {
        for (const QString &name : list)
            matched += name.contains(term, Qt::CaseInsensitive);
    }
    report(state, g_allocations.load() - before, matched);
}

constexpr int kSub = MatchOptions::Substring;
constexpr int kWord = MatchOptions::WholeWord;
constexpr int kRegex = MatchOptions::Regex;

} // namespace

BENCHMARK(plainIndexOf)->Name("Qt_contains/conf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchStrings, Substring/conf, "conf", kSub, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchViews, Substring/conf/view, "conf", kSub, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchStrings, Substring/e, "e", kSub, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchStrings, Wildcard/star_h, "*.h", kSub, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchViews, Wildcard/star_h/view, "*.h", kSub, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchStrings, Wildcard/lib_star_so_q, "lib*.so.?", kSub, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchStrings, List/h_c_not_test, "*.h;*.c;!test", kSub, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchStrings, WholeWord/python3, "python3", kWord, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchViews, WholeWord/python3/view, "python3", kWord, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchStrings, Regex/lib.so, "^lib.*\\.so\\.[0-9]+$", kRegex, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchStrings, Boolean/lib_and_so_or_a_not_python, "lib and (so or a) and not python", kSub, true)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the script engine needs one
    names();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
