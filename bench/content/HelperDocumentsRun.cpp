// The cost of reading office documents through the helper program, over a
// folder of small generated .docx and .odt files (half each):
//   A  extraction alone, in this process (the helper's own work);
//   B  the channel alone: one round trip per document for a request the
//      helper answers at once (a path it has no reader for);
//   C  a whole content search through the content searcher and the helper,
//      on the global thread pool as the search workers run it;
//   D  the floor: one round trip of a small message over a bare local socket
//      pair between this process and a forked child that echoes it, which
//      no channel between two processes can beat on this machine; measured
//      with both on one processor and on two (where each message also wakes
//      an idle processor, which in a virtual machine costs the most).
// Prints documents per second of C and the protocol's share B/A of the
// extraction it carries (the aim: under a tenth) and B/C of the whole, in
// wall time and in processor time (this process and the helper's), which a
// busy machine disturbs less, and B/D, what the protocol costs above the floor.
//
//   HelperDocumentsRun [COUNT]     (default 2000)
#include "base/Logger.h"
#include "content/ContentSearcher.h"
#include "content/ContentSearchWorker.h"
#include "content/Helper64.h"
#include "content/IFilter64Converter.h"
#include "helper/DocumentExtractor.h"
#include "query/FileSearchRequest.h"

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
#include <sched.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

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

void pinTo(int cpu)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(cpu, &set);
    ::sched_setaffinity(0, sizeof set, &set);
}

// Seconds for 'count' round trips of a 64-byte message over a socket pair to
// a forked echo, this process on processor 0 and the echo on 'echoCpu'; the
// best of kRounds. 0 when it cannot be measured.
double bareRoundTrips(int count, int echoCpu)
{
    cpu_set_t saved;
    if (::sched_getaffinity(0, sizeof saved, &saved) != 0 || echoCpu >= CPU_COUNT(&saved))
        return 0;
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pair) != 0)
        return 0;
    const pid_t child = ::fork();
    if (child == 0) {
        // Only system calls here: the child of a threaded program.
        ::close(pair[0]);
        pinTo(echoCpu);
        char buffer[64];
        for (;;) {
            const ssize_t got = ::recv(pair[1], buffer, sizeof buffer, 0);
            if (got <= 0 || ::send(pair[1], buffer, std::size_t(got), 0) != got)
                ::_exit(0);
        }
    }
    ::close(pair[1]);
    pinTo(0);
    char message[64] = {};
    double best = 1e9;
    for (int round = 0; round < kRounds && child > 0; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < count; ++i) {
            if (::send(pair[0], message, sizeof message, 0) != ssize_t(sizeof message)
                || ::recv(pair[0], message, sizeof message, MSG_WAITALL) != ssize_t(sizeof message))
                break;
        }
        best = qMin(best, seconds(timer));
    }
    ::close(pair[0]);
    ::sched_setaffinity(0, sizeof saved, &saved);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return child > 0 ? best : 0;
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
    const double oneCpu = bareRoundTrips(n, 0);
    const double twoCpus = bareRoundTrips(n, 1);
    std::printf("documents: %d (found: %d)\n", n, found.load());
    std::printf("A extraction in process: %.3f s (%.0f documents/s)\n", extraction, n / extraction);
    std::printf("B channel round trips:  %.3f s (%.1f us each)\n", protocol, protocol / n * 1e6);
    std::printf("C content search via the helper: %.3f s (%.0f documents/s)\n", search, n / search);
    std::printf("protocol / extraction (B/A): %.3f wall, %.3f processor (%.1f us / %.1f us per document)\n",
                protocol / extraction, protocolCpu / extractionCpu, protocolCpu / n * 1e6, extractionCpu / n * 1e6);
    std::printf("protocol / whole search (B/C): %.3f\n", protocol / search);
    std::printf("D bare socket round trips: %.1f us each on one processor, %.1f us on two; "
                "protocol / floor (B/D): %.2f, %.2f\n",
                oneCpu / n * 1e6, twoCpus / n * 1e6, protocol / oneCpu, protocol / twoCpus);
    return 0;
}
