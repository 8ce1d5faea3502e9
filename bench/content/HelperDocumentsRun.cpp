// The cost of reading office documents through the helper program, over a
// folder of small generated .docx and .odt files (half each):
//   A  extraction alone, in this process (the helper's own work);
//   B  the channel alone: one round trip per document for a request the
//      helper answers at once (a path it has no reader for);
//   C  a whole content search through the content searcher and the helper,
//      on the global thread pool as the search workers run it.
// Prints documents per second of C and the protocol's share B/A of the
// extraction it carries (the aim: under a tenth) and B/C of the whole.
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
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <atomic>
#include <cstdio>

namespace {

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

    QElapsedTimer timer;
    timer.start();
    for (const QString &path : paths)
        QFile::remove(DocumentExtractor::extract(path, temp, nullptr));
    const double extraction = seconds(timer);

    Helper64 helper(temp, QStringLiteral(TVQ_HELPER_PROGRAM));
    if (helper.state() != Helper64::Connected) {
        std::fprintf(stderr, "the helper did not start\n");
        return 1;
    }
    timer.restart();
    for (const QString &path : paths)
        helper.convert(path + QStringLiteral(".none"));
    const double protocol = seconds(timer);

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
    std::printf("protocol / extraction (B/A): %.3f\n", protocol / extraction);
    std::printf("protocol / whole search (B/C): %.3f\n", protocol / search);
    return 0;
}
