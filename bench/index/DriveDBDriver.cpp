// Measures one volume's database as the index builds and uses it. "build":
// a fresh build, name searches, the memory the records take, and a save.
// "load": a load with its replay of the database "build" saved, in a process
// of its own, as at start-up. Prints one "name value" pair per line for the
// scripts beside it.
//
// usage: drivedb_driver build|load <mount point> <substring> <scratch folder>

#include "base/IndexingSettings.h"
#include "base/Logger.h"
#include "index/NTFSDriveDB.h"
#include "platform/linux/NTFSUtils.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "strings/StringPool.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

long residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * sysconf(_SC_PAGESIZE);
}

double seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

void print(const char *name, double value)
{
    std::printf("%s %.6f\n", name, value);
}

int build(QChar key, const IndexingSettings &settings, const QString &substring)
{
    auto pool = std::make_shared<StringPool>();
    malloc_trim(0);
    const long before = residentBytes();
    QElapsedTimer timer;
    timer.start();
    auto db = std::make_unique<NTFSDriveDB>(key, pool, settings);
    db->create(nullptr);
    print("create_seconds", seconds(timer));
    const int records = db->fileCount();
    malloc_trim(0);
    print("records", records);
    print("bytes_per_record", double(residentBytes() - before) / records);
    print("pool_bytes_per_record", double(pool->reservedBytes()) / records);

    double best = 1e9;
    int found = 0;
    const int runs = qEnvironmentVariableIsSet("SEARCH_RUNS") ? qEnvironmentVariableIntValue("SEARCH_RUNS") : 7;
    for (int run = 0; run < runs; ++run) {
        FileSearchRequest request;
        request.name = substring;
        FileSearchResults results;
        timer.restart();
        db->search(request, results);
        best = std::min(best, seconds(timer));
        found = results.count();
    }
    print("search_seconds", best);
    print("search_ns_per_record", best * 1e9 / records);
    print("search_results", found);

    timer.restart();
    db->save();
    print("save_seconds", seconds(timer));
    return 0;
}

int load(QChar key, const IndexingSettings &settings)
{
    QElapsedTimer timer;
    timer.start();
    NTFSDriveDB loaded(key, std::make_shared<StringPool>(), settings);
    const bool ok = loaded.load(nullptr);
    print("load_seconds", seconds(timer));
    print("load_ok", ok ? 1 : 0);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString mode = argc == 5 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode != QLatin1String("build") && mode != QLatin1String("load")) {
        std::fprintf(stderr, "usage: %s build|load <mount point> <substring> <scratch folder>\n", argv[0]);
        return 2;
    }
    const QString scratch = QString::fromLocal8Bit(argv[4]);
    Logger::instance(scratch + QStringLiteral("/Talvenquist.log"));
    QSettings keys(scratch + QStringLiteral("/Settings.ini"), QSettings::IniFormat);
    setVolumeSettings(&keys);
    const QChar key = volumeOfPath(QString::fromLocal8Bit(argv[2])).key;
    IndexingSettings settings;
    settings.dbPath = scratch;
    const QString substring = QString::fromLocal8Bit(argv[3]);
    const int status = mode == QLatin1String("build") ? build(key, settings, substring) : load(key, settings);
    setVolumeSettings(nullptr);
    return status;
}
