// Where the time of one ContentSearcher::find goes, over a sample of real
// text files (the first files under /usr/include, or BENCH_CONTENT_DIR):
// the whole find, then its parts one by one: building the matcher, guessing
// the encoding, decoding lines (through QTextStream, and as find() reads them),
// matching decoded lines, and, for scale, a plain byte scan as the peers (rg,
// grep) do it.
#include "base/Logger.h"
#include "content/ContentPrefilter.h"
#include "content/ContentSearcher.h"
#include "content/EncodingDetector.h"
#include "content/TextLineReader.h"
#include "query/ExpressionMatcher.h"
#include "query/FileSearchRequest.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstring>

namespace {

const char kWord[] = "deprecated";
const int kSampleFiles = 400;

struct Sample
{
    QStringList files;
    qint64 bytes = 0;
    QList<QStringList> lines; // decoded once, for the matching figure
};

const Sample &sample()
{
    static const Sample s = [] {
        Sample result;
        const QByteArray root = qgetenv("BENCH_CONTENT_DIR");
        QDirIterator it(root.isEmpty() ? QStringLiteral("/usr/include") : QString::fromLocal8Bit(root),
                        QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
        while (it.hasNext() && result.files.size() < kSampleFiles) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            result.files.append(path);
            result.bytes += file.size();
            QTextStream stream(&file);
            QStringList lines;
            while (!stream.atEnd())
                lines.append(stream.readLine());
            result.lines.append(lines);
        }
        return result;
    }();
    return s;
}

FileSearchRequest wordRequest()
{
    FileSearchRequest request;
    request.text = QString::fromLatin1(kWord);
    return request;
}

void reportBytes(benchmark::State &state)
{
    state.SetBytesProcessed(state.iterations() * sample().bytes);
    state.counters["files"] = sample().files.size();
}

void BM_Find(benchmark::State &state)
{
    QTemporaryDir temp;
    ContentSearcher searcher(temp.path());
    ContentSearchSettings settings;
    settings.autoDetectEncoding = true;
    searcher.setSettings(settings);
    const FileSearchRequest request = wordRequest();
    for (auto _ : state) {
        int found = 0;
        for (const QString &file : sample().files)
            found += searcher.find(request, file);
        benchmark::DoNotOptimize(found);
    }
    reportBytes(state);
}
BENCHMARK(BM_Find)->Unit(benchmark::kMillisecond);

void BM_BuildMatcherPerFile(benchmark::State &state)
{
    const FileSearchRequest request = wordRequest();
    for (auto _ : state) {
        for (int i = 0; i < sample().files.size(); ++i) {
            ExpressionMatcher matcher(request.text, request.textMatchOptions());
            benchmark::DoNotOptimize(matcher.finish());
        }
    }
    reportBytes(state);
}
BENCHMARK(BM_BuildMatcherPerFile)->Unit(benchmark::kMillisecond);

void BM_DetectEncoding(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QString &path : sample().files) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            benchmark::DoNotOptimize(EncodingDetector::detect(&file));
        }
    }
    reportBytes(state);
}
BENCHMARK(BM_DetectEncoding)->Unit(benchmark::kMillisecond);

void BM_DecodeLines(benchmark::State &state)
{
    QString line;
    for (auto _ : state) {
        for (const QString &path : sample().files) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            QTextStream stream(&file);
            while (!stream.atEnd())
                stream.readLineInto(&line);
            benchmark::DoNotOptimize(line);
        }
    }
    reportBytes(state);
}
BENCHMARK(BM_DecodeLines)->Unit(benchmark::kMillisecond);

// What find() reads with: the same lines as views, no copy per line.
void BM_ReadLinesAsViews(benchmark::State &state)
{
    QStringView line;
    for (auto _ : state) {
        for (const QString &path : sample().files) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            TextLineReader reader(&file, QString());
            while (reader.readLine(&line))
                benchmark::DoNotOptimize(line);
        }
    }
    reportBytes(state);
}
BENCHMARK(BM_ReadLinesAsViews)->Unit(benchmark::kMillisecond);

void BM_MatchDecodedLines(benchmark::State &state)
{
    const FileSearchRequest request = wordRequest();
    ExpressionMatcher matcher(request.text, request.textMatchOptions());
    for (auto _ : state) {
        int verdicts = 0;
        for (const QStringList &lines : sample().lines) {
            for (const QString &line : lines)
                verdicts += matcher.match(line);
        }
        benchmark::DoNotOptimize(verdicts);
    }
    reportBytes(state);
}
BENCHMARK(BM_MatchDecodedLines)->Unit(benchmark::kMillisecond);

// For scale: whole-file read and an ASCII case-insensitive scan of the bytes.
void BM_ByteScan(benchmark::State &state)
{
    const std::size_t wordSize = std::strlen(kWord);
    const auto equalFolded = [](char a, char b) { return (a | 0x20) == b; };
    for (auto _ : state) {
        int found = 0;
        for (const QString &path : sample().files) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QByteArray bytes = file.readAll();
            found += std::search(bytes.cbegin(), bytes.cend(), kWord, kWord + wordSize, equalFolded) != bytes.cend();
        }
        benchmark::DoNotOptimize(found);
    }
    reportBytes(state);
}
BENCHMARK(BM_ByteScan)->Unit(benchmark::kMillisecond);

// The byte prefilter alone, over the sample already in memory, for a term
// made of common letters and one with a rare byte, without and with case.
void BM_PrefilterScan(benchmark::State &state)
{
    static const QList<QByteArray> texts = [] {
        QList<QByteArray> result;
        for (const QString &path : sample().files) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                result.append(file.readAll());
        }
        return result;
    }();
    const QString term = state.range(0) == 0 ? QString::fromLatin1(kWord) : QStringLiteral("pthread_mutex_lock");
    MatchOptions options;
    options.caseSensitive = state.range(1) != 0;
    const ContentPrefilter prefilter({term}, options);
    for (auto _ : state) {
        quint32 found = 0;
        for (const QByteArray &text : texts)
            found += prefilter.scanBlock(text.constData(), text.size());
        benchmark::DoNotOptimize(found);
    }
    reportBytes(state);
}
BENCHMARK(BM_PrefilterScan)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir logDir;
    Logger::instance(logDir.filePath(QStringLiteral("bench.log")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
