// Measures one volume's database as the index builds and uses it: a fresh
// build, a save, a load with its replay, name searches, and the memory the
// records take. Prints one "name value" pair per line for the scripts beside it.
//
// usage: drivedb_driver <mount point> <substring> <scratch folder>

#include "app/IndexingSettings.h"
#include "app/Logger.h"
#include "index/NTFSDriveDB.h"
#include "index/StringPool.h"
#include "platform/linux/NTFSUtils.h"
#include "search/FileSearchRequest.h"
#include "search/FileSearchResults.h"

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <mount point> <substring> <scratch folder>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString scratch = QString::fromLocal8Bit(argv[3]);
    Logger::instance(scratch + QStringLiteral("/Talvenquist.log"));
    QSettings keys(scratch + QStringLiteral("/Settings.ini"), QSettings::IniFormat);
    setVolumeSettings(&keys);
    const QChar key = volumeOfPath(root).key;
    IndexingSettings settings;
    settings.dbPath = scratch;
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
    for (int run = 0; run < (qEnvironmentVariableIsSet("SEARCH_RUNS") ? qEnvironmentVariableIntValue("SEARCH_RUNS") : 7); ++run) {
        FileSearchRequest request;
        request.name = QString::fromLocal8Bit(argv[2]);
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
    db.reset();

    timer.restart();
    NTFSDriveDB loaded(key, pool, settings);
    const bool ok = loaded.load(nullptr);
    print("load_seconds", seconds(timer));
    print("load_ok", ok ? 1 : 0);
    setVolumeSettings(nullptr);
    return ok ? 0 : 1;
}
