// Content search as the search workers run it: the files under the given
// folders are listed once by the folder search's own walker (which reads entry
// types from the listing, without a stat) and each is handed, as it is
// listed, to ContentSearcher::find on the global thread pool. The walker
// returns a symbolic link as a file and the search reads through it, which
// the peers this is timed against do not: matches found through a link are
// counted on standard error, not printed, so the answer sets compare.
// Prints the matching paths, one per line; timings go to standard error.
// Encodings are detected; binary files are searched unless --skip-binary is
// given (the program's default settings skip them).
//
//   ContentSearchRun [--skip-binary] [--type N] WORD FOLDER...
//
// --type as FileSearchRequest::textExpressionType (2 regex, 3 Boolean).
#include "base/Logger.h"
#include "content/ContentSearcher.h"
#include "content/ContentSearchWorker.h"
#include "query/FileSearchRequest.h"
#include "search/DirectoryWalker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QCoreApplication>
#include <QMutex>
#include <QTemporaryDir>
#include <QThreadPool>

#include <cstdio>
#include <sys/stat.h>


int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool skipBinary = args.removeAll(QStringLiteral("--skip-binary")) > 0;
    int type = 0;
    const int typeAt = args.indexOf(QStringLiteral("--type"));
    if (typeAt >= 0 && typeAt + 1 < args.size()) {
        type = args.at(typeAt + 1).toInt();
        args.erase(args.begin() + typeAt, args.begin() + typeAt + 2);
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: ContentSearchRun [--skip-binary] [--type N] WORD FOLDER...\n");
        return 2;
    }
    QTemporaryDir temp;
    Logger::instance(temp.filePath(QStringLiteral("bench.log")));

    FileSearchRequest request;
    request.text = args.takeFirst();
    request.textExpressionType = type;
    ContentSearchSettings settings;
    settings.autoDetectEncoding = true;
    settings.skipBinary = skipBinary;
    ContentSearcher searcher(temp.path());
    searcher.setSettings(settings);

    QElapsedTimer timer;
    timer.start();
    QMutex mutex;
    QStringList matches;
    QThreadPool *pool = QThreadPool::globalInstance();
    int files = 0;
    DirectoryWalker walker(args, QStringList(), true);
    for (QString file = walker.next(); !file.isEmpty(); file = walker.next()) {
        if (walker.isDir())
            continue;
        ++files;
        pool->start(new ContentSearchWorker([&, file] {
            if (searcher.find(request, file)) {
                QMutexLocker lock(&mutex);
                matches.append(file);
            }
        }));
    }
    const qint64 listed = timer.elapsed();
    pool->waitForDone();
    const qint64 searched = timer.elapsed();

    int throughLinks = 0;
    for (const QString &match : qAsConst(matches)) {
        const QByteArray path = QFile::encodeName(match);
        struct stat status;
        if (::lstat(path.constData(), &status) == 0 && S_ISLNK(status.st_mode))
            ++throughLinks;
        else
            std::printf("%s\n", path.constData());
    }
    std::fprintf(stderr, "files %d, matches %d (%d through links), listed in %lld ms, all searched after %lld ms, "
                 "threads %d\n", files, int(matches.size()), throughLinks, listed, searched, pool->maxThreadCount());
    return 0;
}
