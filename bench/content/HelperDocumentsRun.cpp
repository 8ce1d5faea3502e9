// The cost of reading office documents through the helper program, over a
// folder of small generated .docx and .odt files (half each):
//   A  extraction alone, in this process (the helper's own work);
//   B  the channel alone: one round trip per document for a request the
//      helper answers at once (a path it has no reader for);
//   C  a whole content search through the content searcher and the helper,
//      on the global thread pool as the search workers run it.
// Prints documents per second of C and the protocol's share B/A of the
// extraction it carries (the aim: under a tenth) and B/C of the whole, in
// wall time and in processor time (this process and the helper's), which a
// busy machine disturbs less.
//
//   HelperDocumentsRun [COUNT]     (default 2000)
#include "app/Logger.h"
#include "content/ContentSearchWorker.h"
#include "content/ContentSearcher.h"
#include "content/Helper64.h"
#include "content/IFilter64Converter.h"
#include "helper/DocumentExtractor.h"
#include "search/FileSearchRequest.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <atomic>
#include <cstdio>
#include <ctime>

namespace {

const int kRounds = 5;

bool writeZip(const QString &path, const QString &member, const QByteArray &bytes)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(member)))
        return false;
    file.write(bytes);
    file.close();
    zip.close();
    return zip.getZipError() == 0;
}

QByteArray paragraphs(int seed, const char *open, const char *close)
{
    QByteArray text;
    for (int p = 0; p < 20; ++p) {
        text += open;
        for (int w = 0; w < 12; ++w)
            text += "word" + QByteArray::number((seed * 31 + p * 7 + w) % 997) + ' ';
        if (seed % 10 == 0 && p == 19)
            text += "needle";
        text += close;
    }
    return text;
}

QStringList generate(const QString &folder, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const bool word = i % 2 == 0;
        const QString path = QStringLiteral("%1/doc%2.%3").arg(folder).arg(i).arg(word ? "docx" : "odt");
        const QByteArray xml =
            word ? "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" +
                       paragraphs(i, "<w:p><w:r><w:t>", "</w:t></w:r></w:p>") + "</w:body></w:document>"
                 : "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                   "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:text>" +
                       paragraphs(i, "<text:p>", "</text:p>") + "</office:text></office:body></office:document-content>";
        if (writeZip(path, word ? QStringLiteral("word/document.xml") : QStringLiteral("content.xml"), xml))
            paths.append(path);
    }
    return paths;
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// Processor seconds of this process, all threads.
double ownCpu()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Processor seconds of every thread of another process (the first field of
// each thread's schedstat, in nanoseconds).
double processCpu(qint64 pid)
{
    double total = 0;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks + QLatin1Char('/') + task + QStringLiteral("/schedstat"));
        if (stat.open(QIODevice::ReadOnly))
            total += stat.readAll().split(' ').value(0).toDouble() / 1e9;
    }
    return total;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
    QTemporaryDir dir;
    const QString docs = dir.filePath(QStringLiteral("docs"));
    const QString temp = dir.filePath(QStringLiteral("temp"));
    QDir().mkpath(docs);
    QDir().mkpath(temp);
    Logger::instance(dir.filePath(QStringLiteral("bench.log")));
    const QStringList paths = generate(docs, count);

    // A and B: the best of kRounds, as a busy machine only ever slows them.
    QElapsedTimer timer;
    double extraction = 1e9;
    double extractionCpu = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        timer.restart();
        const double cpu = ownCpu();
        for (const QString &path : paths)
            QFile::remove(DocumentExtractor::extract(path, temp, nullptr));
        extraction = qMin(extraction, seconds(timer));
        extractionCpu = qMin(extractionCpu, ownCpu() - cpu);
    }

    Helper64 helper(temp, QStringLiteral(TVQ_HELPER_PROGRAM));
    if (helper.state() != Helper64::Connected) {
        std::fprintf(stderr, "the helper did not start\n");
        return 1;
    }
    const qint64 helperPid = helper.processId();
    double protocol = 1e9;
    double protocolCpu = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        timer.restart();
        const double cpu = ownCpu() + processCpu(helperPid);
        for (const QString &path : paths)
            helper.convert(path + QStringLiteral(".none"));
        protocol = qMin(protocol, seconds(timer));
        protocolCpu = qMin(protocolCpu, ownCpu() + processCpu(helperPid) - cpu);
    }

    ContentSearcher searcher(temp, nullptr, std::make_unique<IFilter64Converter>(&helper));
    ContentSearchSettings settings;
    settings.filters64 = helper.installedFilters();
    searcher.setSettings(settings);
    FileSearchRequest request;
    request.text = QStringLiteral("needle");
    std::atomic<int> found{0};
    timer.restart();
    for (const QString &path : paths) {
        QThreadPool::globalInstance()->start(new ContentSearchWorker([&, path] {
            if (searcher.find(request, path))
                ++found;
        }));
    }
    QThreadPool::globalInstance()->waitForDone();
    const double search = seconds(timer);

    const int n = paths.size();
    std::printf("documents: %d (found: %d)\n", n, found.load());
    std::printf("A extraction in process: %.3f s (%.0f documents/s)\n", extraction, n / extraction);
    std::printf("B channel round trips:  %.3f s (%.1f us each)\n", protocol, protocol / n * 1e6);
    std::printf("C content search via the helper: %.3f s (%.0f documents/s)\n", search, n / search);
    std::printf("protocol / extraction (B/A): %.3f wall, %.3f processor (%.1f us / %.1f us per document)\n",
                protocol / extraction, protocolCpu / extractionCpu, protocolCpu / n * 1e6, extractionCpu / n * 1e6);
    std::printf("protocol / whole search (B/C): %.3f\n", protocol / search);
    return 0;
}
